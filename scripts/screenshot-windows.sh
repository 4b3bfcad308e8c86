#!/usr/bin/env bash
# Takes a screenshot of the Windows program under Wine on a private Xvfb display, inside a Wine
# virtual desktop so the window frame and caption are drawn too; optionally with the desktop's
# message font at another size, as a user who wants larger text sets it, or after a run on an
# article pasted in as a person would.
# Usage: scripts/screenshot-windows.sh [--article FILE] [output.png] [font points]
# (build windows-i686 first, or windows-x86_64 on a machine that runs no 32-bit programs; with
# --article always windows-x86_64, which draws the same window: the run needs the still clock,
# and its library hangs as Wine's 32-bit loader starts)
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/test-windows.sh"

article=""
if [ "${1:-}" = --article ]; then
  article="$(realpath "$2")"
  shift 2
fi
preset="$(wyc_windows_preset)"
[ -z "$article" ] || preset=windows-x86_64
build="$wyc_root/build/$preset"
output="$(realpath -m "${1:-$build/screenshot-windows.png}")"
points="${2:-}"
program="$(ls "$build"/app/win32/*.exe 2>/dev/null | head -n 1 || true)"
[ -f "$program" ] || { echo "screenshot-windows.sh: build the $preset preset first" >&2; exit 1; }

trap wyc_cleanup EXIT
trap 'exit 130' INT TERM
wyc_start_xvfb
wyc_init_prefix
wyc_link_marlett
if [ -n "$points" ]; then
  # The message font is a LOGFONTW whose first field is the height in pixels at 96 dpi, negative
  # for the character height, as a little-endian 32-bit number.
  key='HKCU\Control Panel\Desktop\WindowMetrics'
  font="$(wine reg query "$key" /v MessageFont | tr -d '\r' | awk '/MessageFont/ { print $3 }')"
  height="$(printf '%08X' $(((1 << 32) - (points * 96 + 36) / 72)))"
  height="${height:6:2}${height:4:2}${height:2:2}${height:0:2}"
  wine reg add "$key" /v MessageFont /t REG_BINARY /d "${height}${font:8}" /f >/dev/null
  wineserver -w
fi
if [ -z "$article" ]; then
  (cd "$(dirname "$program")" &&
     wine explorer /desktop=wyc,800x640 "$(basename "$program")" >/dev/null 2>&1 &)
else
  # Only the program runs on the still clock. The session and its desktop start on the real one
  # first: under a clock that stands still, the session's start (wineboot) does not finish.
  (wine explorer /desktop=wyc,800x640 >/dev/null 2>&1 &)
  timeout 60 xdotool search --sync --onlyvisible --name '^wyc - Wine desktop$' >/dev/null
  (cd "$(dirname "$program")" && "${wyc_still_clock[@]}" /usr/lib/wine/wine64 explorer \
     /desktop=wyc,800x640 "$(basename "$program")" >/dev/null 2>&1 &)
fi
title='^朔屿伪原创工具 1\.0$'
timeout 60 xdotool search --sync --onlyvisible --name "$title" >/dev/null
# Wine gives no signal for a painted window from outside; the window found then is the one shown.
sleep 3
window="$(xdotool search --onlyvisible --name "$title" | tail -n 1)"
if [ -n "$article" ]; then
  # The placeholder is selected at start, so the paste replaces it; Tab reaches "开始伪原创" and
  # Enter presses it. xclip serves the clipboard until the program takes it over.
  xclip -selection clipboard <"$article" >/dev/null 2>&1
  xdotool windowfocus --sync "$window"
  xdotool key --delay 80 ctrl+v Tab Return
  for _ in $(seq 50); do
    [ "$(xclip -o -selection clipboard 2>/dev/null)" != "$(cat "$article")" ] && break
    sleep 0.2
  done
  sleep 1
fi
import -window "$window" "$output"
echo "$output"
