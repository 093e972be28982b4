"""Drives the real kontaro from outside, as assistive technology does.

A test calls run_e2e(main) from its __main__ block. run_e2e skips the test (exit 77) when
pyatspi or Xvfb is missing; otherwise it starts a virtual screen (VirtualScreen) and runs the
test again inside a private session bus (dbus-run-session), which starts the accessibility
bus on demand. Inside, Program starts kontaro on that screen; find, wait_find, table, footer
and table_row read its accessible tree through AT-SPI, focus clicks into a widget and press
sends keys through the accessibility registry; report_footer reads kontaro-report's figures
to compare with. Every process a test starts is ended when its with block is left, also on
failure, and the whole run has a time limit well under ctest's.
"""

import csv
import importlib.util
import io
import os
import random
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
INNER = "KONTARO_E2E_INSIDE_BUS"
# The whole run, bus and virtual screen included.
RUN_LIMIT_SECONDS = 40
# One wait for the program's tree to show what a step expects.
WAIT_SECONDS = 15


class E2eFailure(Exception):
    pass


def run_e2e(main):
    """Runs main(args) inside its own session bus; exits with the test's status."""
    if os.environ.get(INNER) == "1":
        signal.signal(signal.SIGALRM, _out_of_time)
        signal.alarm(RUN_LIMIT_SECONDS - 5)
        try:
            main(sys.argv[1:])
        except E2eFailure as failure:
            print(f"FAIL: {failure}", file=sys.stderr)
            sys.exit(1)
        print("PASS")
        sys.exit(0)
    missing = [what for what, present in (
        ("python3-pyatspi", importlib.util.find_spec("pyatspi") is not None),
        ("xvfb (Xvfb)", shutil.which("Xvfb") is not None),
    ) if not present]
    if missing:
        print(f"SKIP: {', '.join(missing)} not installed (scripts/setup installs it)")
        sys.exit(SKIP)
    if shutil.which("dbus-run-session") is None:
        print("FAIL: dbus-run-session (dbus-daemon) not installed", file=sys.stderr)
        sys.exit(1)
    env = dict(os.environ, **{INNER: "1"})
    # A bus of the surroundings must not be reached: the test's bus is its own.
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)
    env.pop("AT_SPI_BUS_ADDRESS", None)
    command = ["dbus-run-session", "--", sys.executable, os.path.abspath(sys.argv[0])] + sys.argv[1:]
    status = 1
    # The screen comes first: the accessibility registry, which the bus starts on
    # demand, sends the test's keys and clicks to the display it was started with.
    with VirtualScreen() as screen:
        env["DISPLAY"] = screen.display
        runner = subprocess.Popen(command, env=env, start_new_session=True)
        try:
            status = runner.wait(timeout=RUN_LIMIT_SECONDS)
        except subprocess.TimeoutExpired:
            print(f"FAIL: no end after {RUN_LIMIT_SECONDS} s", file=sys.stderr)
        finally:
            _end_group(runner)
        if status != 0:
            screen.report()
    sys.exit(status)


class VirtualScreen:
    """Xvfb on a free display, ended when the with block is left."""

    def __init__(self, screen="1280x900x24"):
        self.screen = screen
        self.process = None
        self.display = None
        self.log = None

    def __enter__(self):
        # A display number another X server of this machine holds in the abstract socket
        # namespace (shared across sandboxes) would route the program to that server.
        for attempt in range(3):
            try:
                self._start(_free_display())
                return self
            except E2eFailure:
                self.__exit__()
                if attempt == 2:
                    raise
            except BaseException:
                self.__exit__()
                raise
        return self

    def _start(self, number):
        read_end, write_end = os.pipe()
        try:
            self.log = tempfile.TemporaryFile()
            self.process = subprocess.Popen(
                # -noreset: a server that resets when its last client leaves drops the
                # connections being made at that moment.
                ["Xvfb", f":{number}", "-displayfd", str(write_end), "-screen", "0", self.screen,
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=self.log, start_new_session=True)
            os.close(write_end)
            write_end = None
            self.display = ":" + _read_line(read_end, WAIT_SECONDS, "Xvfb's display number")
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)

    def report(self):
        """Tells on stderr how the screen fared, for a failed test."""
        state = "running" if self.process.poll() is None else f"ended with status {self.process.returncode}"
        self.log.seek(0)
        output = self.log.read().decode(errors="replace").strip()
        print(f"Xvfb on {self.display}: {state}" + (f"; it said:\n{output}" if output else ""), file=sys.stderr)

    def __exit__(self, *exc):
        if self.process is not None:
            _end_group(self.process)
            self.process = None
        return False


def _out_of_time(signum, frame):
    raise E2eFailure("the run took too long")


def _end_group(process, grace=3.0):
    """Ends a process started with start_new_session and everything it started."""
    if process.poll() is None:
        try:
            os.killpg(process.pid, signal.SIGTERM)
        except ProcessLookupError:
            return
        try:
            process.wait(timeout=grace)
            return
        except subprocess.TimeoutExpired:
            pass
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()


def wait_for(what, probe, seconds=WAIT_SECONDS, interval=0.05):
    """Polls probe() until it returns something true; that value, else E2eFailure."""
    deadline = time.monotonic() + seconds
    last_error = None
    while True:
        try:
            value = probe()
            if value:
                return value
        except E2eFailure:
            raise
        except Exception as error:  # the tree changes under a reader while the program works
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise E2eFailure(f"timed out waiting for {what}{detail}")
        time.sleep(interval)


class Program:
    """kontaro on the test's virtual screen, with its accessible tree.

    with Program(binary, [project]) as program: starts the program with accessibility on,
    on the xcb platform of the test's screen, waits until its window is on the
    accessibility bus, and ends it when the block is left.
    """

    def __init__(self, binary, arguments, env=None, app_name="Kontaro"):
        self.binary = binary
        self.app_name = app_name
        self.arguments = list(arguments)
        self.extra_env = dict(env or {})
        self.process = None
        self.app = None
        self.dirs = None

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _start(self):
        env = dict(os.environ)
        env.update({
            "QT_QPA_PLATFORM": "xcb",
            "QT_ACCESSIBILITY": "1",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        })
        # The program's settings and recovery copies stay out of the user's folders
        # unless the test names folders of its own.
        if "XDG_CONFIG_HOME" not in self.extra_env:
            self.dirs = tempfile.TemporaryDirectory(prefix="kontaro-e2e-")
            env["XDG_CONFIG_HOME"] = os.path.join(self.dirs.name, "config")
            env["XDG_DATA_HOME"] = os.path.join(self.dirs.name, "data")
        env.update(self.extra_env)
        self.process = subprocess.Popen([self.binary] + self.arguments, env=env, start_new_session=True)
        import pyatspi  # connects to the accessibility bus, which exists from here on
        self.pyatspi = pyatspi
        name = self.app_name
        self.app = wait_for(f"{name} on the accessibility bus", lambda: self._application(name))
        wait_for(f"{name}'s window", lambda: self.app.childCount > 0)

    def _application(self, name):
        if self.process.poll() is not None:
            raise E2eFailure(f"the program ended with status {self.process.returncode}")
        desktop = self.pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == name:
                return app
        return None

    def close(self):
        if self.process is not None:
            _end_group(self.process)
            self.process = None
        if self.dirs is not None:
            self.dirs.cleanup()
            self.dirs = None

    # --- reading the tree -------------------------------------------------------------

    def window(self):
        """The program's main window (its first frame)."""
        return self.app.getChildAtIndex(0)

    def focus(self, node):
        """Clicks into node, which activates the program's window (there is no window
        manager to do it) and gives node the keyboard focus; waits until it has it."""
        x, y, width, height = node.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        # Near the top: in a grid, a data cell rather than the footer.
        self.pyatspi.Registry.generateMouseEvent(x + width // 2, y + min(height // 2, 30), "b1c")
        self.wait_focused(node)

    def activate(self, node, action="Press"):
        """Runs one of node's actions, as a screen reader's user does (a button's or a
        page tab's "Press")."""
        actions = node.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        if action not in names:
            raise E2eFailure(f"'{node.name}' has no action {action} (only {names})")
        actions.doAction(names.index(action))

    def show_page(self, title, content):
        """Brings the page of that tab title to the front; waits until content, an
        object on that page, shows."""
        self.activate(self.wait_find(title, self.pyatspi.ROLE_PAGE_TAB))
        wait_for(f"the page '{title}' to show '{content.name}'", lambda: self.showing(content))

    def showing(self, node):
        return node.getState().contains(self.pyatspi.STATE_SHOWING)

    def wait_focused(self, node):
        focused = self.pyatspi.STATE_FOCUSED
        wait_for(f"'{node.name}' to have the focus", lambda: node.getState().contains(focused))

    def find(self, name, role=None, root=None):
        """The first object of that name (and role, a pyatspi ROLE_*) in the program's
        tree, searched breadth first; None when there is none. Tables are not searched
        inside: their cells are read through table_row."""
        queue = [root or self.app]
        while queue:
            node = queue.pop(0)
            if node is None:
                continue
            if node.name == name and (role is None or node.getRole() == role):
                return node
            if node.getRole() == self.pyatspi.ROLE_TABLE:
                continue
            queue.extend(node.getChildAtIndex(i) for i in range(node.childCount))
        return None

    def wait_find(self, name, role=None):
        return wait_for(f"'{name}' in the tree", lambda: self.find(name, role))

    def table(self, name):
        """The AT-SPI table interface of the grid of that (component) name."""
        return self.wait_find(name, self.pyatspi.ROLE_TABLE).queryTable()

    @staticmethod
    def table_headers(table):
        return [table.getColumnDescription(c) for c in range(table.nColumns)]

    @staticmethod
    def table_row(table, row):
        """The texts of a row as the grid shows them; row -1 is the last (the footer)."""
        if row < 0:
            row += table.nRows
        return [table.getAccessibleAt(row, c).name for c in range(table.nColumns)]

    def footer(self, table):
        """The footer row as {column header: text}."""
        return dict(zip(self.table_headers(table), self.table_row(table, -1)))

    # --- the keyboard -----------------------------------------------------------------

    def press(self, key, *modifiers):
        """Presses and releases a key (an X keysym name such as "Tab" or "Page_Up", or a
        digit) with modifier keys ("Control_L", "Shift_L") held down."""
        registry = self.pyatspi.Registry
        codes = [self._keycode(m) for m in modifiers]
        for code in codes:
            registry.generateKeyboardEvent(code, None, self.pyatspi.KEY_PRESS)
        registry.generateKeyboardEvent(self._keycode(key), None, self.pyatspi.KEY_PRESSRELEASE)
        for code in reversed(codes):
            registry.generateKeyboardEvent(code, None, self.pyatspi.KEY_RELEASE)

    @staticmethod
    def _keycode(name):
        # The keycodes of the X server's default (evdev) keymap.
        codes = {"Control_L": 37, "Shift_L": 50, "Tab": 23, "Page_Up": 112, "Page_Down": 117,
                 "Left": 113, "Right": 114, "Up": 111, "Down": 116, "Return": 36, "Escape": 9,
                 "Home": 110, "Delete": 119, "0": 19}
        codes.update({str(digit): 9 + digit for digit in range(1, 10)})
        return codes[name]


def report_footer(report_binary, arguments, env=None):
    """The last row of a kontaro-report table (--csv added) as {column header: text}."""
    result = subprocess.run([report_binary] + list(arguments) + ["--csv"], env=env, capture_output=True,
                            text=True, timeout=WAIT_SECONDS)
    if result.returncode != 0:
        raise E2eFailure(f"kontaro-report {' '.join(arguments)} failed: {result.stderr.strip()}")
    text = result.stdout
    rows = list(csv.reader(io.StringIO(text), delimiter=";" if ";" in text.splitlines()[0] else ","))
    return dict(zip(rows[0], rows[-1]))


def _free_display():
    """A display number in use neither by a lock file nor by a listening X socket."""
    try:
        with open("/proc/net/unix") as sockets:
            listening = sockets.read()
    except OSError:
        listening = ""
    for number in random.sample(range(200, 1000), 800):
        if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
            continue
        if f"/tmp/.X11-unix/X{number}\n" in listening:
            continue
        return number
    raise E2eFailure("no free display number")


def _read_line(fd, seconds, what):
    deadline = time.monotonic() + seconds
    data = b""
    while not data.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([fd], [], [], left)[0]:
            raise E2eFailure(f"timed out waiting for {what}")
        chunk = os.read(fd, 64)
        if not chunk:
            raise E2eFailure(f"no {what}")
        data += chunk
    return data.decode().strip()
