"""The three browser engines behind one small interface, for the page's tests, its benchmark and
the README's pictures, so that one description of the page's behaviour runs in each: Chromium and
WebKit (WebKitGTK's MiniBrowser) through their WebDriver servers with Selenium, Firefox through
WebDriver BiDi, which it speaks itself (Debian ships no geckodriver). Both protocols take the same
W3C input actions. An engine has code of its own only where it genuinely differs: starting, the
viewport, reading the clipboard, accessibility queries, the system's colour scheme, and what only
Chromium can emulate (forced colours, an input method).

    with browsers.start("firefox", server, dark=True) as browser: browser.run("return document.title")
"""
import base64
import http.server
import json
import os
import re
import shutil
import subprocess
import tempfile
import threading
import time
import urllib.parse

ENGINES = ("chromium", "firefox", "webkit")
# Every engine takes the test's server as its HTTP proxy, so that any other name reaches it too:
# the maker's pages that the links open, and a name that is no secure context, as a page served
# over plain HTTP is not (the browser offers it no clipboard).
PLAIN_HTTP_HOST = "weiyuanchuang.test"
CHROMIUM_FLAGS = ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync")
# Runs a function body in the page, awaiting it; its arguments come as one JSON text.
PAGE_FUNCTION = ("async (json) => {{ try {{ return JSON.stringify({{ value: await (async (...args) => {{ {body}\n}})"
                 "(...JSON.parse(json)) ?? null }}); }} catch (error) {{ return JSON.stringify({{ error: String(error) }}); }} }}")


def wait(condition, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.05)
    return False


# W3C WebDriver's codes of the keys that have no character.
TAB, ENTER, SHIFT, CONTROL, ESCAPE = "\ue004", "\ue007", "\ue008", "\ue009", "\ue00c"


class Server:
    """Serves a folder over HTTP on 127.0.0.1, also as the browser's proxy for every other name,
    and records every request: its method and address."""

    def __init__(self, folder, port=0):
        requests = self.requests = []

        class Handler(http.server.SimpleHTTPRequestHandler):
            def parse_request(self):
                if not super().parse_request():
                    return False
                path = self.path
                requests.append((self.command, path if "://" in path else f"http://{self.headers['Host']}{path}"))
                return True

            def translate_path(self, path):
                return super().translate_path(urllib.parse.urlsplit(path).path)

            def log_message(self, *args):
                pass

        self.http = http.server.ThreadingHTTPServer(("127.0.0.1", port), lambda *a: Handler(*a, directory=folder))
        self.http.handle_error = lambda *args: None  # a browser that drops a download it no longer needs
        self.port = self.http.server_port
        self.origin = f"http://127.0.0.1:{self.port}"
        threading.Thread(target=self.http.serve_forever, daemon=True).start()

    def stop(self):
        self.http.shutdown()
        self.http.server_close()


class Browser:
    """What every engine offers; the page's tests are written against this alone."""
    name = ""
    # Whether Ctrl+Z from the driver reaches the engine's own undo of a text box.
    keys_undo = True

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.quit()

    def run(self, body, *args, tab=None):
        """Runs `body` as an async function in the page (in `tab`, else the current one) with
        `args`; returns its JSON value."""
        answer = json.loads(self._call(PAGE_FUNCTION.format(body=body), json.dumps(args), tab))
        if "error" in answer:
            raise RuntimeError(f"{self.name}: {answer['error']} in: {body[:200]}")
        return answer["value"]

    def keys(self, *names, holding=""):
        """Presses each key of `names` in turn (a line break is Enter) while `holding` is held."""
        names = [ENTER if name == "\n" else name for name in names]
        actions = ([{"type": "keyDown", "value": k} for k in holding]
                   + [{"type": t, "value": k} for k in names for t in ("keyDown", "keyUp")]
                   + [{"type": "keyUp", "value": k} for k in reversed(holding)])
        self.perform({"type": "key", "id": "keyboard", "actions": actions})

    def point(self, *steps, pointer="mouse"):
        """Pointer actions: (x, y) moves, "down"/"up" for the left button (or a finger, with
        pointer="touch"), "menu" for a right click, numbers pause that many seconds."""
        actions = []
        for step in steps:
            if isinstance(step, tuple):
                actions.append({"type": "pointerMove", "x": round(step[0]), "y": round(step[1]), "duration": 0})
            elif isinstance(step, (int, float)):
                actions.append({"type": "pause", "duration": int(step * 1000)})
            elif step == "menu":
                actions += [{"type": "pointerDown", "button": 2}, {"type": "pointerUp", "button": 2}]
            else:
                actions.append({"type": "pointer" + step.capitalize(), "button": 0})
        self.perform({"type": "pointer", "id": pointer, "parameters": {"pointerType": pointer}, "actions": actions})

    def centre(self, element_id):
        return tuple(self.run("const r = document.getElementById(args[0]).getBoundingClientRect(); "
                              "return [r.x + r.width / 2, r.y + r.height / 2]", element_id))

    def click(self, element_id, hold=0, button="left", pointer="mouse"):
        at = self.centre(element_id)
        self.point(at, "menu") if button == "right" else self.point(at, "down", hold, "up", pointer=pointer)

    def tabs_opened(self, action):
        """Does `action`, then closes the tabs it opened; returns their addresses and whether
        each could reach this page through window.opener."""
        home, before = self.current_tab(), set(self.tabs())
        action()
        wait(lambda: set(self.tabs()) - before, 3)
        opened = []
        for tab in set(self.tabs()) - before:
            wait(lambda: self.run("return document.readyState == 'complete' && location.href", tab=tab)
                 not in (False, "about:blank"), 5)
            opened.append((self.run("return location.href", tab=tab).rstrip("/"),
                           self.run("return window.opener !== null", tab=tab)))
            self.close_tab(tab)
        self.switch_to(home)
        return opened

    # What each engine implements.
    def _call(self, function, json_args, tab): raise NotImplementedError
    def perform(self, *sources): raise NotImplementedError
    def open(self, url): raise NotImplementedError
    def tabs(self): raise NotImplementedError
    def current_tab(self): raise NotImplementedError
    def switch_to(self, tab): raise NotImplementedError
    def close_tab(self, tab):
        """Closes `tab`; switch_to() then says which tab the test goes on in."""
        raise NotImplementedError
    def new_tab(self):
        """Opens a tab and goes on in it; returns the tab that was current."""
        raise NotImplementedError
    def deny_clipboard(self, denied):
        """Denies the page the clipboard, or gives it back; False where the engine cannot."""
        return False
    def force_colors(self, active):
        """Forced colours on or off, as Windows' contrast themes set them; False where the engine
        cannot emulate them."""
        return False
    def compose(self, text):
        """An input method's composition in the focused box, open with `text` (committed with
        commit()); False where the driver cannot send one."""
        return False
    def commit(self, text):
        """Commits the open composition as `text`."""
        raise NotImplementedError
    def app_manifest(self):
        """The web app manifest as the engine reads it and what keeps it from installing the
        page, where the engine tells."""
        return None
    def viewport(self, width, height, phone=False): raise NotImplementedError
    def screenshot(self, path): raise NotImplementedError
    def clipboard(self):
        """The clipboard's text, None when it cannot be read."""
        return self.run("return await navigator.clipboard.readText().catch(() => null)")
    def accessible(self, role, name):
        """The ids of the elements that a screen reader meets with this role and name."""
        raise NotImplementedError
    def quit(self): raise NotImplementedError


class WebDriverClassic(Browser):
    """An engine behind a WebDriver server, through Selenium."""

    def __init__(self, driver):
        from selenium.webdriver.remote.command import Command
        self.driver, self._actions = driver, Command.W3C_ACTIONS
        driver.set_script_timeout(600)

    def _call(self, function, json_args, tab):
        home = self.driver.current_window_handle
        if tab:
            self.driver.switch_to.window(tab)
        try:
            return self.driver.execute_async_script(f"({function})(arguments[0]).then(arguments[1])", json_args)
        finally:
            if tab:
                self.driver.switch_to.window(home)

    def perform(self, *sources):
        self.driver.execute(self._actions, {"actions": list(sources)})

    def open(self, url):
        self.driver.get(url)

    def tabs(self):
        return self.driver.window_handles

    def current_tab(self):
        return self.driver.current_window_handle

    def switch_to(self, tab):
        self.driver.switch_to.window(tab)

    def close_tab(self, tab):
        self.driver.switch_to.window(tab)
        self.driver.close()

    def new_tab(self):
        home = self.driver.current_window_handle
        self.driver.switch_to.new_window("tab")
        return home

    def screenshot(self, path):
        self.driver.save_screenshot(path)

    def accessible(self, role, name):
        from selenium.webdriver.common.by import By
        return [e.get_attribute("id") for e in self.driver.find_elements(By.CSS_SELECTOR, ".control, dialog[open]")
                if e.aria_role == role and " ".join(e.accessible_name.split()) == name]

    def quit(self):
        self.driver.quit()


class Chromium(WebDriverClassic):
    name = "chromium"

    def __init__(self, server, dark=False, screen_reader=False):
        from selenium import webdriver
        from selenium.webdriver.chrome.options import Options
        from selenium.webdriver.chrome.service import Service
        options = Options()
        options.binary_location = "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS + (f"--proxy-server=127.0.0.1:{server.port}",):
            options.add_argument(flag)
        options.add_experimental_option("excludeSwitches", ["disable-popup-blocking"])  # as people have it
        super().__init__(webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options))
        self.cdp, self.origin = self.driver.execute_cdp_cmd, server.origin
        self.media = {"prefers-color-scheme": "dark" if dark else "light", "forced-colors": "none"}
        self.prepare_tab()

    def prepare_tab(self):
        """What goes with each tab: the clipboard granted, and the emulated media."""
        self.cdp("Browser.grantPermissions", {"origin": self.origin,
                                              "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.cdp("Emulation.setEmulatedMedia", {"features": [{"name": k, "value": v} for k, v in self.media.items()]})

    def switch_to(self, tab):
        super().switch_to(tab)
        self.prepare_tab()

    def force_colors(self, active):
        self.media["forced-colors"] = "active" if active else "none"
        self.prepare_tab()
        return True

    def compose(self, text):
        self.cdp("Input.imeSetComposition", {"text": text, "selectionStart": len(text), "selectionEnd": len(text)})
        return True

    def commit(self, text):
        self.cdp("Input.insertText", {"text": text})

    def viewport(self, width, height, phone=False):
        self.cdp("Emulation.setDeviceMetricsOverride",
                 {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": phone})
        self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": phone})

    def app_manifest(self):
        return self.cdp("Page.getAppManifest", {}), self.cdp("Page.getInstallabilityErrors", {})["installabilityErrors"]

    def deny_clipboard(self, denied):
        self.cdp("Browser.setPermission", {"origin": self.origin, "permission": {"name": "clipboard-write"},
                                           "setting": "denied" if denied else "granted"})
        return True


class WebKit(WebDriverClassic):
    """WebKitGTK's MiniBrowser on the X display, whose clipboard xclip reads."""
    name = "webkit"
    # Its driver's keys bypass the GTK key bindings that map Ctrl+Z to undo; the undo history is
    # there all the same.
    keys_undo = False

    def __init__(self, server, dark=False, screen_reader=False):
        from selenium import webdriver
        from selenium.webdriver.webkitgtk.options import Options
        options = Options()
        options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
        options.add_argument("--automation")
        options.set_capability("proxy", {"proxyType": "manual", "httpProxy": f"127.0.0.1:{server.port}"})
        # The browser's toolbar buttons would keep its window wider than a phone: shrunk to
        # nothing, in a GTK style of the test's own. The page's controls are WebKit's, not GTK's.
        self.config = tempfile.mkdtemp()
        os.makedirs(os.path.join(self.config, "gtk-3.0"))
        with open(os.path.join(self.config, "gtk-3.0", "gtk.css"), "w") as style:
            style.write("button { min-width: 0; min-height: 0; padding: 0; margin: 0; font-size: 1px; }\n")
        os.environ["XDG_CONFIG_HOME"] = self.config
        # WebKitGTK takes the system's colour scheme from GTK's theme.
        if dark:
            os.environ["GTK_THEME"] = "Adwaita:dark"
        else:
            os.environ.pop("GTK_THEME", None)
        super().__init__(webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options))

    def viewport(self, width, height, phone=False):
        self.driver.set_window_rect(width=width, height=height)
        # The window's frame, if any, is outside the page: grow it by the difference.
        inner = self.run("return [innerWidth, innerHeight]")
        self.driver.set_window_rect(width=2 * width - inner[0], height=2 * height - inner[1])
        if self.run("return innerWidth") != width:
            raise RuntimeError(f"webkit: the window cannot be {width} px wide")
        self.run("await new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))")  # repainted

    def quit(self):
        super().quit()
        shutil.rmtree(self.config, ignore_errors=True)

    def clipboard(self):
        out = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True)
        return out.stdout if out.returncode == 0 else None


class Firefox(Browser):
    """Firefox ESR headless, over the WebDriver BiDi connection it opens itself; for a screen
    reader on the X display, whose accessibility bus it then joins."""
    name = "firefox"

    def __init__(self, server, dark=False, screen_reader=False):
        import websocket
        self.profile = tempfile.mkdtemp()
        with open(os.path.join(self.profile, "user.js"), "w") as prefs:
            # The clipboard readable by the test, the pop-up blocker on as people have it (the
            # remote agent turns it off), and the test's server as the proxy.
            prefs.write('user_pref("dom.events.asyncClipboard.readText", true);\n'
                        'user_pref("dom.events.testing.asyncClipboard", true);\n'
                        'user_pref("dom.disable_open_during_load", true);\n'
                        'user_pref("network.proxy.type", 1);\nuser_pref("network.proxy.http", "127.0.0.1");\n'
                        f'user_pref("network.proxy.http_port", {server.port});\n'
                        f'user_pref("ui.systemUsesDarkTheme", {int(dark)});\n')
        self.process = subprocess.Popen(["/usr/bin/firefox-esr", *([] if screen_reader else ["--headless"]),
                                         "--no-remote", "--profile", self.profile, "--remote-debugging-port=0"],
                                        stderr=subprocess.PIPE, stdout=subprocess.DEVNULL, text=True,
                                        # Else it builds its tree only once a screen reader says it runs.
                                        env=dict(os.environ, GNOME_ACCESSIBILITY="1") if screen_reader else None)
        for line in self.process.stderr:
            if found := re.search(r"WebDriver BiDi listening on (ws://\S+)", line):
                break
        else:
            raise RuntimeError("firefox-esr opened no WebDriver BiDi connection")
        threading.Thread(target=lambda: self.process.stderr.read(), daemon=True).start()  # never blocks it
        self.socket = websocket.create_connection(found.group(1) + "/session", suppress_origin=True)
        self.next_id = 0
        self.send("session.new", capabilities={"alwaysMatch": {"unhandledPromptBehavior": "ignore"}})
        # The first tab never has the focus of the headless window; a tab opened now does.
        self.tab = self.tabs()[0]
        self.close_tab(self.new_tab())

    def send(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            answer = json.loads(self.socket.recv())
            if answer.get("id") == self.next_id:
                if "error" in answer:
                    raise RuntimeError(f"firefox: {method}: {answer['error']}: {answer.get('message')}")
                return answer["result"]

    def _call(self, function, json_args, tab):
        result = self.send("script.callFunction", functionDeclaration=function, awaitPromise=True,
                           target={"context": tab or self.tab}, arguments=[{"type": "string", "value": json_args}])
        if result["type"] == "exception":
            raise RuntimeError(f"firefox: {result['exceptionDetails']['text']}")
        return result["result"]["value"]

    def perform(self, *sources):
        self.send("input.performActions", context=self.tab, actions=list(sources))

    def open(self, url):
        self.send("browsingContext.navigate", context=self.tab, url=url, wait="complete")

    def tabs(self):
        return [context["context"] for context in self.send("browsingContext.getTree", maxDepth=0)["contexts"]]

    def current_tab(self):
        return self.tab

    def switch_to(self, tab):
        self.tab = tab
        self.send("browsingContext.activate", context=tab)

    def close_tab(self, tab):
        self.send("browsingContext.close", context=tab)

    def new_tab(self):
        home = self.tab
        self.switch_to(self.send("browsingContext.create", type="tab")["context"])
        return home

    def viewport(self, width, height, phone=False):
        self.send("browsingContext.setViewport", context=self.tab, viewport={"width": width, "height": height})

    def screenshot(self, path):
        with open(path, "wb") as file:
            file.write(base64.b64decode(self.send("browsingContext.captureScreenshot", context=self.tab)["data"]))

    def accessible(self, role, name):
        found = self.send("browsingContext.locateNodes", context=self.tab,
                          locator={"type": "accessibility", "value": {"role": role, "name": name}})
        return [node["value"]["attributes"].get("id") for node in found["nodes"]]

    def quit(self):
        try:
            self.send("session.end")
        finally:
            self.process.terminate()
            self.process.wait(30)
            shutil.rmtree(self.profile, ignore_errors=True)


def start(engine, server, dark=False, screen_reader=False):
    """The engine with the system's colour scheme dark or light, and for a screen reader: with its
    accessibility tree on the desktop's bus (Chromium shows none headless)."""
    return {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}[engine](server, dark, screen_reader)
