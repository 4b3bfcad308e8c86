#!/usr/bin/python3
"""The installable web app end to end in one browser engine, on a phone's screen: served from a
sub-folder of a local web server that records every request, installed by a first visit, sent an
article from another app, started again with the server gone, and given a new release; beside a
second copy in another folder of the same site, which keeps its own release through the first's.
Usage: site_end_to_end.py chromium|firefox|webkit SITE_DIR"""
import json
import os
import re
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "scripts"))
import browsers  # noqa: E402  the three engines behind one interface
from browsers import wait  # noqa: E402

ENGINE, SITE = sys.argv[1:3]
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + f"{ENGINE}: {what}", flush=True)
    failures.extend([] if condition else [what])


def start(address):
    """Starts the app as its icon on the home screen does: in a new window, the last one closed."""
    last = browser.new_tab()
    now = browser.current_tab()
    browser.close_tab(last)
    browser.switch_to(now)
    browser.viewport(390, 844, phone=True)
    browser.open(address)
    return wait(lambda: browser.run("return document.activeElement && document.activeElement.id") == "Text1")


def worker():
    """The store names of the app of the page's folder, and whether a worker controls the page."""
    return browser.run("const scope = new URL('./', location.href).href; return [(await caches.keys())"
                       ".filter(name => name.includes(` ${scope} `)), !!navigator.serviceWorker.controller]")


def new_release(folder):
    """Puts a new release of the app into `folder` on the host: a page that says so, and a worker
    whose store is named after it."""
    for name, change in (("index.html", lambda text: text.replace("<head>", '<head>\n<meta name="release" content="next">')),
                         ("sw.js", lambda text: re.sub(r"(const STORE = `[^`]*) ([0-9a-f]+)`", r"\1 next`", text))):
        with open(os.path.join(folder, name), encoding="utf-8") as file:
            text = file.read()
        with open(os.path.join(folder, name), "w", encoding="utf-8") as file:
            file.write(change(text))


def take_release(address):
    """Starts the app at `address` so that the browser finds its new release, then lets it take
    over: once no page of the app is open (a page of the site outside the app sees that), so it
    never mixes with the old one."""
    start(address)
    wait(lambda: browser.run("const r = await navigator.serviceWorker.getRegistration(); "
                             "return !r.installing && (await caches.keys()).some(name => name.endsWith(' next'))"))
    start(f"{server.origin}/")
    wait(lambda: browser.run("return !(await navigator.serviceWorker.getRegistration(args[0])).waiting", address))


def runs(address, release):
    """Whether the app at `address` starts, shows `release` ("next" or the first) and keeps that
    release's store alone."""
    shown = "return document.querySelector('meta[name=release]')?.content ?? 'first'"
    return start(address) and browser.run(shown) == release and wait(
        lambda: len(worker()[0]) == 1 and worker()[0][0].endswith(" next") == (release == "next"))


def rewrite(text):
    browser.run("Text1.value = args[0]", text)
    browser.click("Command1", pointer="touch")
    return wait(lambda: browser.clipboard() == browser.run("return Text1.value") and "\n\n" in browser.clipboard())


def share(title, text, address):
    """What another app does with the manifest's share_target: a form POSTed to the app, here from
    a page of the site outside the app."""
    browser.open(f"{server.origin}/")
    browser.run("const form = Object.assign(document.createElement('form'), {method: 'post', action: args[0] + '?share', "
                "enctype: 'application/x-www-form-urlencoded'}); for (const [name, value] of Object.entries(args[1])) "
                "form.append(Object.assign(document.createElement('textarea'), {name, value})); "
                "document.body.append(form); form.submit()", app, {"title": title, "text": text, "url": address})
    wait(lambda: browser.run("return location.href") == app and browser.run("return document.activeElement.id") != "")


root = tempfile.mkdtemp()
folder = os.path.join(root, "tools", "weiyuanchuang")  # any sub-folder of a site
other_folder = os.path.join(root, "b")  # and another copy beside it
shutil.copytree(SITE, folder)
shutil.copytree(SITE, other_folder)
server = browsers.Server(root)
app, other = f"{server.origin}/tools/weiyuanchuang/", f"{server.origin}/b/"
browser = browsers.start(ENGINE, server)
try:
    # A worker that cannot store every file never takes over: the page goes on working online.
    os.rename(os.path.join(folder, "icon-192.png"), os.path.join(folder, "gone"))
    check(start(app) and start(app) and not worker()[1] and rewrite("甲\n乙"),
          "without its files stored, no worker takes over and the page works")
    os.rename(os.path.join(folder, "gone"), os.path.join(folder, "icon-192.png"))

    check(start(app), "the first visit shows the page")
    check(wait(lambda: len(worker()[0]) == 1), f"and the worker stores the release: {worker()}")
    found = browser.app_manifest()
    if found:
        (manifest, errors), raw = found, found[0]["manifest"]
        check(errors == [] and manifest["errors"] == [], f"the manifest installs the app: {errors} {manifest['errors']}")
        check([raw["name"], raw["startUrl"], raw["scope"], raw["display"], raw["themeColor"], raw["backgroundColor"]]
              == ["朔屿伪原创工具", app, app, "kStandalone", "rgba(255,255,255,1)", "rgba(128,128,128,1)"]
              and [icon["sizes"] for icon in raw["icons"]] == ["192x192", "512x512", "512x512"],
              f"named, started and scoped in its folder, standalone, with its icons: {raw}")
        data = json.loads(manifest["data"])
        check(len(data["short_name"]) <= 12 and data["lang"] == "zh-CN" and data["share_target"]["method"] == "POST"
              and data["icons"][2]["purpose"] == "maskable", f"a short name, Chinese, shares by POST: {data}")
    check(start(app) and worker()[1], "started again, the worker is in control")
    check(start(other) and wait(lambda: len(worker()[0]) == 1) and start(other) and worker()[1],
          "a second copy in another folder of the site installs beside it")

    # Another app shares an article: title, text and address, a megabyte, characters of every plane.
    server.requests.clear()
    text = "今天天气很好 😀\r\n𠮷野家的\n\n牛肉饭\n" * 40000
    share("标题", text, "https://example.com/a")
    joined = "标题\n" + text.replace("\r\n", "\n") + "\nhttps://example.com/a"
    check(browser.run("return [Text1.value === args[0], document.activeElement.id, location.href]", joined)
          == [True, "Command1", app], "a share arrives whole in the box, in order, with the focus on the start button")
    check([r for r in server.requests if r[1].startswith(server.origin) and (r[0] != "GET" or "?share" in r[1])] == [],
          f"and never reaches the server, nor the address: {server.requests}")
    browser.keys(browsers.ENTER)
    check(wait(lambda: browser.run("return Text1.value.includes('\\n\\n') && !Text1.value.startsWith('标题\\n')")),
          "Enter on the start button rewrites it")
    share("", "", "")
    check(browser.run("return [Text1.value, message.open, document.activeElement.id]") == ["请输入您要伪原创的内容\n", False, "Text1"],
          "an empty share leaves the placeholder and asks nothing")

    port = server.port
    server.stop()
    check(start(app), "with the server gone, the app starts")
    check(rewrite("春眠不觉晓\n处处闻啼鸟\n夜来风雨声"), "and a tap on the start button rewrites and copies")
    check(browser.run("return document.documentElement.scrollWidth <= innerWidth"), "nothing scrolls sideways")

    # A new release on the host: taken at the next start, never mixed with the old one.
    new_release(folder)
    server = browsers.Server(root, port)
    take_release(app)
    check(runs(app, "next"), f"a new release on the host runs from the next start on, and the old store is gone: {worker()}")
    check(runs(other, "first"), f"the copy in the other folder keeps its own release and store: {worker()}")
    new_release(other_folder)
    take_release(other)
    check(runs(other, "next") and runs(app, "next"), "and takes its own new release, leaving the first copy's be")

    # Over plain HTTP there can be no worker: the page works as the single file does.
    check(start(app.replace("127.0.0.1", browsers.PLAIN_HTTP_HOST)) and browser.run("return !navigator.serviceWorker"),
          "over plain HTTP the page works without a worker")

    server.stop()
    check(all(runs(address, "next") and rewrite("春眠不觉晓\n处处闻啼鸟") for address in (app, other)),
          "with the server gone, both copies start and work")
finally:
    browser.quit()
    server.stop()
    shutil.rmtree(root, ignore_errors=True)
sys.exit(1 if failures else 0)
