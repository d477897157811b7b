"""Driving the game through the desktop's accessibility bus, as a screen
reader does, on a virtual display of its own.

    with Desktop() as desktop:
        game = desktop.launch([program])
        market = game.wait_for(name="Flea Market", role="dialog")
        door = game.wait_for(name="Door #4", role="push button")
        game.press(door)
        game.wait_for_announcement("Click on the screen")

Desktop starts Xvfb (on a display it picks itself), a D-Bus session bus and
the AT-SPI bus, and records the PID of everything it starts; leaving the
`with` block ends those processes, and the programs they started, by PID and
nothing else. Every wait has a time limit and fails with what it last saw.

Used by the flea market and store test and the keyboard playthrough; a new
screen's test imports it the same way. The program kelvarin_a11y_screens
(screenprogram.cpp) is the game without its intro: from the flea market on, or
with the argument "trail" straight to the trail screen.
"""

import os
import select
import signal
import subprocess
import sys
import time

SKIP = 77  # CTest's code for a test that cannot run on this machine

XVFB = "/usr/bin/Xvfb"
DBUS_DAEMON = "/usr/bin/dbus-daemon"
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
XDOTOOL = "/usr/bin/xdotool"


class Timeout(AssertionError):
    pass


def log(message):
    print(message, flush=True)


def skip_unless_installed(*paths):
    missing = [path for path in paths if not os.path.exists(path)]
    if missing:
        log("SKIP: not installed: " + ", ".join(missing))
        sys.exit(SKIP)


def _children_of(pid):
    """The PIDs whose parent is pid, from /proc."""
    children = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[1]) == pid:
            children.append(int(entry))
    return children


def _descendants_of(pid):
    found = []
    for child in _children_of(pid):
        found.append(child)
        found.extend(_descendants_of(child))
    return found


def _alive(pid):
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    # A zombie of ours has ended; it only waits to be reaped.
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def end_processes(pids, grace=3.0):
    """Ends the processes by PID: SIGTERM, then SIGKILL after the grace."""
    pids = [pid for pid in pids if pid]
    for pid in pids:
        try:
            os.kill(pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
    deadline = time.monotonic() + grace
    while time.monotonic() < deadline and any(_alive(pid) for pid in pids):
        time.sleep(0.05)
    for pid in pids:
        if _alive(pid):
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass


def wait_until(condition, timeout, what, pump=None, interval=0.05):
    """Calls condition until it returns something true; returns that."""
    deadline = time.monotonic() + timeout
    while True:
        if pump:
            pump()
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Timeout(f"gave up after {timeout} s waiting for {what}")
        time.sleep(interval)


class Desktop:
    """Xvfb, a session bus and the AT-SPI bus, for as long as it is open."""

    def __init__(self, size="1024x768x24"):
        skip_unless_installed(XVFB, DBUS_DAEMON, BUS_LAUNCHER, XDOTOOL)
        self.size = size
        self.processes = []  # what we started, ended in reverse order
        self.env = dict(os.environ)
        self.atspi = None

    # Starting and stopping.

    def __enter__(self):
        try:
            self._start_display()
            self._start_session_bus()
            self._start_accessibility_bus()
            self._connect()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _spawn(self, argv, **kwargs):
        process = subprocess.Popen(argv, env=self.env, stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def _read_line(self, pipe, timeout, what):
        ready, _, _ = select.select([pipe], [], [], timeout)
        if not ready:
            raise Timeout(f"gave up after {timeout} s waiting for {what}")
        return pipe.readline().decode().strip()

    def _start_display(self):
        read_end, write_end = os.pipe()
        # -noreset: without it the server starts afresh each time its last
        # client leaves, and refuses the next one meanwhile.
        self._spawn([XVFB, "-displayfd", str(write_end), "-screen", "0", self.size,
                     "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                    stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end, "rb") as pipe:
            display = self._read_line(pipe, 20, "Xvfb to choose its display")
        self.env["DISPLAY"] = ":" + display
        log(f"display :{display}")
        # The number comes as the server starts listening; make sure a
        # client gets through before the game is started on it.
        def answers():
            probe = subprocess.run([XDOTOOL, "getdisplaygeometry"], env=self.env,
                                   capture_output=True, timeout=10)
            return probe.returncode == 0
        wait_until(answers, 20, f"display :{display} to answer")

    def _start_session_bus(self):
        bus = self._spawn([DBUS_DAEMON, "--session", "--nofork", "--print-address=1"],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        address = self._read_line(bus.stdout, 20, "the session bus address")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        for variable in ("AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY"):
            self.env.pop(variable, None)

    def _start_accessibility_bus(self):
        self._spawn([BUS_LAUNCHER, "--launch-immediately"], stderr=subprocess.DEVNULL)
        # The launcher owns org.a11y.Bus once the bus is up. Asked without
        # activation, so that the bus is the launcher's we started.
        def bus_up():
            answer = subprocess.run(
                ["/usr/bin/dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                 "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                 "string:org.a11y.Bus"],
                env=self.env, capture_output=True, text=True, timeout=10)
            return answer.returncode == 0 and "boolean true" in answer.stdout
        wait_until(bus_up, 20, "the AT-SPI bus")

    def _connect(self):
        # The AT-SPI client library reads the environment as it loads.
        os.environ.update({key: self.env[key]
                           for key in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        try:
            import pyatspi  # noqa: F401 (Debian's python3-pyatspi)
            from gi.repository import GLib
        except ImportError as error:
            log(f"SKIP: {error}")
            self.close()
            sys.exit(SKIP)
        self.atspi = pyatspi
        self._context = GLib.MainContext.default()

    def close(self):
        pids = []
        for process in reversed(self.processes):
            if process.poll() is None:
                pids.extend(_descendants_of(process.pid))
                pids.append(process.pid)
        end_processes(pids)
        for process in self.processes:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass
        self.processes = []

    # Programs on the desktop.

    def launch(self, argv, extra_env=None):
        """Starts a program with accessibility on; returns its Program."""
        env = dict(self.env)
        env.update({"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                    "QT_ACCESSIBILITY": "1", "NO_AT_BRIDGE": "0"})
        env.update(extra_env or {})
        process = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL)
        self.processes.append(process)
        return Program(self, process)

    def pump(self):
        """Lets the client library take in what the bus has sent."""
        while self._context.pending():
            self._context.iteration(False)

    def key(self, *keys):
        """Presses keys on the display, as the player's keyboard does."""
        subprocess.run([XDOTOOL, "key", "--delay", "60", *keys], env=self.env, check=True,
                       timeout=20)

    def focused_window_name(self):
        answer = subprocess.run([XDOTOOL, "getwindowfocus", "getwindowname"], env=self.env,
                                capture_output=True, text=True, timeout=10)
        return answer.stdout.strip()


class Program:
    """A program on the desktop, seen through its accessible objects."""

    def __init__(self, desktop, process):
        self.desktop = desktop
        self.process = process
        self.atspi = desktop.atspi
        self.announcements = []  # texts of the notifications that appeared
        self._listen()
        self.application = wait_until(self._find_application, 30,
                                      f"program {process.pid} on the accessibility bus",
                                      pump=self._check_running)

    def _check_running(self):
        self.desktop.pump()
        if self.process.poll() is not None:
            raise AssertionError(f"the program ended with code {self.process.returncode}")

    def _find_application(self):
        desktop = self.atspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            try:
                application = desktop.getChildAtIndex(index)
                if application and application.get_process_id() == self.process.pid:
                    return application
            except Exception:  # an application that went away meanwhile
                continue
        return None

    def _listen(self):
        def heard(event):
            try:
                source = event.source
                if (event.detail1 == 1 and source.getRole() == self.atspi.ROLE_NOTIFICATION
                        and source.get_process_id() == self.process.pid):
                    self.announcements.append(source.name)
            except Exception:
                pass
        self._listener = heard
        self.atspi.Registry.registerEventListener(heard, "object:state-changed:showing")

    def ended(self):
        return self.process.poll() is not None

    # Finding objects.

    def objects(self, root=None):
        """Every object of the program under root, depth first."""
        stack = [root or self.application]
        while stack:
            node = stack.pop()
            if node is None:
                continue
            yield node
            try:
                count = node.childCount
            except Exception:
                continue
            for index in reversed(range(count)):
                try:
                    stack.append(node.getChildAtIndex(index))
                except Exception:
                    pass

    def find_all(self, name=None, role=None, root=None, showing=True, contains=None):
        found = []
        for node in self.objects(root):
            try:
                if role is not None and node.getRoleName() != role:
                    continue
                if name is not None and node.name != name:
                    continue
                if contains is not None and contains not in node.name:
                    continue
                if showing and not node.getState().contains(self.atspi.STATE_SHOWING):
                    continue
            except Exception:
                continue
            found.append(node)
        return found

    def find(self, **criteria):
        found = self.find_all(**criteria)
        return found[0] if found else None

    def wait_for(self, timeout=20, **criteria):
        """The first showing object that meets the criteria, once there is one."""
        return wait_until(lambda: self.find(**criteria), timeout,
                          f"an object with {criteria}", pump=self._check_running, interval=0.1)

    def wait_for_announcement(self, text, timeout=20):
        """Waits until a notification containing text has appeared."""
        return wait_until(lambda: next((said for said in self.announcements if text in said), None),
                          timeout, f"the announcement \"{text}\" (heard {self.announcements})",
                          pump=self._check_running)

    # Checking.

    INTERACTIVE_SKIPPED = ("popup menu", "menu bar", "separator")
    MEANINGLESS_ROLES = ("unknown", "filler", "panel", "redundant object", "invalid")

    def is_interactive(self, node):
        """A control the player can act on: it takes the focus or has actions."""
        try:
            state = node.getState()
            if (state.contains(self.atspi.STATE_FOCUSABLE)
                    or state.contains(self.atspi.STATE_EDITABLE)):
                return True
            return node.queryAction().nActions > 0
        except NotImplementedError:
            return False

    def unnamed_controls(self, window):
        """Every control under the window a screen reader could not tell
        about (no name, or a role that names no kind of control), and how
        many controls there are. A menu bar's pop-ups are named by the items
        that open them."""
        problems = []
        checked = 0
        for node in self.objects(window):
            if node is window or not self.is_interactive(node):
                continue
            role = node.getRoleName()
            if role in self.INTERACTIVE_SKIPPED:
                continue
            checked += 1
            if not node.name.strip() or role in self.MEANINGLESS_ROLES:
                problems.append(f"{role} \"{node.name}\"")
        return problems, checked

    def focused(self):
        for node in self.objects():
            try:
                if node.getState().contains(self.atspi.STATE_FOCUSED):
                    return node
            except Exception:
                pass
        return None

    def wait_for_focus(self, name, timeout=20):
        def on_it():
            node = self.focused()
            return node if node is not None and node.name == name else None
        return wait_until(on_it, timeout, f"the focus on \"{name}\"", pump=self._check_running,
                          interval=0.1)

    # Acting.

    def press(self, node, action="Press"):
        """Carries out the object's action by name, as a screen reader does."""
        actions = node.queryAction()
        names = [actions.getName(index) for index in range(actions.nActions)]
        if action not in names:
            raise AssertionError(f"\"{node.name}\" ({node.getRoleName()}) has no {action} "
                                 f"action, only {names}")
        actions.doAction(names.index(action))
        self.desktop.pump()

    def set_text(self, node, text):
        node.queryEditableText().setTextContents(text)
        self.desktop.pump()

    def describe(self, node):
        return f"\"{node.name}\" ({node.getRoleName()}): {node.description}"
