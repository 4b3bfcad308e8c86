#!/usr/bin/env bash
# The real program at every display scale a Windows user picks, 100 % to 200 % (96 to 192 dpi),
# each in a fresh Wine prefix whose LogPixels is set before the program starts: its client area
# and controls, read from outside by the layout probe, are the 96-dpi layout scaled, and drawn at
# that DPI by the program itself; at 150 % and 200 % a run puts the rewritten article on the
# clipboard, and the window is saved as OUTPUT_DIR/window-<dpi>.png. The unit tests of the
# fallbacks that Windows 7, 8 and 8.1 take run at each DPI too: the layout they give at the system
# DPI is Windows 10's.
# Usage: run_at_dpis.sh PROGRAM.exe LAYOUT_PROBE.exe UI_TEST.exe OUTPUT_DIR
set -euo pipefail
program="$(realpath "$1")" probe="$(realpath "$2")" unit="$(realpath "$3")"
output="$(realpath -m "$4")"
source "$(dirname "$0")/../../../scripts/test-windows.sh"
fail() { echo "run_at_dpis.sh: $*" >&2; exit 1; }
poll() { for _ in $(seq 50); do "$@" && return 0; sleep 0.2; done; return 1; }

copy=""
cleanup() {
  if [ -n "$copy" ]; then
    WINEPREFIX="$copy" wineserver -k >/dev/null 2>&1 || true
    rm -rf "$copy"
  fi
  WINEPREFIX="$template" wyc_cleanup
}
# A screen and a Wine desktop that hold the window at 200 % (1376 x 1056 inside its frame):
# Windows keeps a window within the screen's size.
wyc_start_xvfb 1600x1280x24
wyc_init_prefix
template="$WINEPREFIX"
trap cleanup EXIT
wyc_link_marlett
# Every program of the session, the probe as well, in one Wine desktop, which draws the frames.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1600x1280 /f >/dev/null
wineserver -w
mkdir -p "$output"
article="$(seq 40 | sed 's/$/ 朔屿伪原创工具可以打乱文章顺序，并自动复制到剪切板。/')"

for dpi in 96 120 144 168 192; do
  copy="$(mktemp -d /tmp/wyc-wine-dpi.XXXXXX)"
  cp -a "$template/." "$copy"
  export WINEPREFIX="$copy"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  # The session ends, so that the next one starts at the new DPI.
  wineserver -w
  (cd "$(dirname "$program")" && wine "$program" >/dev/null 2>&1 &)
  window="$(timeout 60 xdotool search --sync --onlyvisible --name '^朔屿伪原创工具 1\.0$' | tail -n 1)"
  echo "== $dpi dpi"
  wine "$probe" "$dpi" || fail "at $dpi dpi the window is not the layout scaled"
  if [ "$dpi" = 144 ] || [ "$dpi" = 192 ]; then
    # The placeholder is selected, so the paste replaces it; Tab reaches "开始伪原创".
    echo -n "$article" | xclip -selection clipboard >/dev/null 2>&1
    xdotool windowfocus --sync "$window"
    xdotool key --delay 80 ctrl+v Tab Return
    poll eval '[ "$(xclip -o -selection clipboard)" != "$article" ]' || fail "at $dpi dpi no run"
    rewritten="$(xclip -o -selection clipboard)"
    [ "$(grep -v '^$' <<<"$rewritten" | sort)" = "$(sort <<<"$article")" ] ||
      fail "at $dpi dpi the clipboard holds no rewritten article"
    # Off the window, so that no button is drawn as hovered.
    xdotool mousemove 0 0
    sleep 1
  fi
  import -window "$window" "$output/window-$dpi.png"
  wineserver -k
  wineserver -w
  wine "$unit" --gtest_filter='*SystemDpi*' --gtest_brief=1 ||
    fail "at $dpi dpi an older Windows lays the window out otherwise"
  wineserver -w
  rm -rf "$copy"
  copy=""
done
echo "run_at_dpis.sh: the window is the layout scaled at 96 to 192 dpi; pictures in $output"
