#!/usr/bin/python3
"""The page as a screen reader hears it in one engine: the accessibility tree that Firefox or
WebKitGTK gives over AT-SPI, the bus a Linux screen reader listens on, rather than the page's
markup. Keys come from the driver, as a person's would.
Usage, inside dbus-run-session and xvfb-run: page_screen_reader.py firefox|webkit PAGE WEBSITE"""
import os
import sys

import pyatspi

here = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(here, "..", "..", "..", "scripts"), os.path.join(here, "..", "..", "support")]
import browsers  # noqa: E402  the three engines behind one interface
from atspi_wait import wait  # noqa: E402
from browsers import ENTER, TAB  # noqa: E402

ENGINE, PAGE, WEBSITE = sys.argv[1:4]
CAPTION, TITLE, PROMPT = "朔屿伪原创工具 1.0", "工程1", "请输入需要伪原创的内容"
DESCRIPTION = "朔屿伪原创工具可以打乱文章顺序,并自动复制到剪切板.特别适合QQ类型网站。如：QQ网名 个性签名 等类型网站."
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + f"{ENGINE}: {what}", flush=True)
    failures.extend([] if condition else [what])


def document():
    """The page's document in the browser's tree, once it is there."""
    for app in pyatspi.Registry.getDesktop(0):
        found = app and pyatspi.findDescendant(app, lambda a: a.getRoleName() == "document web" and a.name == CAPTION)
        if found:
            return found
    return None


def find(root, roles, name=None):
    return pyatspi.findDescendant(root, lambda a: a.getRoleName() in roles and name in (None, " ".join(a.name.split())))


def states(accessible, *wanted):
    present = accessible.getState()
    return [state for state in wanted if present.contains(state)]


def focused(accessible):
    return bool(accessible) and pyatspi.STATE_FOCUSED in states(accessible, pyatspi.STATE_FOCUSED)


server = browsers.Server(os.path.dirname(PAGE))
browser = browsers.start(ENGINE, server, screen_reader=True)
try:
    browser.viewport(1280, 800)
    browser.open(f"{server.origin}/{os.path.basename(PAGE)}")
    page = wait(document, 20)
    check(page, "the page's document is on the accessibility bus, named by the caption")
    box = wait(lambda: find(page, ("entry", "text"), "文章内容"))
    check(box and box.description == DESCRIPTION and len(states(box, pyatspi.STATE_EDITABLE, pyatspi.STATE_MULTI_LINE)) == 2,
          f"the box is an editable text of many lines, named and described by the line above it: "
          f"{box and (box.getRoleName(), box.description)}")
    buttons = [find(page, ("push button",), text) for text in ("开始伪原创", "朔屿官网", "我的微博")]
    check(all(buttons), "the three buttons are push buttons named by their texts")
    footer = find(page, ("link",))
    check(footer and WEBSITE in footer.name and footer.name.startswith("朔屿网盘"),
          f"the footer is a link that names the website: {footer and footer.name!r}")
    check(wait(lambda: focused(box)), "the focus is in the box as the page opens")

    browser.run("Text1.value = ''")
    browser.keys(TAB)
    alert = wait(lambda: find(page, ("alert", "dialog"), TITLE))
    ok = alert and find(alert, ("push button",), "确定")
    said = alert and [a.name for a in alert] + [a.queryText().getText(0, -1) for a in alert
                                                 if "Text" in pyatspi.listInterfaces(a)]
    # Firefox gives an alert dialog the role of a dialog; both engines pass its ARIA role on as an
    # attribute, by which screen readers know an alert.
    kind = alert and wait(lambda: alert.get_attributes().get("xml-roles") == "alertdialog" and alert.getRoleName(), 3)
    check(kind in ("alert", "dialog")
          and alert.description == PROMPT and PROMPT in said,
          f"Tab from the empty box brings an alert named {TITLE}, described by {PROMPT} and saying it: {kind} {said}")
    check(wait(lambda: focused(ok)), "its OK button has the focus")
    browser.keys(ENTER)
    # Firefox builds the page's tree anew once it is no longer inert behind the box.
    check(wait(lambda: focused(find(page, ("entry", "text"), "文章内容"))), "once it is closed, the focus is back in the box")
finally:
    browser.quit()
    server.stop()
sys.exit(1 if failures else 0)
