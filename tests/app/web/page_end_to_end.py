#!/usr/bin/python3
"""The page end to end in Debian's Chromium, driven through chromedriver as a person and a screen
reader meet it: served from a local web server, and opened from disk with the network off.
Usage: page_end_to_end.py PAGE ARTICLE WEBSITE MICROBLOG AXE_SCRIPT SCREENSHOT_DIR"""
import atexit
import functools
import http.server
import json
import os
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

PAGE, ARTICLE, WEBSITE, MICROBLOG, AXE, SHOTS = sys.argv[1:7]
PROMPT, TITLE = "请输入需要伪原创的内容", "工程1"
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    failures.extend([] if condition else [what])


def wait(condition, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.05)
    return False


handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=os.path.dirname(PAGE))
handler.log_message = lambda *args: None
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
threading.Thread(target=server.serve_forever, daemon=True).start()
origin = f"http://127.0.0.1:{server.server_port}"
url = f"{origin}/{os.path.basename(PAGE)}"

options = Options()
options.binary_location = "/usr/bin/chromium"
for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync"):
    options.add_argument(flag)
options.add_experimental_option("excludeSwitches", ["disable-popup-blocking"])  # as people have it
options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
atexit.register(driver.quit)  # also when a step throws
driver.set_script_timeout(60)
js = driver.execute_script
cdp = driver.execute_cdp_cmd


def screen(width, height, mobile=False):
    cdp("Emulation.setDeviceMetricsOverride",
        {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})


def load(address):
    driver.get(address)
    check(wait(lambda: js("return document.activeElement.id") == "Text1"), f"{address[:4]}: the page takes input")
    js(open(AXE).read())


def keys(*names, holding=None):
    actions = ActionChains(driver)
    if holding:
        actions.key_down(holding)
    actions.send_keys(*names)
    if holding:
        actions.key_up(holding)
    actions.perform()


def dialog():
    return js("return message.open && [messageTitle.textContent, messageText.textContent, "
              "messageOk.textContent, document.activeElement.id]")


def clipboard():
    return driver.execute_async_script("navigator.clipboard.readText().then(arguments[0], () => arguments[0](null))")


def axe(when):
    found = driver.execute_async_script("axe.run().then(r => arguments[0](r.violations.map(v => v.id)))")
    check(found == [], f"axe-core finds nothing {when}: {found}")


def tabs_opened(action):
    before = set(driver.window_handles)
    action()
    wait(lambda: len(driver.window_handles) > len(before), 3)
    home, addresses = driver.current_window_handle, []
    for handle in set(driver.window_handles) - before:
        driver.switch_to.window(handle)
        wait(lambda: driver.current_url != "about:blank", 5)
        addresses.append(driver.current_url.rstrip("/"))
        driver.close()
    driver.switch_to.window(home)
    return addresses


screen(1280, 800)
cdp("Browser.grantPermissions", {"origin": origin, "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
load(url)
requests = {json.loads(entry["message"])["message"]["params"]["request"]["url"].split(":")[0]
            for entry in driver.get_log("performance") if '"Network.requestWillBeSent"' in entry["message"]}
policy = js("return document.querySelector('meta[http-equiv=Content-Security-Policy]').content")
check(requests <= {"http", "data"} and "connect-src 'none'" in policy and "http" not in policy,
      f"one request, the page itself, and a policy that allows no other: {requests}")
check(driver.title == "朔屿伪原创工具 1.0" and js("return document.querySelector('link[rel=icon]').href")
      .startswith("data:image/png;base64,"), "the caption is the page's title, the icon its icon")
check(js("return [Text1.value, Text1.selectionStart, Text1.selectionEnd]") == ["请输入您要伪原创的内容\n", 0, 12],
      "Text1 holds the placeholder, selected")
layout = js("const c = client.getBoundingClientRect(), w = frame.getBoundingClientRect(); return [innerWidth - w.right - w.left, "
            "[...document.querySelectorAll('.control')].map(e => { const r = e.getBoundingClientRect(); return "
            "[e.id, r.x - c.x, r.y - c.y, r.width, r.height, e.scrollWidth <= e.clientWidth && e.scrollHeight <= e.clientHeight] })]")
check(abs(layout[0]) <= 1 and layout[1] == [["Text1", 16, 32, 537, 449, True], ["Command1", 568, 88, 89, 57, True],
      ["Label1", 24, 8, 609, 17, True], ["Command2", 568, 208, 89, 57, True], ["Command3", 568, 328, 89, 73, True],
      ["Label2", 80, 496, 401, 17, True]], f"centred, the controls at the window's layout, none clipped: {layout}")
tree = {(n["role"]["value"], n.get("name", {}).get("value"), n.get("description", {}).get("value"))
        for n in cdp("Accessibility.getFullAXTree", {})["nodes"] if not n["ignored"]}
check({("textbox", "文章内容", js("return Label1.textContent")), ("button", "开始伪原创", None),
       ("button", "朔屿官网", None), ("button", "我的微博", None), ("link", " ".join(js("return Label2.textContent").split()), None)} <= tree,
      "a screen reader meets Text1 named and described, the buttons, and the footer as a link")
driver.save_screenshot(os.path.join(SHOTS, "page-1280x800.png"))
axe("as the page opens")

# Typed as a person types it: every line break an Enter in the box.
article = open(ARTICLE, encoding="utf-8").read().replace("\r\n", "\n")
driver.find_element(By.ID, "Text1").send_keys(article)
check(js("return Text1.value") == article, "Enter in the box is a line break")
driver.find_element(By.ID, "Command1").click()
check(wait(lambda: clipboard() == js("return Text1.value")), "the rewrite reaches the clipboard")
result = clipboard()
check(sorted(result.split("\n\n")) == sorted(line for line in article.split("\n") if line) and "\n\n\n" not in result,
      "the box holds the article's lines shuffled, one blank line between them")
axe("after a run")
driver.find_element(By.ID, "Text1").click()
keys("z", holding=Keys.CONTROL)
check(js("return Text1.value") == article, "one Ctrl+Z brings the article back")

cdp("Browser.setPermission", {"origin": origin, "permission": {"name": "clipboard-write"}, "setting": "denied"})
driver.find_element(By.ID, "Command1").click()
check(wait(lambda: dialog()) and dialog()[1].startswith("无法写入剪切板") and clipboard() == result
      and js("return Text1.value") != article, "a refused copy says so and keeps the rewrite in the box")
keys(Keys.ENTER)
cdp("Browser.grantPermissions", {"origin": origin, "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})

for close in (Keys.ENTER, Keys.SPACE, Keys.ESCAPE):
    js("Text1.focus(); Text1.value = ''")
    keys(Keys.TAB)
    check(wait(lambda: dialog()) and dialog() == [TITLE, PROMPT, "确定", "messageOk"], f"Tab from the empty box prompts: {dialog()}")
    if close == Keys.ENTER:
        tree = {(n["role"]["value"], n.get("name", {}).get("value")) for n in cdp("Accessibility.getFullAXTree", {})["nodes"]}
        check(("alertdialog", TITLE) in tree, "the prompt is an alert dialog named by its title")
        axe("with the prompt open")
        check(tabs_opened(lambda: ActionChains(driver).move_to_element(driver.find_element(By.ID, "Command2"))
                          .click().perform()) == [] and dialog(), "the prompt is modal")
    keys(close)
    check(wait(lambda: not dialog() and js("return document.activeElement.id") == "Text1")
          and not wait(lambda: dialog(), 0.5), f"{close!r} closes it once, and the focus is back in the box")

driver.switch_to.new_window("tab")
driver.close()
driver.switch_to.window(driver.window_handles[0])
ActionChains(driver).context_click(driver.find_element(By.ID, "Text1")).perform()
check(not wait(lambda: dialog(), 1), "another tab or the box's menu does not prompt")
js("Text1.value = 'x'; Text1.focus()")
check(tabs_opened(lambda: driver.find_element(By.ID, "Label2").click()) == [WEBSITE]
      and js("return document.activeElement.id + Text1.value") == "Text1x"
      and tabs_opened(lambda: driver.find_element(By.ID, "Command3").click()) == [MICROBLOG]
      and js("return Text1.value") == "x", "the links open new tabs and the page stays as it was; the footer takes no focus")
js("Text1.value = ''; Text1.focus()")
opened = tabs_opened(lambda: ActionChains(driver).move_to_element(driver.find_element(By.ID, "Command2"))
                     .click_and_hold().pause(0.3).release().perform())
check(opened == [WEBSITE] and wait(lambda: dialog()), "a link held down from the empty box opens before the prompt")
keys(Keys.ENTER)
js("Text1.value = 'x'")
check(tabs_opened(lambda: keys(Keys.TAB, Keys.TAB, Keys.TAB, Keys.ENTER)) == [MICROBLOG]
      and tabs_opened(lambda: (keys(Keys.TAB, holding=Keys.SHIFT), keys(Keys.SPACE))) == [WEBSITE], "Tab reaches the buttons in order; Enter and Space press them")

js("Text1.value = '甲乙丙丁\\n'.repeat(20000)")
busy = js("Command1.click(); return getComputedStyle(Text1).cursor")
check(busy == "wait" and wait(lambda: js("return getComputedStyle(Text1).cursor") != "wait")
      and "\n\n" in js("return Text1.value"), "a long run shows the busy cursor until the page has repainted")

load(url)  # no user action yet: the browser blocks a new tab
js("Command2.click()")
check(wait(lambda: dialog()) and dialog()[1] == "无法打开浏览器，请手动访问：" + WEBSITE, "a blocked tab is reported with its address")
box = js("const r = document.createRange(), t = messageText.firstChild; r.setStart(t, t.length - arguments[0]); "
         "r.setEnd(t, t.length); const b = r.getBoundingClientRect(); return [b.x, b.y + b.height / 2, b.width]", len(WEBSITE))
drag = ActionBuilder(driver)
drag.pointer_action.move_to_location(box[0] + 1, box[1]).pointer_down().move_to_location(box[0] + box[2] + 2, box[1]).pointer_up()
drag.perform()
keys("c", holding=Keys.CONTROL)
check(wait(lambda: clipboard() == WEBSITE), "the address can be selected and copied")

screen(390, 844, mobile=True)
narrow = js("const r = [...document.querySelectorAll('.control')].map(e => e.getBoundingClientRect()); return ["
            "document.documentElement.scrollWidth, r.every((b, i) => i == 0 || b.top >= r[i - 1].bottom), r[0].width, "
            "[...document.querySelectorAll('.control')].every(e => e.scrollWidth <= e.clientWidth)]")
check(narrow[0] <= 390 and narrow[1] and narrow[2] >= 360 and narrow[3],
      f"a phone gets the controls stacked, the box as wide as the screen, nothing clipped or scrolled sideways: {narrow}")
keys(Keys.ESCAPE)
driver.save_screenshot(os.path.join(SHOTS, "page-390x844.png"))

cdp("Network.enable", {})
cdp("Network.emulateNetworkConditions", {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
load("file://" + PAGE)
js("Text1.value = 'a\\nb'")
driver.find_element(By.ID, "Command1").click()
check(wait(lambda: js("return Text1.value") in ("a\n\nb", "b\n\na")),
      "opened from disk with the network off, it works")
sys.exit(1 if failures else 0)
