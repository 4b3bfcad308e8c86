#!/usr/bin/python3
"""The page in one browser engine with the system set to dark, as many phones are at night, then,
where the engine can emulate them, in forced colours, as Windows' contrast themes set them: every
text readable (axe-core's colour contrast included), the browser's own parts and bars dark too,
and in forced colours every control with its edge and the focus with its ring.
Usage: page_schemes.py chromium|firefox|webkit PAGE AXE_SCRIPT SHOTS"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "scripts"))
import browsers  # noqa: E402  the three engines behind one interface
from browsers import ENTER, TAB, wait  # noqa: E402

ENGINE, PAGE, AXE, SHOTS = sys.argv[1:5]
TEXTS = ["#caption", "#Text1", "#Command1", "#Label1", "#Command2", "#Command3", "#Label2"]
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + f"{ENGINE}: {what}", flush=True)
    failures.extend([] if condition else [what])


def luminance(colour):
    """The relative luminance of a computed rgb() or rgba() colour, as contrast ratios take it."""
    channels = [float(c) / 255 for c in colour[colour.index("(") + 1:-1].split(",")[:3]]
    linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def contrast(one, other):
    high, low = sorted((luminance(one), luminance(other)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def colours(element_id):
    return browser.run("const s = getComputedStyle(document.getElementById(args[0])); "
                       "return [s.color, s.backgroundColor]", element_id)


def contrast_checked():
    """axe-core's violations, and the elements whose text contrast it checked and passed: a rule
    that could not decide (text over an image, say) would pass nothing."""
    return browser.run("const r = await axe.run(); return [r.violations.map(v => v.id), r.passes.filter(p => "
                       "p.id == 'color-contrast').flatMap(p => p.nodes.map(n => n.target.join(' ')))]")


def prompt():
    browser.run("Text1.focus(); Text1.value = ''")
    browser.keys(TAB)
    return wait(lambda: browser.run("return message.open && document.activeElement.id == 'messageOk'"))


server = browsers.Server(os.path.dirname(PAGE))
browser = browsers.start(ENGINE, server, dark=True)
try:
    browser.viewport(1280, 800)
    browser.open(f"{server.origin}/{os.path.basename(PAGE)}")
    wait(lambda: browser.run("return document.activeElement.id") == "Text1")
    browser.run(open(AXE).read())
    scheme = browser.run("return [matchMedia('(prefers-color-scheme: dark)').matches, getComputedStyle("
                         "document.documentElement).colorScheme, [...document.querySelectorAll('meta[name=theme-color]')]"
                         ".filter(m => matchMedia(m.media).matches).map(m => m.content)]")
    check(scheme == [True, "light dark", ["#1f1f1f"]],
          f"the system is dark, the page says it follows, and the browser's bars take the caption's colour: {scheme}")
    face, box = colours("frame"), colours("Text1")
    check(luminance(face[1]) < 0.05 and luminance(box[1]) < 0.05 and contrast(*box) >= 7,
          f"the window's face and the box are dark, their text light: {face} {box}")
    found = contrast_checked()
    check(found == [[], TEXTS], f"axe-core finds nothing, and passes the contrast of every text: {found}")

    # The buttons' shades under the pointer and while pressed.
    centre = browser.centre("Command2")
    rest = colours("Command2")
    browser.point(centre)
    hover = colours("Command2")
    browser.point("down")
    pressed = colours("Command2")
    browser.point((5, 5), "up")
    check(len({rest[1], hover[1], pressed[1]}) == 3 and min(contrast(*c) for c in (rest, hover, pressed)) >= 4.5,
          f"a button has its own shade at rest, under the pointer and pressed, its text readable on each: "
          f"{rest} {hover} {pressed}")

    browser.run("Text1.value = args[0]", "春眠不觉晓\n处处闻啼鸟\n夜来风雨声")
    browser.click("Command1")
    wait(lambda: "\n\n" in browser.run("return Text1.value"))
    browser.run("Text1.focus(); Text1.select()")
    selected = browser.run("const s = getComputedStyle(Text1, '::selection'); return [s.color, s.backgroundColor]")
    check(contrast(*selected) >= 4.5 and contrast(selected[1], box[1]) >= 1.5,
          f"selected text is readable and its highlight stands out from the box: {selected}")
    found = contrast_checked()
    check(found[0] == [], f"after a run, axe-core finds nothing: {found[0]}")
    browser.screenshot(os.path.join(SHOTS, f"page-{ENGINE}-dark-1280x800.png"))

    check(prompt(), "Tab from the empty box prompts")
    dialog = colours("message")
    found = contrast_checked()
    check(found[0] == [] and "#messageText" in found[1] and luminance(dialog[1]) < 0.05,
          f"the prompt is dark, and axe-core finds nothing with it open: {dialog} {found}")
    browser.keys(ENTER)

    browser.viewport(390, 844, phone=True)
    browser.screenshot(os.path.join(SHOTS, f"page-{ENGINE}-dark-390x844.png"))
    check(luminance(browser.run("return getComputedStyle(document.documentElement).backgroundColor")) < 0.05,
          "on a phone the whole screen is dark")

    if browser.force_colors(True):
        browser.viewport(1280, 800)
        browser.open(f"{server.origin}/{os.path.basename(PAGE)}")
        wait(lambda: browser.run("return document.activeElement.id") == "Text1")

        def edges():
            """Each control's border, and the focused control's ring, as the contrast theme draws
            them: style, width, and its contrast with the face behind it."""
            return browser.run("""
                const face = getComputedStyle(frame).backgroundColor;
                const edge = (s, side) => [s[side + 'Style'], parseFloat(s[side + 'Width']), s[side + 'Color'], face];
                const shown = ['Text1', 'Command1', 'Command2', 'Command3', 'message'].map(id =>
                    [id, edge(getComputedStyle(document.getElementById(id)), 'borderTop')]);
                const focused = getComputedStyle(document.activeElement);
                return [matchMedia('(forced-colors: active)').matches, shown,
                        [document.activeElement.id, edge(focused, 'outline')]];""")

        def drawn(style, width, colour, face):
            return style not in ("none", "hidden") and width >= 1 and contrast(colour, face) >= 3

        found = edges()
        check(found[0] and all(drawn(*edge) for _, edge in found[1]),
              f"in forced colours the box and each button keep a visible edge: {found}")
        rings = []
        for _ in range(3):
            browser.keys(TAB)
            rings.append(edges()[2])
        check(all(drawn(*ring) for _, ring in rings), f"and the focused control a visible ring: {rings}")
        found = prompt() and edges()
        check(found and drawn(*found[1][-1][1]) and drawn(*found[2][1]),
              f"the message box stands out by its edge, and its button has its ring: {found}")
        browser.screenshot(os.path.join(SHOTS, f"page-{ENGINE}-forced-colors.png"))
        browser.keys(ENTER)
    else:
        print(f"     {ENGINE}: the driver cannot emulate forced colours; Chromium checks them")
finally:
    browser.quit()
    server.stop()
sys.exit(1 if failures else 0)
