#!/usr/bin/python3
"""The page end to end in one browser engine, as a person and a screen reader meet it: served
from a local web server, over plain HTTP, and opened from disk. The same checks run in every
engine (browsers.py says how each is driven).
Usage: page_end_to_end.py chromium|firefox|webkit PAGE ARTICLE WEBSITE MICROBLOG AXE_SCRIPT SHOTS"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "scripts"))
import browsers  # noqa: E402  the three engines behind one interface
from browsers import CONTROL, ENTER, ESCAPE, SHIFT, TAB, wait  # noqa: E402

ENGINE, PAGE, ARTICLE, WEBSITE, MICROBLOG, AXE, SHOTS = sys.argv[1:8]
PROMPT, TITLE, COPY_FAILED = "请输入需要伪原创的内容", "工程1", "无法写入剪切板"
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + f"{ENGINE}: {what}", flush=True)
    failures.extend([] if condition else [what])


def load(address):
    browser.open(address)
    check(wait(lambda: browser.run("return document.activeElement.id") == "Text1"),
          f"{address.split(':')[0]}: the page takes input")
    browser.run(open(AXE).read())


def value():
    return browser.run("return Text1.value")


def set_text(text):
    browser.run("Text1.focus(); Text1.value = args[0]; Text1.dispatchEvent(new Event('input'))", text)


def dialog():
    return browser.run("return message.open && [messageTitle.textContent, messageText.textContent, "
                       "messageOk.textContent, document.activeElement.id]")


def axe(when):
    found = browser.run("return (await axe.run()).violations.map(v => v.id)")
    check(found == [], f"axe-core finds nothing {when}: {found}")


def shuffled(result, text):
    return sorted(result.split("\n\n")) == sorted(line for line in text.split("\n") if line) and "\n\n\n" not in result


def rewrite(text):
    """Runs the rewrite on `text`; the box and the clipboard once both hold the result."""
    set_text(text)
    browser.click("Command1")
    wait(lambda: value() != text and browser.clipboard() == value())
    return value(), browser.clipboard()


def pointer(first=""):
    """What the pointer shows over the box and over "开始伪原创", right after the script `first`:
    its cursor, and whether the control itself is under it (the button keeps its hover while the
    page is busy)."""
    return browser.run(first + "; return [Text1, Command1].map(e => { const r = e.getBoundingClientRect(), hit = "
                       "document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2); "
                       "return [getComputedStyle(hit).cursor, hit === e] })")


def layout():
    """Whether the page fits its width, the controls stand one below the other, the box's width,
    and whether every control's text fits it (to the pixel: heights of stacked text are rounded)."""
    return browser.run("const r = [...document.querySelectorAll('.control')].map(e => e.getBoundingClientRect()); "
                       "return [document.documentElement.scrollWidth <= innerWidth, r.every((b, i) => i == 0 || "
                       "b.top >= r[i - 1].bottom), r[0].width, [...document.querySelectorAll('.control')]"
                       ".every(e => e.scrollWidth <= e.clientWidth + 1 && e.scrollHeight <= e.clientHeight + 1)]")


server = browsers.Server(os.path.dirname(PAGE))
url = f"{server.origin}/{os.path.basename(PAGE)}"
browser = browsers.start(ENGINE, server)
try:
    browser.viewport(1280, 800)
    load(url)
    policy = browser.run("return document.querySelector('meta[http-equiv=Content-Security-Policy]').content")
    # Requests for other names come through the proxy: the browser's own, none of the page's.
    check([request for request in server.requests if request[1].startswith(server.origin)] == [("GET", url)] and "connect-src 'none'" in policy
          and "http" not in policy, f"one request, the page itself, and a policy that allows no other: {server.requests}")
    check(browser.run("return [document.title, document.documentElement.lang, document.querySelector('link[rel=icon]')"
                      ".href.startsWith('data:image/png;base64,')]") == ["朔屿伪原创工具 1.0", "zh-CN", True],
          "the caption is the page's title, the icon its icon, the language Chinese")
    check(browser.run("return [Text1.value, Text1.selectionStart, Text1.selectionEnd]") == ["请输入您要伪原创的内容\n", 0, 12],
          "Text1 holds the placeholder, selected")
    placed = browser.run("const c = client.getBoundingClientRect(), w = frame.getBoundingClientRect(); return [innerWidth - "
                         "w.right - w.left, [...document.querySelectorAll('.control')].map(e => { const r = e.getBoundingClientRect();"
                         " return [e.id, r.x - c.x, r.y - c.y, r.width, r.height, e.scrollWidth <= e.clientWidth && "
                         "e.scrollHeight <= e.clientHeight] })]")
    check(abs(placed[0]) <= 1 and placed[1] == [["Text1", 16, 32, 537, 449, True], ["Command1", 568, 88, 89, 57, True],
          ["Label1", 24, 8, 609, 17, True], ["Command2", 568, 208, 89, 57, True], ["Command3", 568, 328, 89, 73, True],
          ["Label2", 80, 496, 401, 17, True]], f"centred, the controls at the window's layout, none clipped: {placed}")
    footer = " ".join(browser.run("return Label2.textContent").split())
    met = [browser.accessible(role, name) for role, name in (("textbox", "文章内容"), ("button", "开始伪原创"),
           ("button", "朔屿官网"), ("button", "我的微博"), ("link", footer))]
    check(met == [["Text1"], ["Command1"], ["Command2"], ["Command3"], ["Label2"]] and browser.run(
          "return document.getElementById(Text1.getAttribute('aria-describedby')) === Label1"),
          f"a screen reader meets Text1 named and described, the buttons, and the footer as a link: {met}")
    browser.screenshot(os.path.join(SHOTS, f"page-{ENGINE}-1280x800.png"))
    axe("as the page opens")

    # Typed as a person types it: every line break an Enter in the box.
    article = open(ARTICLE, encoding="utf-8").read().replace("\r\n", "\n")
    browser.keys(*article)
    check(value() == article, "Enter in the box is a line break")
    browser.click("Command1")
    check(wait(lambda: browser.clipboard() == value() != article), "the rewrite reaches the clipboard")
    result = value()
    check(shuffled(result, article), "the box holds the article's lines shuffled, one blank line between them")
    check(wait(lambda: browser.run("return [Text1.selectionStart, Text1.selectionEnd, Text1.scrollTop]") == [0, 0, 0]
               and "wait" not in str(pointer())),
          "the box shows the start of the new text, and the busy cursor is gone")
    axe("after a run")
    browser.click("Text1")
    for keys, holding, expected, what in (("z", CONTROL, article, "Ctrl+Z brings the article back"),
                                          ("y", CONTROL, result, "Ctrl+Y redoes the rewrite"),
                                          ("z", CONTROL, article, "Ctrl+Z undoes it again"),
                                          ("Z", CONTROL + SHIFT, result, "Ctrl+Shift+Z redoes it too")):
        browser.keys(keys, holding=holding)
        check(value() == expected, what)
    browser.keys("好")
    browser.keys("z", holding=CONTROL)
    if not browser.keys_undo:
        browser.run("document.execCommand('undo')")
    check(value() == result, "typing after a run, Ctrl+Z undoes the typing and keeps the rewrite")

    # Chinese is typed through an input method: what it composes and commits is typing too, and
    # while it composes, its keys are its own.
    result, _ = rewrite(article)
    browser.click("Text1")
    if browser.compose("nihao"):
        browser.compose("你好")
        browser.commit("你好")
        typed = value()
        browser.keys("z", holding=CONTROL)
        check("你好" in typed and value() == result, "a composition committed after a run, Ctrl+Z undoes it, not the run")
        result, _ = rewrite(article)
        browser.click("Text1")
        browser.run("addEventListener('keydown', e => { window.undoTaken = e.defaultPrevented; })")
        browser.compose("你")
        browser.keys("z", holding=CONTROL)
        check(browser.run("return window.undoTaken") is False and value() != article,
              "Ctrl+Z while a composition is open is left to the input method")
        browser.commit("")
        set_text("")
        browser.compose("ni")
        browser.keys(TAB)
        check(not wait(lambda: dialog(), 1) and value() == "ni",
              "leaving the empty box while composing prompts for nothing once the browser has committed it")
    else:
        print(f"     {ENGINE}: the driver sends no input method's composition; its events are sent by the page")
    # Whether the engine commits or drops a composition before or after the box loses the focus,
    # the box is judged empty or not once it has: events as an engine that does so after would send.
    for kept, prompted in (("ni", False), ("", True)):
        set_text("")
        browser.run("Text1.dispatchEvent(new CompositionEvent('compositionstart')); Text1.value = 'ni'")
        browser.keys(TAB)
        browser.run("Text1.value = args[0]; Text1.dispatchEvent(new CompositionEvent('compositionend', {data: args[0]}))", kept)
        check(bool(wait(lambda: dialog())) if prompted else not wait(lambda: dialog(), 1),
              f"a composition {'dropped' if prompted else 'committed'} "
              f"after the blur leaves the box {'empty: a prompt' if prompted else 'filled: no prompt'}")
        if prompted:
            browser.keys(ENTER)

    # Characters outside the Basic Multilingual Plane are pairs of code units in the page, and a
    # byte order mark starts many a pasted file. The mark starts the result only when its line
    # comes first: a single line keeps it there on every run.
    marked = "\ufeff朔屿 QQ签名"
    check(rewrite(marked) == (marked, marked), "a byte order mark at the start stays there, in the box and on the clipboard")
    astral = "\ufeff😀 QQ签名 🌸\n𠮷野家\n\n🀄 第三行 𝄞\n"
    result, copied = rewrite(astral)
    check(shuffled(result, astral) and copied == result, f"emoji, 𠮷 and a leading BOM arrive whole: {result!r}")

    load(url.replace("127.0.0.1", browsers.PLAIN_HTTP_HOST))
    set_text(article)
    browser.click("Command1")
    check(wait(lambda: dialog()) and dialog()[1].startswith(COPY_FAILED) and shuffled(value(), article),
          "over plain HTTP the page says the copy failed and keeps the rewrite in the box")
    browser.keys(ENTER)
    load(url)
    check(browser.clipboard() == result, "and the clipboard keeps what it had")
    if browser.deny_clipboard(True):
        set_text(article)
        browser.click("Command1")
        check(wait(lambda: dialog()) and dialog()[1].startswith(COPY_FAILED) and browser.clipboard() == result,
              f"a copy the browser refuses is reported, never taken for done: {dialog()} {browser.clipboard()!r:.40}")
        browser.keys(ENTER)
        browser.deny_clipboard(False)

    for close in (ENTER, " ", ESCAPE):
        set_text("")
        browser.keys(TAB)
        check(wait(lambda: dialog()) and dialog() == [TITLE, PROMPT, "确定", "messageOk"], f"Tab from the empty box prompts: {dialog()}")
        if close == ENTER:
            check(browser.accessible("alertdialog", TITLE) == ["message"], "the prompt is an alert dialog named by its title")
            axe("with the prompt open")
            check(browser.tabs_opened(lambda: browser.click("Command2")) == [] and dialog(), "the prompt is modal")
        browser.keys(close)
        check(wait(lambda: not dialog() and browser.run("return document.activeElement.id") == "Text1")
              and not wait(lambda: dialog(), 0.5), f"{close!r} closes it once, and the focus is back in the box")

    home = browser.new_tab()
    browser.close_tab(browser.current_tab())
    browser.switch_to(home)
    browser.click("Text1", button="right")
    check(not wait(lambda: dialog(), 1), "another tab or the box's menu does not prompt")
    browser.keys(ESCAPE)
    browser.keys(TAB)
    check(wait(lambda: dialog()), "after the menu, Tab from the empty box prompts at once")
    browser.keys(ENTER)
    set_text("x")
    check(browser.tabs_opened(lambda: browser.click("Label2")) == [(WEBSITE, False)]
          and browser.run("return document.activeElement.id + Text1.value") == "Text1x"
          and browser.tabs_opened(lambda: browser.click("Command3")) == [(MICROBLOG, False)] and value() == "x",
          "the links open new tabs that cannot reach the page, which stays as it was; the footer takes no focus")
    set_text("")
    opened = browser.tabs_opened(lambda: browser.click("Command2", hold=0.3))
    check(opened == [(WEBSITE, False)] and wait(lambda: dialog()), f"a link held down from the empty box opens before the prompt: {opened}")
    browser.keys(ENTER)
    set_text("x")
    check(browser.tabs_opened(lambda: browser.keys(TAB, TAB, TAB, ENTER)) == [(MICROBLOG, False)]
          and browser.tabs_opened(lambda: (browser.keys(TAB, holding=SHIFT), browser.keys(" "))) == [(WEBSITE, False)],
          "Tab reaches the buttons in order; Enter and Space press them")

    set_text("甲乙丙丁\n" * 20000)
    busy = pointer("Text1.scrollTop = 1e9; Command1.click()")
    idle = lambda: all(cursor != "wait" and hit for cursor, hit in pointer())  # noqa: E731
    # A click from a script is no user's: WebKit refuses it the clipboard, and says so in a box.
    if wait(lambda: dialog() or idle()) and dialog():
        browser.keys(ENTER)
    check(busy == [["wait", False], ["wait", True]] and wait(idle)
          and "\n\n" in value() and browser.run("return Text1.scrollTop") == 0,
          f"a long run shows the busy cursor over the box and the buttons until the page has repainted, "
          f"then the start of the result: {busy}")

    load(url)  # no user action yet: the browser blocks a new tab
    browser.run("Command2.click()")
    check(wait(lambda: dialog()) and dialog()[1] == "无法打开浏览器，请手动访问：" + WEBSITE, "a blocked tab is reported with its address")
    box = browser.run("const r = document.createRange(), t = messageText.firstChild; r.setStart(t, t.length - args[0]); "
                      "r.setEnd(t, t.length); const b = r.getBoundingClientRect(); return [b.x, b.y + b.height / 2, b.width]",
                      len(WEBSITE))
    browser.point((box[0] + 1, box[1]), "down", (box[0] + box[2] + 2, box[1]), "up")
    browser.keys("c", holding=CONTROL)
    check(wait(lambda: browser.clipboard() == WEBSITE), "the address can be selected and copied")
    browser.keys(ESCAPE)

    # From a phone held upright to the desktop window: never sideways scrolling, nothing clipped.
    for width in (390, 414, 480, 568, 640, 700, 719, 720, 768, 1024):
        browser.viewport(width, 800, phone=width < 720)
        fits = layout()
        check(fits[0] and fits[3] and (width >= 720 or (fits[1] and fits[2] >= width - 30)),
              f"{width} px wide: {'stacked, the box as wide as the screen, ' if width < 720 else ''}no sideways scrolling, nothing clipped: {fits}")
    browser.viewport(390, 844, phone=True)
    browser.screenshot(os.path.join(SHOTS, f"page-{ENGINE}-390x844.png"))

    server.stop()
    load("file://" + PAGE)
    check(rewrite("a\nb")[0] in ("a\n\nb", "b\n\na"), "opened from disk with the server gone, it works")
    check(os.path.getsize(PAGE) <= 300_000, f"the file is at most 300 KB: {os.path.getsize(PAGE):,} bytes")
finally:
    browser.quit()
sys.exit(1 if failures else 0)
