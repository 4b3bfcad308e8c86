#!/usr/bin/python3
"""The real window driven as a person and a screen reader meet it: AT-SPI for the controls,
xdotool for keys and mouse (X11 only), the desktop's clipboard through xclip or wl-paste.
Usage, inside dbus-run-session and xvfb-run: window_end_to_end.py PROGRAM ARTICLE WEBSITE x11|wayland
On Wayland it first starts Weston's X11 backend on the Xvfb display, so that clients have a seat."""
import os
import subprocess
import sys
import tempfile

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from atspi_wait import wait  # noqa: E402

PROGRAM, ARTICLE, WEBSITE, PLATFORM = sys.argv[1:5]
CAPTION, TITLE = "朔屿伪原创工具 1.0", "工程1"
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    failures.extend([] if condition else [what])


def find(root, role, name=None):
    return pyatspi.findDescendant(root, lambda a: a.getRoleName() == role and name in (None, a.name))


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, timeout=20).stdout


class Program:
    """The program with a recording xdg-open, or another one, first on its PATH."""

    def __init__(self, opener='#!/bin/sh\necho "$#|$1" >> "$0.log"\n'):
        bin = tempfile.mkdtemp()
        self.log = os.path.join(bin, "xdg-open.log")
        with open(os.path.join(bin, "xdg-open"), "w") as script:
            script.write(opener)
        os.chmod(os.path.join(bin, "xdg-open"), 0o755)
        env = dict(os.environ, PATH=bin + ":" + os.environ["PATH"], QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([PROGRAM], env=env)
        mine = lambda: [a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == self.process.pid]
        self.app = wait(mine, 20)[0]
        self.window = find(self.app, "frame", CAPTION)
        self.text1 = find(self.window, "text")
        if PLATFORM == "x11":
            self.xid = run("xdotool", "search", "--pid", str(self.process.pid), "--name", CAPTION).split()[0]

    def opened(self):
        return open(self.log).read().splitlines() if os.path.exists(self.log) else []

    def text(self):
        return self.text1.queryText().getText(0, -1)

    def set_text(self, text):
        self.text1.queryEditableText().setTextContents(text)

    def box(self):
        return find(self.app, "alert", TITLE)

    def dismiss(self):
        check(wait(lambda: self.box() is not None), "a message box comes")
        self.box_text = [label.name for label in self.box() if label.name]
        button = find(self.box(), "push button")
        check(button.name == "确定", "its button is Qt's Chinese text")
        button.queryAction().doAction(0)
        wait(lambda: self.box() is None)


def clipboard():
    return run(*(["xclip", "-o", "-selection", "clipboard"] if PLATFORM == "x11" else ["wl-paste", "-n"]))


def keys(*names):
    run("xdotool", "key", "--delay", "50", *names)


def mouse(control, *actions):
    """Moves the pointer to the middle of `control` and goes on with xdotool's `actions`."""
    box = control.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    run("xdotool", "mousemove", "--window", program.xid, str(box.x + box.width // 2),
        str(box.y + box.height // 2), *actions)


if PLATFORM == "wayland":
    os.environ.update(XDG_RUNTIME_DIR=tempfile.mkdtemp(), WAYLAND_DISPLAY="wyc", QT_QPA_PLATFORM="wayland")
    weston = subprocess.Popen(["weston", "--backend=x11-backend.so", "--socket=wyc", "--idle-time=0"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait(lambda: os.path.exists(os.path.join(os.environ["XDG_RUNTIME_DIR"], "wyc")))
    os.environ.pop("DISPLAY")  # Qt must take Wayland, not Weston's own X display
os.environ.setdefault("QT_QPA_PLATFORM", "xcb")

program = Program()
check(program.window is not None, "the window is a frame named by its caption")
check(program.text1.name == "文章内容" and program.text1.description.startswith("朔屿伪原创工具可以"),
      "Text1 is named, and described by Label1")
check(program.text1.queryText().getSelection(0) == (0, len(program.text())), "the placeholder is selected")
footer = find(program.window, "link")
check(footer.queryAction().getName(0) == "click" and not footer.getState().contains(pyatspi.STATE_FOCUSABLE),
      "Label2 is a link to click that takes no focus")

article = open(ARTICLE, encoding="utf-8").read().replace("\r\n", "\n")
program.set_text(article)
find(program.window, "push button", "开始伪原创").queryAction().doAction(0)
check(wait(lambda: clipboard().strip() != ""), "the rewrite reaches the clipboard")
result = clipboard()
check(sorted(result.split("\n\n")) == sorted(line for line in article.split("\n") if line)
      and "\n\n\n" not in result and "\r" not in result and program.text() == result,
      "the box and the clipboard hold the article's lines shuffled, one blank line between them")
program.set_text("")
find(program.window, "push button", "开始伪原创").queryAction().doAction(0)
program.dismiss()
check(program.box_text == ["请输入需要伪原创的内容"] and clipboard() == result,
      "start on an empty box prompts and leaves the clipboard alone")
footer.queryAction().doAction(0)
check(wait(lambda: program.opened() == ["1|" + WEBSITE]), "the footer opens the website")

if PLATFORM == "x11":
    check(run("xprop", "-id", program.xid, "_NET_WM_ICON").count("Icon (32 x 32)") == 1, "the window has its icon")
    run("xdotool", "windowfocus", "--sync", program.xid)
    items = []

    def note_item(event):  # popups are not in the application's tree; their items are announced
        try:
            items.extend([event.source.name] if event.source.getRoleName() == "menu item" else [])
        except GLib.Error:  # an object of a box that has closed since
            pass

    pyatspi.Registry.registerEventListener(note_item, "object:state-changed:focused")
    mouse(program.text1, "click", "3")
    keys("Down")
    wait(lambda: items)
    check(any("\u4e00" <= c <= "\u9fff" for c in "".join(items)), f"the box's menu is Chinese: {items}")
    keys("Escape")
    check(not wait(lambda: program.box() is not None, 1), "the menu does not prompt")

    program.set_text(article)
    find(program.window, "push button", "开始伪原创").queryAction().doAction(0)
    wait(lambda: program.text() != article)
    mouse(program.text1, "click", "1")
    keys("ctrl+z")
    check(wait(lambda: program.text() == article), "Ctrl+Z brings the article back in one step")
    keys("ctrl+a", "Delete", "Tab")
    program.dismiss()
    run("xdotool", "windowfocus", "--sync", program.xid)  # as a window manager would
    keys("x")
    check(wait(lambda: program.text() == "x"), "Tab from the empty box prompts, then the focus is back")
    keys("ctrl+a", "Delete")
    # A person holds the button a moment: the prompt must wait for the release, or it eats it.
    mouse(find(program.window, "push button", "朔屿官网"), "mousedown", "1", "sleep", "0.3", "mouseup", "1")
    # Both at once: the opener logs in its own time, and after the prompt the click is too late.
    check(wait(lambda: program.box() is not None and len(program.opened()) == 2),
          "a link clicked from the empty box opens before the prompt")
    program.dismiss()
    program.set_text("x")
    mouse(program.text1, "click", "1")
    keys("Tab", "Tab", "Return")
    check(wait(lambda: len(program.opened()) == 3), "Enter presses the focused button")
    mouse(footer, "mousedown", "1", "sleep", "0.1", "mousemove", "--window", program.xid, "300", "300",
          "sleep", "0.1", "mouseup", "1")
    check(not wait(lambda: len(program.opened()) > 3, 1), "pressing the footer and letting go elsewhere opens nothing")
    program.process.terminate()

    program = Program(opener="#!/nonexistent/interpreter\n")
    mouse(find(program.window, "link"), "click", "1")
    check(wait(lambda: program.box() is not None), "an opener that cannot start is reported")
    label = next(label for label in program.box() if WEBSITE in label.name)
    box = label.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    middle = str(box.y + box.height // 2)
    run("xdotool", "mousemove", str(box.x + 1), middle, "mousedown", "1", "sleep", "0.1", "mousemove",
        str(box.x + box.width // 2), middle, "sleep", "0.1", "mousemove", str(box.x + box.width + 2), middle,
        "sleep", "0.1", "mouseup", "1")
    check(run("xclip", "-o").endswith(WEBSITE), "the message can be selected, address included")
    program.dismiss()

program.process.terminate()
if PLATFORM == "wayland":
    weston.terminate()
sys.exit(1 if failures else 0)
