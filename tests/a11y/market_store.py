"""The flea market and the store as a screen reader sees them: every control a
player can use has a name and a role, and the market can be played by
accessible actions alone, from the Okay of the arrival through the door,
the store, a purchase and the way out, on to the trail.

    market_store.py PROGRAM    (the game from the market on)
"""

import sys

from kelvarin_a11y import Desktop, log, wait_until

def check_every_control_is_named(program, window, what):
    problems, checked = program.unnamed_controls(window)
    assert not problems, f"{what}: controls without a name or a role: {problems}"
    log(f"{what}: {checked} controls, each with a name and a role")
    return checked


def main(program_path):
    with Desktop() as desktop:
        game = desktop.launch([program_path])
        market = game.wait_for(name="Flea Market", role="dialog")
        assert check_every_control_is_named(game, market, "flea market") >= 8

        # The arrival: its story is announced and Okay has the focus.
        game.wait_for_announcement("Sedora again")
        game.wait_for_focus("Okay")
        game.press(game.find(name="Okay", role="push button", root=market))

        # The door: announced, shown, and pressed by its action.
        game.wait_for_announcement("Click on Door #4")
        door = game.wait_for(name="Door #4", role="push button", root=market)
        game.press(door)

        # Inside the shop the next step arms the scene; its description says so.
        game.wait_for_announcement("Click on the screen to bring up the STORE MENU")
        scene = game.wait_for(name="Market scene", root=market)
        assert scene.description == "Inside the shop.  Press to open the store.", scene.description
        game.press(scene)

        store = game.wait_for(name="Purchase Items", role="dialog")
        game.wait_for_announcement("Hello there!  May I help you?")
        assert check_every_control_is_named(game, store, "store") >= 20
        quantity = game.wait_for(name="How many wolf paintings to buy", role="text", root=store)
        more = game.wait_for(name="More or fewer wolf paintings", role="spin button", root=store)
        game.press(more, "Increase")
        wait_until(lambda: quantity.queryText().getText(0, -1) == "1", 10,
                   "the quantity box to show 1", pump=desktop.pump)
        game.wait_for(name="9", role="label", root=store)  # the total purchases

        # A turned page renames the rows by their new items.
        forward = game.find(name="Forward", role="push button", root=store)
        game.press(forward)
        game.wait_for_announcement("Page 2 of 3")
        renamed = game.find_all(role="text", root=store)
        assert not any(node.name == "How many wolf paintings to buy" for node in renamed), \
            [node.name for node in renamed]
        game.press(game.find(name="Back", role="push button", root=store))
        game.wait_for(name="How many wolf paintings to buy", role="text", root=store)

        game.press(game.find(name="Purchase", role="push button", root=store))
        game.wait_for_announcement("Thank you kindly!")

        way_out = game.wait_for(name="Way out", role="push button", root=market)
        game.press(way_out)
        # The step that follows a purchase: the goodbye, with its Okay.
        game.wait_for_announcement("After visiting all the shops")
        okay = game.wait_for(name="Okay", role="push button", root=market)
        game.press(okay)
        game.wait_for_announcement("Sedora takes your hands")

        # On to the trail.
        game.wait_for(name="Scene", timeout=30)
        assert market.getState().contains(game.atspi.STATE_DEFUNCT) or not \
            market.getState().contains(game.atspi.STATE_SHOWING), "the market is still up"
        log("the market was played by accessible actions alone, on to the trail")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))
