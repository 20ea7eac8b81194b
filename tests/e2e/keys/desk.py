"""The player's desk for the keyboard and screen-reader runs: the real game under the virtual X
server the test started, a window manager, key presses by xdotool, and the game's windows read
back through the accessibility bus as a screen reader reads them.

Keys are the only input. The bus is only read: which window is active, which control has the
focus, what a table holds, so each key can wait for the screen it is meant for.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import gi
import pyatspi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# Roles a player uses or reads; each must carry a name a screen reader can say.
NAMED_ROLES = {
    "push button", "toggle button", "check box", "radio button", "combo box", "table", "list",
    "list item", "tree", "tree table", "image", "slider", "spin button", "menu item",
    "check menu item", "radio menu item", "menu", "page tab", "progress bar", "entry",
    "password text", "text", "scroll bar", "table cell", "canvas", "chart",
}


class Failure(Exception):
    pass


def log(text):
    print(text, flush=True)


class Desk:
    def __init__(self, velko, game_dir, lang, shots):
        self.velko = velko
        self.lang = lang
        self.shots = shots
        shutil.rmtree(shots, ignore_errors=True)  # this run's pictures and trees only
        os.makedirs(shots)
        self.temp = tempfile.mkdtemp(prefix="velko-keys-")
        self.folder = os.path.join(self.temp, "game")
        os.makedirs(self.folder)
        for part in ("ini", "img", "midi", "translations"):
            source = os.path.join(game_dir, part)
            if part == "translations" and lang == "ja":
                continue
            if not os.path.isdir(source):
                raise Failure("the built game folder has no %s/ (%s)" % (part, game_dir))
            shutil.copytree(source, os.path.join(self.folder, part))
        self.wm = None
        self.game = None
        self.shot_number = 0

    # --- starting and stopping ---

    def start(self):
        if shutil.which("openbox"):
            self.wm = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
            time.sleep(0.5)
        env = dict(os.environ)
        env["QT_QPA_PLATFORM"] = "xcb"
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_ACCESSIBILITY"] = "1"
        args = [self.velko, "--game-folder", self.folder]
        if self.lang == "en":
            args += ["--lang", "en"]
        else:
            args += ["--lang", "ja"]
        self.log_file = open(os.path.join(self.shots, "game.log"), "w")
        self.game = subprocess.Popen(args, stdout=self.log_file, stderr=subprocess.STDOUT,
                                     env=env)

    def stop(self):
        for process in (self.game, self.wm):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
        shutil.rmtree(self.temp, ignore_errors=True)

    def check_running(self):
        if self.game.poll() is not None:
            raise Failure("the game ended (status %s)" % self.game.returncode)

    # --- keys ---

    def key(self, *keys):
        self.check_running()
        subprocess.run(["xdotool", "key", "--delay", "30"] + list(keys), check=True)
        time.sleep(0.08)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)
        time.sleep(0.08)

    def screenshot(self, name):
        self.shot_number += 1
        path = os.path.join(self.shots, "%02d-%s.png" % (self.shot_number, name))
        subprocess.run(["import", "-window", "root", path], check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    # --- what the bus says ---

    def app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            application = desktop.getChildAtIndex(i)
            if application is not None and application.get_process_id() == self.game.pid:
                # The reader's copies of names and states are kept only while events update
                # them; this reader listens to none, so it asks the game every time.
                application.set_cache_mask(Atspi.Cache.NONE)
                application.clear_cache()
                return application
        return None

    def active_window(self):
        application = self.app()
        if application is None:
            return None
        for i in range(application.childCount):
            window = application.getChildAtIndex(i)
            if window is None:
                continue
            if window.getState().contains(pyatspi.STATE_ACTIVE):
                return window
        return None

    def wait(self, what, test, seconds=20):
        """Waits for test() to give something, polling the bus; fails at the time limit."""
        end = time.time() + seconds
        while time.time() < end:
            self.check_running()
            try:
                found = test()
            except Exception:  # a window closing under the reader
                found = None
            if found:
                return found
            time.sleep(0.1)
        self.screenshot("timeout")
        raise Failure("waited %ds for %s; active window: %s" % (seconds, what,
                                                                self.describe_active()))

    def describe_active(self):
        try:
            window = self.active_window()
            if window is None:
                return "none"
            return "%s %r: %s" % (window.getRoleName(), window.name,
                                  " | ".join(texts(window))[:600])
        except Exception as error:
            return "unreadable (%s)" % error

    def wait_window(self, test, what, seconds=20):
        """The active window once test(window) holds."""
        return self.wait(what, lambda: (lambda w: w if w is not None and test(w) else None)(
            self.active_window()), seconds)

    def focused(self, window=None):
        window = window or self.active_window()
        if window is None:
            return None
        # The current cell of a table or list says it is focused even when its view is not,
        # and so may a container of the control: the control that has the keyboard is the
        # innermost focused object that is no cell or item.
        focused = find_all(window, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED))
        controls = [a for a in focused if role(a) not in ("table cell", "list item")]
        return (controls or focused or [None])[-1]

    def wait_focus(self, test, what, seconds=10):
        return self.wait(what, lambda: (lambda f: f if f is not None and test(f) else None)(
            self.focused()), seconds)

    def tab_to(self, test, what, limit=120, back=False):
        """Presses Tab (or Shift+Tab) until the focused control passes test. A message that
        comes up meanwhile (the one that says no music can play) is answered with Return."""
        home = self.active_window()
        home = (role(home), name(home)) if home is not None else None
        for _ in range(limit):
            window = self.active_window()
            if window is not None and (role(window), name(window)) != home and role(
                    window) in ("alert", "dialog"):
                log("message: %s" % " | ".join(texts(window)))
                self.key("Return")
                continue
            now = self.focused()
            if now is not None and test(now):
                return now
            self.key("shift+Tab" if back else "Tab")
        raise Failure("Tab never reached %s; focus on %s" % (what, describe(self.focused())))


# --- reading the tree ---

def children(accessible):
    try:
        count = accessible.childCount
    except Exception:
        return []
    out = []
    for i in range(count):
        try:
            child = accessible.getChildAtIndex(i)
        except Exception:
            child = None
        if child is not None:
            out.append(child)
    return out


def showing(accessible):
    try:
        states = accessible.getState()
        return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)
    except Exception:
        return False


def walk(accessible, depth=0, limit=12):
    """Every showing object under accessible, with its depth."""
    yield accessible, depth
    if depth >= limit:
        return
    for child in children(accessible):
        if showing(child):
            yield from walk(child, depth + 1, limit)


def find(accessible, test):
    for node, _ in walk(accessible):
        try:
            if test(node):
                return node
        except Exception:
            continue
    return None


def find_all(accessible, test):
    out = []
    for node, _ in walk(accessible):
        try:
            if test(node):
                out.append(node)
        except Exception:
            continue
    return out


def role(accessible):
    try:
        return accessible.getRoleName()
    except Exception:
        return "?"


def name(accessible):
    try:
        return accessible.name or ""
    except Exception:
        return ""


def texts(window):
    return [name(node) for node, _ in walk(window) if name(node)]


def describe(accessible):
    if accessible is None:
        return "nothing"
    return "%s %r" % (role(accessible), name(accessible))


def has_button(window, caption):
    return find(window, lambda a: role(a) == "push button" and name(a) == caption) is not None


def dump(window):
    """The tree as a screen reader walks it, one object a line."""
    lines = []
    for node, depth in walk(window):
        description = ""
        try:
            description = node.description or ""
        except Exception:
            pass
        line = "%s%s %r" % ("  " * depth, role(node), name(node))
        if description:
            line += " (%s)" % description
        lines.append(line)
    return lines


def unnamed(window):
    """Showing objects of the named roles whose name is empty."""
    missing = []
    for node, _ in walk(window):
        if role(node) in NAMED_ROLES and not name(node).strip():
            missing.append(node)
    return missing


def table_rows(table):
    """The first column of a table, row by row."""
    grid = table.queryTable()
    rows = []
    for row in range(grid.nRows):
        cell = grid.getAccessibleAt(row, 0)
        rows.append(name(cell) if cell is not None else "")
    return rows


def list_items(listing):
    return [name(item) for item in children(listing) if role(item) == "list item"]


def main(run):
    """Runs run(desk) with the command line's game, folder, language and screenshot folder."""
    import argparse
    parser = argparse.ArgumentParser()
    parser.add_argument("--velko", required=True)
    parser.add_argument("--game-dir", required=True)
    parser.add_argument("--lang", default="ja")
    parser.add_argument("--shots", required=True)
    options = parser.parse_args()
    desk = Desk(options.velko, options.game_dir, options.lang,
                os.path.join(options.shots, options.lang))
    started = time.time()
    try:
        desk.start()
        run(desk)
    except Failure as failure:
        log("FAILED: %s" % failure)
        desk.screenshot("failed")
        return 1
    finally:
        desk.stop()
        log("%.0f s" % (time.time() - started))
    log("passed")
    return 0


if __name__ == "__main__":
    sys.exit("run keyboard_playthrough.py or accessibility_walk.py")
