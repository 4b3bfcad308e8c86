#!/usr/bin/python3
"""Pictures the installed web app on a phone's screen (390 x 844 CSS pixels, touch), as Chromium
draws it: installed by a first visit to a local copy of the site, then sent an article from
another app through its share target, the article in the box and the start button focused.
Usage: screenshot-app.py SITE_DIR ARTICLE OUTPUT_PNG"""
import os
import shutil
import sys
import tempfile

import browsers  # the engines, as the page's tests drive them

site, article, output = sys.argv[1:4]
root = tempfile.mkdtemp()
shutil.copytree(site, os.path.join(root, "weiyuanchuang"))
server = browsers.Server(root)
app = f"{server.origin}/weiyuanchuang/"
try:
    with browsers.start("chromium", server) as browser:
        browser.viewport(390, 844, phone=True)
        browser.open(app)
        browser.run("await navigator.serviceWorker.ready")
        # What another app does with the manifest's share target: a form POSTed to the app.
        browser.open(f"{server.origin}/")
        with open(article, encoding="utf-8") as file:
            text = file.read().replace("\r\n", "\n")
        browser.run("const form = Object.assign(document.createElement('form'), {method: 'post', action: args[0] + '?share'});"
                    " form.append(Object.assign(document.createElement('textarea'), {name: 'text', value: args[1]}));"
                    " document.body.append(form); form.submit()", app, text)
        if not browsers.wait(lambda: browser.run("return document.activeElement?.id") == "Command1"):
            sys.exit("screenshot-app.py: the shared article did not arrive")
        browser.screenshot(output)
finally:
    server.stop()
    shutil.rmtree(root, ignore_errors=True)
