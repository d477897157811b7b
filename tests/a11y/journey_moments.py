"""Saving and opening a journey at every moment a player can, on the real
game with its real media: the welcome of town 1, the look-around prompt of
town 2, after the girl's story, the trapper's town, the trading post's door
and counter, a town reached from the east, and a late town. After each
opening the picture is clicked at once, and the way on must come: the
prompt that enables its button, or the way on open.

    journey_moments.py PROGRAM [SHOTS]        towns 1 to 4
    journey_moments.py late PROGRAM [SHOTS]   a late town (town 20)
    (PROGRAM: the game started straight at the trail, kelvarin_a11y_screens;
     SHOTS: a folder for a screenshot of each moment)
"""

import os
import subprocess
import sys
import tempfile

from kelvarin_a11y import XDOTOOL, Desktop, log, wait_until


class Trail:
    def __init__(self, desktop, game, folder, shots):
        self.desktop = desktop
        self.game = game
        self.folder = folder
        self.shots = shots
        self.window = None

    def find_window(self):
        self.window = next(window for window in self.game.find_all(name="Kelvarin", role="dialog")
                           if self.game.find_all(name="Scene", root=window))

    def button(self, name):
        return self.game.find(name=name, role="push button", root=self.window)

    def enabled(self, name):
        node = self.button(name)
        return node is not None and node.getState().contains(self.game.atspi.STATE_ENABLED)

    def press(self, name, timeout=30):
        wait_until(lambda: self.enabled(name), timeout, f"\"{name}\" enabled",
                   pump=self.desktop.pump)
        self.game.press(self.button(name))

    def travel_on(self, start, timeout=60):
        """Goes to the next town as a player would: a word that holds the
        party in the town (the food has run out, a day of rest) is read and
        the button pressed again; a traveller who falls ill on the road is
        let rest by the fire."""
        holds = ("nothing left to eat", "too weak to walk on")
        for _ in range(4):
            told = len(self.game.announcements)
            self.press("Go To Next Town")

            def what_came():
                said = self.game.announcements[told:]
                if any("Arriving in" in words for words in said):
                    return "arrived"
                if any(hold in words for words in said for hold in holds):
                    return "held"
                rest = self.game.find_all(role="radio button", contains="rest by the fire")
                return rest[0] if rest else None
            found = wait_until(what_came, timeout, "the next town, a word or an ailment's choice",
                               pump=self.desktop.pump)
            if found == "arrived":
                return
            if found == "held":
                continue
            try:
                self.game.press(found)
            except AssertionError:  # a radio button may offer Toggle alone
                self.game.press(found, "Toggle")
            self.press("OK")
            self.heard_since(start, "Arriving in", timeout)
            return
        raise AssertionError("the party never left the town")

    def heard_since(self, start, text, timeout=40):
        return wait_until(
            lambda: next((said for said in self.game.announcements[start:] if text in said), None),
            timeout, f"the announcement \"{text}\" (heard {self.game.announcements[start:]})",
            pump=self.desktop.pump)

    def typed(self, text):
        subprocess.run([XDOTOOL, "type", "--delay", "20", text], env=self.desktop.env, check=True,
                       timeout=60)

    def focus_the_screen(self):
        subprocess.run([XDOTOOL, "mousemove", "1000", "8", "click", "1"], env=self.desktop.env,
                       check=True, timeout=20)

    def through_dialog(self, keys, title, path):
        # With no window manager the keyboard goes where the pointer last
        # clicked: an empty stretch of the menu bar gives the trail screen
        # the keys without opening anything.
        self.focus_the_screen()
        self.desktop.key(keys)
        try:
            dialog = self.game.wait_for(name=title, role="dialog", timeout=20)
        except AssertionError:
            self.shot("no-" + title.replace(" ", "-"))
            said = [node.name for node in self.game.find_all(role="label")]
            raise AssertionError(f"no \"{title}\" dialog; the screen says {said}")
        self.desktop.key("ctrl+a")
        self.typed(path)
        self.desktop.key("Return")
        wait_until(lambda: not self.game.find(name=title, role="dialog"), 20,
                   f"the \"{title}\" dialog to close", pump=self.desktop.pump)
        alerts = self.game.find_all(role="alert")
        if alerts:
            self.shot("alert-after-" + title.replace(" ", "-"))
            said = [node.name for alert in alerts for node in self.game.find_all(root=alert)]
            raise AssertionError(f"{title}: the game said {said}")
        return dialog

    def click_the_picture(self):
        # A real click in the middle of the scene, whether it takes clicks or not.
        subprocess.run([XDOTOOL, "mousemove", "512", "360", "click", "1"], env=self.desktop.env,
                       check=True, timeout=20)
        self.desktop.pump()

    def shot(self, name):
        if not self.shots:
            return
        subprocess.run(["import", "-window", "root", os.path.join(self.shots, name + ".png")],
                       env=self.desktop.env, check=False, timeout=30)

    # What comes after opening: the look-around prompt with its button, or
    # the spirit standing in the scene with the way on open.
    def look_prompt(self, start):
        self.heard_since(start, "Now click the \"Look Around\" button")
        wait_until(lambda: self.enabled("Look Around "), 10, "Look Around enabled",
                   pump=self.desktop.pump)

    def spirit_standing(self, start):
        wait_until(lambda: self.enabled("Go To Next Town"), 10, "Go To Next Town enabled",
                   pump=self.desktop.pump)
        scene = self.game.find(name="Scene", root=self.window)
        assert "Press to trade" in scene.description, scene.description

    def moment(self, name, expect):
        """Saves the journey, opens it again, clicks the picture at once and
        waits for what the moment's way on is."""
        path = os.path.join(self.folder, name + ".kvj")
        self.through_dialog("ctrl+s", "Save As", path)
        assert os.path.getsize(path) > 0, path
        start = len(self.game.announcements)
        self.through_dialog("ctrl+o", "Open", path)
        self.click_the_picture()
        expect(start)
        self.shot(name)
        log(f"{name}: saved, opened, clicked at once, and the way on came")


def main(program_path, shots=None):
    if shots:
        os.makedirs(shots, exist_ok=True)
    folder = tempfile.mkdtemp(prefix="kelvarin-moments-")
    with Desktop() as desktop:
        game = desktop.launch([program_path, "trail"])
        game.wait_for(name="Scene", timeout=60)
        trail = Trail(desktop, game, folder, shots)
        trail.find_window()
        game.wait_for_announcement("You and your friends find yourselves", timeout=30)

        def welcome_again(start):
            trail.heard_since(start, "You and your friends find yourselves")
            assert trail.enabled("Go To Next Town")
        trail.moment("town1-welcome", welcome_again)

        look_prompt = trail.look_prompt
        spirit_standing = trail.spirit_standing

        start = len(game.announcements)
        trail.press("Go To Next Town")
        trail.heard_since(start, "Now click the \"Look Around\" button")
        trail.moment("town2-look-prompt", look_prompt)

        start = len(game.announcements)
        trail.press("Look Around ")
        trail.heard_since(start, "Click on the screen again to try to trade", timeout=90)
        trail.moment("town2-after-the-story", spirit_standing)

        # On to the trapper's town, through the snakebite.
        trail.press("Go To Next Town")
        treatment = game.wait_for(name="Clean the wound thoroughly.", role="radio button",
                                  timeout=30)
        # The choice takes the focus as it appears: Space chooses it.
        game.wait_for_focus(treatment.name)
        trail.focus_the_screen()
        desktop.key("space")
        trail.press("OK")
        start = len(game.announcements)
        trail.heard_since(start, "Now click the \"Look Around\" button", timeout=60)
        trail.moment("town3-look-prompt", look_prompt)

        start = len(game.announcements)
        trail.press("Look Around ")
        trail.heard_since(start, "Click on the screen again to try to trade", timeout=90)
        start = len(game.announcements)
        trail.press("Visit the Trading Post")
        trail.heard_since(start, "Now click on the screen to enter the trading post")
        trail.moment("town3-post-door", spirit_standing)

        # The door again, the keepers, the counter.
        start = len(game.announcements)
        trail.press("Visit the Trading Post")
        trail.heard_since(start, "Now click on the screen to enter the trading post")
        game.press(game.find(name="Scene", root=trail.window))
        trail.heard_since(start, "The trading post seems empty")
        game.press(game.find(name="Scene", root=trail.window))
        trail.heard_since(start, "ready to help you", timeout=40)
        trail.moment("town3-counter", spirit_standing)

        # A town reached from the east: the trading post is the way on.
        start = len(game.announcements)
        trail.travel_on(start)
        # The route is drawn; at its end the keys go to the trading post.
        game.wait_for_focus("Visit the Trading Post", timeout=60)

        def post_is_the_way(start):
            wait_until(lambda: trail.enabled("Visit the Trading Post"), 20,
                       "Visit the Trading Post enabled", pump=desktop.pump)
            game.wait_for_focus("Visit the Trading Post")
        trail.moment("town4-from-the-east", post_is_the_way)
        trail.press("Visit the Trading Post")
        wait_until(lambda: trail.enabled("Look Around "), 20, "Look Around enabled",
                   pump=desktop.pump)
        start = len(game.announcements)
        trail.press("Look Around ")
        trail.heard_since(start, "Click on the screen again to try to trade", timeout=90)
        trail.moment("town4-after-the-story", spirit_standing)

    return 0


def late_town(program_path, shots=None):
    """A late town, reached as the program starts there."""
    if shots:
        os.makedirs(shots, exist_ok=True)
    folder = tempfile.mkdtemp(prefix="kelvarin-moments-")

    with Desktop() as desktop:
        game = desktop.launch([program_path, "trail", "20"])
        game.wait_for(name="Scene", timeout=60)
        trail = Trail(desktop, game, folder, shots)
        trail.find_window()
        game.wait_for_announcement("Now click the \"Look Around\" button", timeout=60)
        trail.moment("town20-look-prompt", trail.look_prompt)
        start = len(game.announcements)
        trail.press("Look Around ")
        trail.heard_since(start, "Click on the screen again to try to trade", timeout=90)
        trail.moment("town20-after-the-story", trail.spirit_standing)
    return 0


if __name__ == "__main__":
    # "late" as the first argument plays the late town alone.
    if len(sys.argv) > 1 and sys.argv[1] == "late":
        sys.exit(late_town(*sys.argv[2:]))
    sys.exit(main(*sys.argv[1:]))
