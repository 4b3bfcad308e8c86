#!/usr/bin/env bash
# Installs what is missing, builds the Linux window and starts it. Without a display it shows
# the window working instead: on a virtual display it pastes samples/article.txt, presses
# "开始伪原创", prints what the clipboard then holds and saves a screenshot.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/install-deps.sh linux
cmake --preset release
cmake --build --preset release --target weiyuanchuang
app="$root/build/release/app/qt/weiyuanchuang"

if [ -n "${DISPLAY:-}" ]; then
  exec "$app"
fi

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "run.sh: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb
echo "No display: running the window on the virtual display $DISPLAY"

"$app" 2>"$work/app.log" &
app_pid=$!
pids+=("$app_pid")
window=""
for _ in $(seq 100); do
  window="$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^朔屿伪原创工具' 2>/dev/null | head -n1 || true)"
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "run.sh: the window did not appear" >&2; cat "$work/app.log" >&2; exit 1; }

# Paste the sample the way a person would: clipboard, Ctrl+A, Ctrl+V.
xclip -i -selection clipboard < samples/article.txt
xdotool windowfocus --sync "$window"
xdotool key --delay 50 ctrl+a ctrl+v
sleep 0.3
# Command1 "开始伪原创": its centre, from the layout table in ui/form1_layout.h (568 + 89 / 2,
# 88 + 57 / 2 pixels).
xdotool mousemove --window "$window" 612 116 click 1

article="$(cat samples/article.txt)"
result=""
for _ in $(seq 50); do
  result="$(xclip -o -selection clipboard 2>/dev/null || true)"
  [ -n "$result" ] && [ "$result" != "$article" ] && break
  sleep 0.1
done
echo
echo "The clipboard now holds:"
echo "----------------------------------------"
printf '%s\n' "$result"
echo "----------------------------------------"

screenshot="$root/build/screenshot-linux.png"
import -window "$window" "$screenshot"
echo "Screenshot of the window saved to $screenshot"
