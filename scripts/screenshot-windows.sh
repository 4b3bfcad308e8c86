#!/usr/bin/env bash
# Takes a screenshot of the Windows program under Wine on a private Xvfb display, inside a Wine
# virtual desktop so the window frame and caption are drawn too; optionally with the desktop's
# message font at another size, as a user who wants larger text sets it.
# Usage: scripts/screenshot-windows.sh [output.png] [font points]  (build windows-i686 first, or
# windows-x86_64 on a machine that runs no 32-bit programs)
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/test-windows.sh"

build="$wyc_root/build/$(wyc_windows_preset)"
output="$(realpath -m "${1:-$build/screenshot-windows.png}")"
points="${2:-}"
program="$(ls "$build"/app/win32/*.exe | head -n 1)"
[ -f "$program" ] || { echo "screenshot-windows.sh: build the $(wyc_windows_preset) preset first" >&2; exit 1; }

trap wyc_cleanup EXIT
trap 'exit 130' INT TERM
wyc_start_xvfb
wyc_init_prefix
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
(cd "$(dirname "$program")" && wine explorer /desktop=wyc,800x640 "$(basename "$program")" \
   >/dev/null 2>&1 &)
# Wait for the window to be mapped and painted; Wine gives no signal for that from outside.
sleep 8
import -window root -crop 800x640+0+0 "$output"
echo "$output"
