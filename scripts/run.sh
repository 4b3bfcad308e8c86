#!/usr/bin/env bash
# Installs what is missing, builds the Linux window and starts it. Without a display it shows
# the window working instead: on a virtual display it pastes samples/article.txt, presses
# "开始伪原创", prints what the clipboard then holds and saves a screenshot.
# Sourced (by scripts/screenshots.sh) it only defines the helpers below.
set -euo pipefail

wyc_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Installs what is missing and builds the window; its path is then in wyc_app.
wyc_build_window() {
  "$wyc_root/scripts/install-deps.sh" linux
  (cd "$wyc_root" && cmake --preset release && cmake --build --preset release --target weiyuanchuang)
  wyc_app="$wyc_root/build/release/app/qt/weiyuanchuang"
}

# What wyc_stop_display ends: Xvfb and every program started on it, and their scratch folder.
wyc_pids=()
wyc_work=""

# Xvfb picks a free display number itself and writes it once it is ready.
wyc_start_display() {
  wyc_work="$(mktemp -d)"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$wyc_work/display" \
    2>"$wyc_work/xvfb.log" &
  wyc_pids+=($!)
  for _ in $(seq 100); do [ -s "$wyc_work/display" ] && break; sleep 0.1; done
  [ -s "$wyc_work/display" ] ||
    { echo "run.sh: Xvfb did not start" >&2; cat "$wyc_work/xvfb.log" >&2; return 1; }
  export DISPLAY=":$(cat "$wyc_work/display")"
  export QT_QPA_PLATFORM=xcb
}

wyc_stop_display() {
  local pid
  for pid in "${wyc_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -z "$wyc_work" ] || rm -rf "$wyc_work"
}

# Runs the command given (the window, perhaps behind a wrapper that execs it) and waits for its
# window, whose id is then in wyc_window.
wyc_open_window() {
  "$@" 2>"$wyc_work/app.log" &
  local pid=$!
  wyc_pids+=("$pid")
  wyc_window=""
  for _ in $(seq 100); do
    wyc_window="$(xdotool search --all --onlyvisible --pid "$pid" --name '^朔屿伪原创工具' 2>/dev/null |
                  head -n1 || true)"
    [ -n "$wyc_window" ] && return 0
    sleep 0.1
  done
  echo "run.sh: the window did not appear" >&2
  cat "$wyc_work/app.log" >&2
  return 1
}

# Pastes the file given the way a person would (clipboard, Ctrl+A, Ctrl+V), presses "开始伪原创"
# and prints what the clipboard then holds. xclip serves the clipboard until the window takes it
# over, so it must not hold on to the caller's output.
wyc_rewrite() {
  local article result=""
  xclip -i -selection clipboard <"$1" >/dev/null 2>&1
  xdotool windowfocus --sync "$wyc_window"
  xdotool key --delay 50 ctrl+a ctrl+v
  sleep 0.3
  # Command1 "开始伪原创": its centre, from the layout table in ui/form1_layout.h (568 + 89 / 2,
  # 88 + 57 / 2 pixels).
  xdotool mousemove --window "$wyc_window" 612 116 click 1
  article="$(cat "$1")"
  for _ in $(seq 50); do
    result="$(xclip -o -selection clipboard 2>/dev/null || true)"
    [ -n "$result" ] && [ "$result" != "$article" ] && break
    sleep 0.1
  done
  printf '%s\n' "$result"
}

wyc_run_main() {
  cd "$wyc_root"
  wyc_build_window
  if [ -n "${DISPLAY:-}" ]; then
    exec "$wyc_app"
  fi

  trap wyc_stop_display EXIT
  wyc_start_display
  echo "No display: running the window on the virtual display $DISPLAY"
  wyc_open_window "$wyc_app"
  local result
  result="$(wyc_rewrite samples/article.txt)"
  echo
  echo "The clipboard now holds:"
  echo "----------------------------------------"
  printf '%s\n' "$result"
  echo "----------------------------------------"

  local screenshot="$wyc_root/build/screenshot-linux.png"
  import -window "$wyc_window" "$screenshot"
  echo "Screenshot of the window saved to $screenshot"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  wyc_run_main "$@"
fi
