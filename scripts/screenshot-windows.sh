#!/usr/bin/env bash
# Takes a screenshot of the Windows program under Wine on a private Xvfb display, inside a Wine
# virtual desktop so the window frame and caption are drawn too.
# Usage: scripts/screenshot-windows.sh [output.png]   (build the windows-i686 preset first)
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/test-windows.sh"

output="$(realpath -m "${1:-$wyc_root/build/windows-i686/screenshot-windows.png}")"
program="$(ls "$wyc_root"/build/windows-i686/app/win32/*.exe | head -n 1)"
[ -f "$program" ] || { echo "screenshot-windows.sh: build the windows-i686 preset first" >&2; exit 1; }

trap wyc_cleanup EXIT
trap 'exit 130' INT TERM
wyc_start_xvfb
wyc_init_prefix
(cd "$(dirname "$program")" && wine explorer /desktop=wyc,800x640 "$(basename "$program")" \
   >/dev/null 2>&1 &)
# Wait for the window to be mapped and painted; Wine gives no signal for that from outside.
sleep 8
import -window root -crop 800x640+0+0 "$output"
echo "$output"
