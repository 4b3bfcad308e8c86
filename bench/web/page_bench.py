#!/usr/bin/python3
"""Times the page in each browser engine beside what that engine itself needs, and the Qt window.

- start: from opening the file to a page that takes input (the page's "weiyuanchuang:ready" mark,
  set once Text1 has the focus with Form1 bound);
- a 5 KB and a 10 MB article, the Qt benchmark's (bench/window: 70 and 100,000 lines of Chinese,
  every fifth empty): a real click on "开始伪原创", timed inside the page from the click to the end
  of the page's own work, when it has set and copied the text and asks to hear of the repaint
  ("worked": for a long article that includes the busy cursor's wait), and to the page repainted
  with the result, when the page takes its busy cursor away ("shown"); in the same rounds, in alternating order, the same click handled by
  the engine alone, setting the box's value to the same result, to the repaint (the engine's own,
  the floor of any page built on a textarea);
- a 10 MB article as a person meets it (125,000 lines of 33 Chinese characters, every fifth
  empty), set as the box's value and painted before the click: from the click to the end of the
  page's own work, and to the next frame painted after it ("painted"); in the same rounds, in alternating order, the engine's own floor
  for the same result: the value set to "x", then to the result (timed on its own too), the
  layout forced (scrollHeight), and the next frame.
Prints the median, fastest and slowest run and the spread (interquartile range over the median),
and the ratio of the page to the engine's own both from the medians and round by round.
Several builds of the page (NAME=PATH) are measured in the same rounds, each opened afresh and
warmed up by one run every round, in an order that rotates, so that a change shows beside the
build before it rather than beside another moment of the machine.
WebKit runs on a virtual display of its own when there is none.

    bench/web/page_bench.py [--page [NAME=]build/web/weiyuanchuang.html]... [--runs 7]
                            [--engines chromium,firefox,webkit] [--measures start,Typical5KB,...]
                            [--qt build/ci/bench/window/window_bench]
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
// The page's own work ends where it asks to hear of the repaint: the text is set and copied.
const askRepaint = Module.afterRepaint;
Module.afterRepaint = (page) => {
  times.worked = performance.now();
  if (times.onWorked) times.onWorked();
  askRepaint(page);
};
new MutationObserver(() => {
  if (!document.documentElement.classList.contains('busy') && times.click) times.shown = performance.now();
}).observe(document.documentElement, {attributes: true});
await settle();
"""
BEFORE_CLICK = "window.times = {}; await settle();"
AFTER_CLICK = """
while (!times.shown) await new Promise(r => setTimeout(r, 1));
window.result = Text1.value;
return [times.worked - times.click, times.shown - times.click];
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
OWN_DONE = "while (!times.own) await new Promise(r => setTimeout(r, 1)); return [times.own];"
# The article painted, then a watch for the first frame painted after the page's own work.
PAINTED_ARM = """
window.times = {};
await settle();
window.watch = new Promise(done => {
  times.onWorked = () => requestAnimationFrame(() => setTimeout(() => {
    done([times.worked - times.click, performance.now() - times.click]);
  }));
});
"""
PAINTED_DONE = "const t = await watch; window.result = Text1.value; return t;"
FLOOR = """
await settle();
const start = performance.now();
Text1.value = 'x';
Text1.value = result;
const set = performance.now();
Text1.scrollHeight;
return [(await painted()) - start, set - start];
"""
READY = "return performance.getEntriesByName('weiyuanchuang:ready')[0]?.startTime ?? null"


def clicked(arm, done):
    def step(browser):
        browser.run(arm)
        browser.click("Command1")
        return browser.run(done)
    return step


def scripted(body):
    return lambda browser: browser.run(body)


# Each measure: its article (lines, width), then its steps, each giving one or more named times
# per run. The first step is the page's: it leaves the result in `window.result` for the others.
MEASURES = {
    "Typical5KB": ((70, 30), [(clicked(BEFORE_CLICK, AFTER_CLICK), ("worked", "shown")),
                              (clicked(OWN_ARM, OWN_DONE), ("own",))]),
    "Large10MB": ((100_000, 42), [(clicked(BEFORE_CLICK, AFTER_CLICK), ("worked", "shown")),
                                  (clicked(OWN_ARM, OWN_DONE), ("own",))]),
    "Painted10MB": ((125_000, 33), [(clicked(PAINTED_ARM, PAINTED_DONE), ("worked", "painted")),
                                    (scripted(FLOOR), ("floor", "setters"))]),
}
LABELS = {
    "worked": "the page's own work, click to its end", "shown": "shown, click to repainted result",
    "own": "engine own: click, value, repainted", "painted": "click to the next frame painted",
    "floor": "engine floor: x, result, layout, frame", "setters": "  of which setting x and the result",
}
RATIOS = {"Typical5KB": ("shown", "own"), "Large10MB": ("shown", "own"), "Painted10MB": ("painted", "floor")}


def rotated(items, i):
    return items[i % len(items):] + items[:i % len(items)]


def start_times(browser, urls, runs):
    times = {name: [] for name in urls}
    for i in range(runs):
        for name in rotated(list(urls), i):
            browser.open("about:blank")
            browser.open(urls[name])
            browsers.wait(lambda: browser.run(READY) is not None)
            times[name].append(browser.run(READY))
    return times


def measure_times(browser, urls, article, steps, runs):
    """Every step's times for every build: per round each build is opened afresh and warmed up
    by its first step, then runs the steps in an order that alternates."""
    times = {name: {} for name in urls}
    for i in range(runs):
        for name in rotated(list(urls), i):
            browser.open(urls[name])
            browsers.wait(lambda: browser.run(READY) is not None)
            browser.run(SETUP, *article)
            steps[0][0](browser)  # warm-up, and the result that the other steps show
            for step, labels in rotated(steps, i):
                for label, value in zip(labels, step(browser)):
                    times[name].setdefault(label, []).append(value)
    return times


def describe(times):
    median = statistics.median(times)
    q = statistics.quantiles(times, n=4)
    spread = (q[2] - q[0]) / median if median else 0
    wide = " (spread too wide for a ratio)" if spread > WIDE_SPREAD else ""
    return median, f"{median:9.1f} ms ({min(times):.1f}-{max(times):.1f}, spread {spread:.0%}){wide}"


def print_ratio(label, times, own):
    # Each round's two runs share the machine's state: their ratio varies less than either.
    paired = [t / o for t, o in zip(times, own)]
    print(f"{'    ' + label + ', medians':<46}{describe(times)[0] / describe(own)[0]:9.2f}")
    print(f"{'    ' + label + ', per round':<46}{statistics.median(paired):9.2f} "
          f"({min(paired):.2f}-{max(paired):.2f})")
    return statistics.median(paired)


def qt_rewrite_ms(program):
    out = subprocess.run([program, "--benchmark_format=json", "--benchmark_filter=Typical5KB|Large10MB"],
                         capture_output=True, text=True, check=True,
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    return {b["name"].split("/")[0]: b["rewrite_ms"] for b in json.loads(out)["benchmarks"]}


def bench(engine, pages, runs, measures, qt):
    urls = {name: "file://" + os.path.abspath(path) for name, path in pages.items()}
    server = browsers.Server(os.path.dirname(os.path.abspath(next(iter(pages.values())))))  # the proxy
    with browsers.start(engine, server) as browser:
        browser.viewport(1280, 800)
        print(f"{engine}:", flush=True)
        if "start" in measures:
            for name, times in start_times(browser, urls, runs).items():
                print(f"{'  start, to a page that takes input ' + name:<46}{describe(times)[1]}")
        for measure in (m for m in MEASURES if m in measures):
            article, steps = MEASURES[measure]
            print(f"  {measure}: {article[0]:,} lines", flush=True)
            results = measure_times(browser, urls, article, steps, runs)
            paired = {}
            for name, times in results.items():
                if len(pages) > 1:
                    print(f"   {name}:")
                for label, values in times.items():
                    print(f"{'    ' + LABELS[label]:<46}{describe(values)[1]}")
                page, own = RATIOS[measure]
                paired[name] = print_ratio(f"{page} / {own}", times[page], times[own])
            if len(pages) > 1:
                # The builds met the same machine in each round: their own work, round by round,
                # shows a change too small for the whole run's spread.
                first = next(iter(paired))
                print("    per-round ratio against " + first + ": " +
                      ", ".join(f"{name} {value / paired[first]:.2f}" for name, value in paired.items()))
                own = {name: [w / f for w, f in zip(times["worked"], results[first]["worked"])]
                       for name, times in results.items()}
                print("    own work against " + first + ", per round: " +
                      ", ".join(f"{name} {statistics.median(r):.2f} ({min(r):.2f}-{max(r):.2f})"
                                for name, r in own.items() if name != first))
            if measure in qt:
                print(f"{'    Qt window, click to repainted (mean)':<46}{qt[measure]:9.1f} ms")
    server.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--page", action="append", metavar="[NAME=]PATH",
                        help="a build of the page (default build/web/weiyuanchuang.html); give several to compare")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--engines", default=",".join(browsers.ENGINES))
    parser.add_argument("--measures", default=",".join(["start", *MEASURES]))
    parser.add_argument("--qt", help="bench/window's window_bench, for the Qt window's figures")
    args = parser.parse_args()
    pages = dict(p.split("=", 1) if "=" in p else (p, p) for p in args.page or ["build/web/weiyuanchuang.html"])
    engines = args.engines.split(",")
    if "webkit" in engines and not os.environ.get("DISPLAY"):
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1600x1000x24", sys.executable, *sys.argv])
    qt = qt_rewrite_ms(args.qt) if args.qt else {}
    for name, path in pages.items():
        print(f"page {name}: {path}, {os.path.getsize(path):,} bytes")
    print(f"{args.runs} rounds each; load average {os.getloadavg()[0]:.2f}")
    for engine in engines:
        bench(engine, pages, args.runs, args.measures.split(","), qt)
    print(f"load average {os.getloadavg()[0]:.2f} at the end")


if __name__ == "__main__":
    main()
