#!/usr/bin/python3
"""Times the page in each browser engine beside what that engine itself needs, and the Qt window.

- start: from opening the file to a page that takes input (the page's "weiyuanchuang:ready" mark,
  set once Text1 has the focus with Form1 bound);
- a 5 KB and a 10 MB article, the Qt benchmark's (bench/window: 70 and 100,000 lines of Chinese,
  every fifth empty): a real click on "开始伪原创", timed inside the page from the click to the end
  of its handler ("handler") and to the page repainted with the result, when the page takes its
  busy cursor away ("shown"); in the same rounds, in alternating order, the same click handled by
  the engine alone, setting the box's value to the same result, to the repaint (the engine's own,
  the floor of any page built on a textarea).
Prints the median, fastest and slowest run and the spread (interquartile range over the median),
and the ratio of the page to the engine's own both from the medians and round by round.
WebKit runs on a virtual display of its own when there is none.

    bench/web/page_bench.py [--page build/web/weiyuanchuang.html] [--runs 7]
                            [--engines chromium,firefox,webkit] [--qt build/ci/bench/window/window_bench]
"""
import argparse
import json
import os
import statistics
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import browsers  # noqa: E402  the engines, as the page's tests drive them

WIDE_SPREAD = 0.20  # above this, medians do not support a ratio

SETUP = """
const [lines, width] = args;
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
await settle();
"""
BEFORE_CLICK = "window.times = {}; await settle();"
AFTER_CLICK = """
while (!times.shown) await new Promise(r => setTimeout(r, 1));
window.result = Text1.value;
return [times.handler - times.click, times.shown - times.click];
"""
# The engine alone: a click taken before it reaches the page sets the box to the same result.
OWN_ARM = """
window.times = {};
addEventListener('click', (event) => {
  event.stopPropagation();
  const clicked = performance.now();
  Text1.value = result;
  painted().then(t => { times.own = t - clicked; });
}, {capture: true, once: true});
await settle();
"""
OWN_DONE = "while (!times.own) await new Promise(r => setTimeout(r, 1)); return times.own;"
READY = "return performance.getEntriesByName('weiyuanchuang:ready')[0]?.startTime ?? null"


def start_times(browser, url, runs):
    times = []
    for _ in range(runs):
        browser.open("about:blank")
        browser.open(url)
        browsers.wait(lambda: browser.run(READY) is not None)
        times.append(browser.run(READY))
    return times


def run_times(browser, url, lines, width, runs):
    """The page's handler and shown times and the engine's own, interleaved, after one warm-up."""
    browser.open(url)
    browser.run(SETUP, lines, width)
    handler, shown, own = [], [], []

    def page():
        browser.run(BEFORE_CLICK)
        browser.click("Command1")
        return browser.run(AFTER_CLICK)

    def engine():
        browser.run(OWN_ARM)
        browser.click("Command1")
        return browser.run(OWN_DONE)

    page()  # warm-up, and the result that the engine's own run shows
    for i in range(runs):
        for step in ((page, engine) if i % 2 == 0 else (engine, page)):
            if step == engine:
                own.append(engine())
            else:
                h, s = page()
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


def bench(engine, page, runs, qt):
    url = "file://" + os.path.abspath(page)
    server = browsers.Server(os.path.dirname(os.path.abspath(page)))  # the engines' proxy
    with browsers.start(engine, server) as browser:
        browser.viewport(1280, 800)
        print(f"{engine}:")
        print(f"{'  start, to a page that takes input':<42}{describe(start_times(browser, url, runs))[1]}")
        for name, lines, width in (("Typical5KB", 70, 30), ("Large10MB", 100_000, 42)):
            handler, shown, own = run_times(browser, url, lines, width, runs)
            print(f"  {name}: {lines:,} lines")
            print(f"{'    handler of the click':<42}{describe(handler)[1]}")
            print(f"{'    shown, click to repainted result':<42}{describe(shown)[1]}")
            print(f"{'    engine own: click, value, repainted':<42}{describe(own)[1]}")
            # Each round's two runs share the machine's state: their ratio varies less than either.
            paired = [s / o for s, o in zip(shown, own)]
            print(f"{'    shown / engine own, medians':<42}{describe(shown)[0] / describe(own)[0]:9.2f}")
            print(f"{'    shown / engine own, per round':<42}{statistics.median(paired):9.2f} "
                  f"({min(paired):.2f}-{max(paired):.2f})")
            if name in qt:
                print(f"{'    Qt window, click to repainted (mean)':<42}{qt[name]:9.1f} ms")
    server.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--page", default="build/web/weiyuanchuang.html")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--engines", default=",".join(browsers.ENGINES))
    parser.add_argument("--qt", help="bench/window's window_bench, for the Qt window's figures")
    args = parser.parse_args()
    engines = args.engines.split(",")
    if "webkit" in engines and not os.environ.get("DISPLAY"):
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1600x1000x24", sys.executable, *sys.argv])
    qt = qt_rewrite_ms(args.qt) if args.qt else {}
    print(f"page: {args.page}, {os.path.getsize(args.page):,} bytes; {args.runs} runs each")
    for engine in engines:
        bench(engine, args.page, args.runs, qt)


if __name__ == "__main__":
    main()
