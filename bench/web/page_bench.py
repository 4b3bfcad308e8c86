#!/usr/bin/python3
"""Times the page in headless Chromium, beside what Chromium itself needs and the Qt window.

- start: from opening the file to a page that takes input (Text1 focused with Form1 bound);
- a 5 KB and a 10 MB article, the Qt benchmark's (bench/window: 70 and 100,000 lines of Chinese,
  every fifth empty): a real click on "开始伪原创", timed inside the page from the click to the end
  of its handler ("handler") and to the page repainted with the result, when the page takes its
  busy cursor away ("shown"); in the same rounds, in alternating order, the same click handled by
  Chromium alone, setting the box's value to the same result, to the repaint ("Chromium's own").
Prints the median, fastest and slowest run and the spread (interquartile range over the median),
and the ratio of the page to Chromium's own both from the medians and round by round.

    bench/web/page_bench.py [--page build/web/weiyuanchuang.html] [--runs 7]
                            [--qt build/ci/bench/window/window_bench]
"""
import argparse
import json
import os
import statistics
import subprocess

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

WIDE_SPREAD = 0.20  # above this, medians do not support a ratio

SETUP = """
const [lines, width, done] = arguments;
// The Qt benchmark's article, line for line.
const pool = '春天的早晨阳光透过窗帘洒进房间我推开窗户听见楼下孩子们在笑';
const text = [];
for (let line = 0; line < lines; ++line) {
  let s = '';
  if (line % 5 != 4) for (let i = 0; i < width; ++i) s += pool[(line * 7 + i) % pool.length];
  text.push(s);
}
window.article = text.join('\\n');
// The frame's callbacks run before its paint: a task queued from one runs after the paint.
window.painted = () => new Promise(r => requestAnimationFrame(() => setTimeout(() => r(performance.now()))));
window.settle = async () => { Text1.value = article; await painted(); await painted(); };
window.times = {};
Command1.addEventListener('click', () => { times.click = performance.now(); }, true);
addEventListener('click', () => { times.handler = performance.now(); });
new MutationObserver(() => {
  if (!document.documentElement.classList.contains('busy') && times.click) times.shown = performance.now();
}).observe(document.documentElement, {attributes: true});
settle().then(done);
"""
BEFORE_CLICK = "window.times = {}; settle().then(arguments[0]);"
AFTER_CLICK = """
const done = arguments[0];
(function poll() {
  if (!times.shown) return setTimeout(poll, 1);
  window.result = Text1.value;
  done([times.handler - times.click, times.shown - times.click]);
})();
"""
# Chromium alone: a click taken before it reaches the page sets the box to the same result.
OWN_ARM = """
window.times = {};
addEventListener('click', (event) => {
  event.stopPropagation();
  const clicked = performance.now();
  Text1.value = result;
  painted().then(t => { times.own = t - clicked; });
}, {capture: true, once: true});
settle().then(arguments[0]);
"""
OWN_DONE = "const done = arguments[0]; (function poll() { times.own ? done(times.own) : setTimeout(poll, 1); })();"


def browser():
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync"):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_script_timeout(600)
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 1280, "height": 800, "deviceScaleFactor": 1, "mobile": False})
    driver.execute_cdp_cmd("Browser.grantPermissions", {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    return driver


def start_times(driver, url, runs):
    # Noted by a script that runs before the page's own.
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": (
        "addEventListener('focusin', e => { if (e.target.id == 'Text1' && !window.ready) "
        "window.ready = performance.now(); }, true);")})
    times = []
    for _ in range(runs):
        driver.get("about:blank")
        driver.get(url)
        times.append(driver.execute_async_script(
            "const done = arguments[0]; (function poll() { window.ready ? done(window.ready) : setTimeout(poll, 1); })();"))
    return times


def run_times(driver, url, lines, width, runs):
    """The page's handler and shown times and Chromium's own, interleaved, after one warm-up."""
    driver.get(url)
    driver.execute_async_script(SETUP, lines, width)
    button = driver.find_element(By.ID, "Command1")
    handler, shown, own = [], [], []

    def page():
        driver.execute_async_script(BEFORE_CLICK)
        button.click()
        return driver.execute_async_script(AFTER_CLICK)

    def chromium():
        driver.execute_async_script(OWN_ARM)
        button.click()
        return driver.execute_async_script(OWN_DONE)

    page()  # warm-up, and the result that Chromium's own run shows
    for i in range(runs):
        for step in ((page, chromium) if i % 2 == 0 else (chromium, page)):
            if step == chromium:
                own.append(chromium())
            else:
                h, s = step()
                handler.append(h)
                shown.append(s)
    return handler, shown, own


def describe(times):
    median = statistics.median(times)
    q = statistics.quantiles(times, n=4)
    spread = (q[2] - q[0]) / median if median else 0
    wide = " (spread too wide for a ratio)" if spread > WIDE_SPREAD else ""
    return median, f"{median:9.1f} ms ({min(times):.1f}-{max(times):.1f}, spread {spread:.0%}){wide}"


def qt_rewrite_ms(program):
    out = subprocess.run([program, "--benchmark_format=json", "--benchmark_filter=Typical5KB|Large10MB"],
                         capture_output=True, text=True, check=True,
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    return {b["name"].split("/")[0]: b["rewrite_ms"] for b in json.loads(out)["benchmarks"]}


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--page", default="build/web/weiyuanchuang.html")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--qt", help="bench/window's window_bench, for the Qt window's figures")
    args = parser.parse_args()
    url = "file://" + os.path.abspath(args.page)
    qt = qt_rewrite_ms(args.qt) if args.qt else {}
    driver = browser()
    try:
        print(f"page: {args.page}, {os.path.getsize(args.page):,} bytes; {args.runs} runs each")
        print(f"{'start, to a page that takes input':<40}{describe(start_times(driver, url, args.runs))[1]}")
        for name, lines, width in (("Typical5KB", 70, 30), ("Large10MB", 100_000, 42)):
            handler, shown, own = run_times(driver, url, lines, width, args.runs)
            print(f"{name}: {lines:,} lines")
            print(f"{'  handler of the click':<40}{describe(handler)[1]}")
            print(f"{'  shown, click to repainted result':<40}{describe(shown)[1]}")
            print(f"{'  Chromium own: click, value, repainted':<40}{describe(own)[1]}")
            # Each round's two runs share the machine's state: their ratio varies less than either.
            paired = [s / o for s, o in zip(shown, own)]
            print(f"{'  shown / Chromium own, medians':<40}{describe(shown)[0] / describe(own)[0]:9.2f}")
            print(f"{'  shown / Chromium own, per round':<40}{statistics.median(paired):9.2f} "
                  f"({min(paired):.2f}-{max(paired):.2f})")
            if name in qt:
                print(f"{'  Qt window, click to repainted (mean)':<40}{qt[name]:9.1f} ms")
    finally:
        driver.quit()


if __name__ == "__main__":
    main()
