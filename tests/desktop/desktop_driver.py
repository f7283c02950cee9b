"""Drives the desktop program from outside through the accessibility bus,
as a screen reader or a user would: menus by their names, message boxes
by their text, fields by their labels. Every wait polls with a timeout and
says what it looked for and what it found."""

import argparse
import os
import shutil
import subprocess
import tempfile
import threading
import time

import pyatspi

TIMEOUT = 30.0


class DesktopTestError(AssertionError):
    pass


def _children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def walk(node):
    stack = [node]
    while stack:
        current = stack.pop()
        if current is None:
            continue
        yield current
        stack.extend(reversed(_children(current)))


def describe(node, depth=0, limit=4):
    """The tree below `node`, roles and names, for failure messages."""
    lines = []
    try:
        lines.append("  " * depth + f"{node.getRoleName()} {node.name!r}")
    except Exception:
        return lines
    if depth < limit:
        for child in _children(node):
            lines.extend(describe(child, depth + 1, limit))
    return lines


def wait_for(check, what, timeout=TIMEOUT, found=lambda: ""):
    deadline = time.monotonic() + timeout
    while True:
        result = check()
        if result:
            return result
        if time.monotonic() > deadline:
            raise DesktopTestError(f"timed out waiting for {what}; found: {found()}")
        time.sleep(0.05)


def is_showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def find(root, role, name=None, timeout=TIMEOUT, showing=False):
    def match():
        for node in walk(root):
            try:
                if node.getRoleName() == role and (name is None or node.name == name):
                    if not showing or is_showing(node):
                        return node
            except Exception:
                continue
        return None

    return wait_for(match, f"{role} {name!r}", timeout,
                    lambda: "\n" + "\n".join(describe(root, limit=3)))


def activate(node):
    """Runs the node's default action without waiting for its reply: an
    action that opens a modal window answers only when the window closes."""
    action = node.queryAction()
    threading.Thread(target=lambda: _quiet(action.doAction, 0), daemon=True).start()


def _quiet(call, *args):
    try:
        call(*args)
    except Exception:
        pass


def check(condition, message):
    if not condition:
        raise DesktopTestError(message)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def extents(node):
    """The node's box (x, y, width, height) in the program's own units."""
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def screen_box(box):
    """AT-SPI gives the program's own units; the screen has QT_SCALE_FACTOR
    pixels to each."""
    scale = float(os.environ.get("QT_SCALE_FACTOR") or 1)
    return tuple(round(v * scale) for v in box)


def demo_copy(source):
    """A copy of the demo workspace in a new scratch folder: (folder, path)."""
    work = tempfile.mkdtemp(prefix="tq-desktop-")
    demo = os.path.join(work, "demo.mts")
    shutil.copy(os.path.join(source, "examples", "demo.mts"), demo)
    return work, demo


def select_item(dialog, entry):
    """Clicks the list item `entry` of `dialog` (AT-SPI selection does not
    make it current) and waits until it is selected."""
    item = find(dialog, "list item", entry)
    click(item)
    wait_for(lambda: item.getState().contains(pyatspi.STATE_SELECTED), f"{entry!r} selected")
    return item


def click(node):
    """A mouse click in the middle of the node, where AT-SPI cannot act
    (a list item to make current, a drop-down list to open)."""
    x, y, w, h = screen_box(extents(node))
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"],
                   check=True)


class Program:
    """The program under test, started with accessibility on."""

    def __init__(self, binary, args=(), config_dir=None, artifacts="."):
        self.binary = binary
        self.args = list(args)
        self.config_dir = config_dir or tempfile.mkdtemp(prefix="tq-config-")
        self.artifacts = artifacts
        self.process = None
        self.app = None
        self.frame = None

    def __enter__(self):
        env = dict(os.environ)
        env.update(QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_CONFIG_HOME=self.config_dir)
        for attempt in range(2):
            self.process = subprocess.Popen([self.binary] + self.args, env=env)
            try:
                self.app = wait_for(self._find_app, "the program on the accessibility desktop",
                                    timeout=30)
                self.frame = find(self.app, "frame")
                return self
            except DesktopTestError:
                self.process.kill()
                self.process.wait()
                if attempt == 1:
                    raise
        return self

    def __exit__(self, kind, value, traceback):
        if kind is not None:
            self.save_evidence("failure")
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        return False

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in _children(desktop):
            try:
                for child in _children(app):
                    if child.getRoleName() == "frame" and "Tallyquist" in child.name:
                        return app
            except Exception:
                continue
        return None

    def save_evidence(self, name):
        os.makedirs(self.artifacts, exist_ok=True)
        subprocess.run(["import", "-window", "root", os.path.join(self.artifacts, name + ".png")],
                       check=False)
        try:
            with open(os.path.join(self.artifacts, name + "-tree.txt"), "w") as tree:
                tree.write("\n".join(describe(self.app, limit=12)))
        except Exception:
            pass

    # Menus

    def menu_item(self, menu, item):
        bar = find(self.frame, "menu bar")
        for top in _children(bar):
            if top.name == menu:
                for node in walk(top):
                    if node is not top and node.getRoleName() == "menu item" and node.name == item:
                        return node
                raise DesktopTestError(f"no item {item!r} in menu {menu!r}; found:\n"
                                       + "\n".join(describe(top, limit=3)))
        raise DesktopTestError(f"no menu {menu!r}; found: {[c.name for c in _children(bar)]}")

    def choose(self, menu, item):
        activate(self.menu_item(menu, item))

    def menu_names(self):
        bar = find(self.frame, "menu bar")
        return [top.name for top in _children(bar)]

    def menu_items(self, menu):
        bar = find(self.frame, "menu bar")
        for top in _children(bar):
            if top.name == menu:
                popup = _children(top)[0]
                return [n.name for n in _children(popup)
                        if n.getRoleName() == "menu item" and n.name]
        raise DesktopTestError(f"no menu {menu!r}")

    # Windows

    def alert(self, timeout=TIMEOUT):
        return find(self.app, "alert", timeout=timeout, showing=True)

    def alert_text(self, alert):
        return "\n".join(n.name for n in walk(alert) if n.getRoleName() == "label" and n.name)

    def answer(self, button, expect=None):
        """Answers the message box now showing; returns its text."""
        alert = self.alert()
        text = self.alert_text(alert)
        if expect is not None and text != expect:
            raise DesktopTestError(f"message box says {text!r}, expected {expect!r}")
        activate(find(alert, "push button", button))
        wait_for(lambda: not is_showing(alert), f"the message box {text!r} to close")
        return text

    def dialog(self, title):
        return find(self.app, "dialog", title, showing=True)

    def press(self, window, button):
        activate(find(window, "push button", button))

    def output_text(self):
        output = find(self.frame, "text", "Output")
        text = output.queryText()
        return text.getText(0, text.characterCount)

    def wait_output(self, expected, what="the output window's text"):
        return wait_for(lambda: self.output_text() == expected, f"{what} to be {expected!r}",
                        found=lambda: repr(self.output_text()))

    def choose_file(self, title, path, button):
        """Fills the file dialog `title` with `path` and presses `button`."""
        dialog = self.dialog(title)
        field = None
        for node in walk(dialog):
            if node.getRoleName() == "text" and is_showing(node):
                try:
                    node.queryEditableText()
                except NotImplementedError:
                    continue
                field = node
                if node.name.startswith("File name"):
                    break
        if field is None:
            raise DesktopTestError("no file name field in " + title + ":\n"
                                   + "\n".join(describe(dialog, limit=6)))
        field.queryEditableText().setTextContents(path)
        self.press(dialog, button)
        wait_for(lambda: not is_showing(dialog), f"the dialog {title!r} to close")


def test_arguments():
    """--bin (the programs' folder), --source (the repository) and
    --artifacts (where a failing step leaves its screenshot and tree)."""
    parser = argparse.ArgumentParser()
    for name in ("--bin", "--source", "--artifacts"):
        parser.add_argument(name, required=True)
    return parser.parse_args()


def console_output(cli, *args):
    """What the console program prints for the same commands."""
    result = subprocess.run([cli] + list(args), capture_output=True, text=True, check=False)
    return result.stdout
