"""The trail as a screen reader sees it: every control of the trail screen a
player can use has a name and a role, and a town is played by accessible
actions alone: on to the girl's town, a look around, her story, the trade
offer, her story heard again and "No deals.", each step heard through its announcement.

    trail_town.py PROGRAM    (the game, started straight at the trail)
"""

import sys

from kelvarin_a11y import Desktop, log, wait_until


def main(program_path):
    with Desktop() as desktop:
        game = desktop.launch([program_path, "trail"])
        game.wait_for(name="Scene", timeout=60)
        game.wait_for_announcement("You and your friends find yourselves", timeout=30)
        # The trail screen is the window that holds the scene (the black
        # backdrop behind it bears the same title).
        trail = next(window for window in game.find_all(name="Kelvarin", role="dialog")
                     if game.find_all(name="Scene", root=window))
        problems, checked = game.unnamed_controls(trail)
        assert not problems, f"trail: controls without a name or a role: {problems}"
        assert checked >= 10, checked
        log(f"trail: {checked} controls, each with a name and a role")

        game.press(game.find(name="Go To Next Town", role="push button", root=trail))
        game.wait_for_announcement("Arriving in Marrow Lake")
        game.wait_for_announcement("Now click the \"Look Around\" button", timeout=30)
        game.press(game.find(name="Look Around ", role="push button", root=trail))  # its caption ends in a blank

        # The girl appears and tells her story; then she offers to trade.
        game.wait_for_announcement("Click on the screen again to try to trade", timeout=90)
        scene = game.find(name="Scene", root=trail)
        assert "Press to trade" in scene.description, scene.description
        game.press(scene)
        # The party came from the market with nothing: the offer says so.
        game.wait_for_announcement("You have nothing to trade.")
        # Her story can be heard again from the panel, and a screen reader hears it again.
        again = game.wait_for(name="Hear the story again", role="push button", root=trail)
        assert again.getState().contains(game.atspi.STATE_ENABLED), "hearing again is not offered"
        heard = len(game.announcements)
        game.press(again)
        wait_until(lambda: any("my mother rubbed my feet" in said
                               for said in game.announcements[heard:]),
                   20, "her story announced again", pump=game._check_running)
        game.press(game.wait_for(name="No deals.", role="push button", root=trail))
        log("a town was played by accessible actions alone")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
