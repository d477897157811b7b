"""The game played with the keyboard alone, from its start to the trail: keys
pressed on the virtual display end the intro, lead the party through the
flea market's door into the shop, buy a painting in the store and leave
again. The accessibility bus is only watched, to know when the next key is
due; nothing is pressed through it.

    keyboard_playthrough.py GAME
"""

import sys

from kelvarin_a11y import Desktop, Timeout, log, wait_until


def tab_to(desktop, game, name, most=12):
    """Presses Tab until the named control has the focus."""
    for _ in range(most):
        focused = game.focused()
        if focused is not None and focused.name == name:
            return
        desktop.key("Tab")
        desktop.pump()
    game.wait_for_focus(name, timeout=5)


def main(game_path):
    with Desktop() as desktop:
        game = desktop.launch([game_path])
        game.wait_for(name="Introduction", role="dialog", timeout=60)

        # A key before the intro's first moment is not yet taken: press
        # Escape until the market comes up.
        def market_up():
            desktop.key("Escape")
            return game.find(name="Flea Market", role="dialog")
        market = wait_until(market_up, 60, "the flea market after Escape",
                            pump=desktop.pump, interval=0.7)

        game.wait_for_focus("Okay")
        desktop.key("Return")
        game.wait_for_focus("Door #4")
        desktop.key("Return")
        game.wait_for_focus("Market scene")
        desktop.key("space")

        store = game.wait_for(name="Purchase Items", role="dialog")
        game.wait_for_focus("How many wolf paintings to buy")
        desktop.key("BackSpace", "1", "Tab")
        game.wait_for(name="9", role="label", root=store)  # the total purchases
        desktop.key("alt+p")
        wait_until(lambda: game.find(name="Purchase Items", role="dialog") is None, 20,
                   "the store to close", pump=desktop.pump)

        tab_to(desktop, game, "Way out")
        desktop.key("Return")
        game.wait_for_focus("Okay")
        desktop.key("Return")

        game.wait_for(name="Scene", timeout=30)
        wait_until(lambda: desktop.focused_window_name() == "Kelvarin", 20,
                   "the trail screen to take the keyboard", pump=desktop.pump)
        assert not market.getState().contains(game.atspi.STATE_SHOWING)
        log("the intro and the flea market were played with the keyboard alone")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    try:
        sys.exit(main(sys.argv[1]))
    except Timeout as problem:
        sys.exit(f"FAIL: {problem}")
