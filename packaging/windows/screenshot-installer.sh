#!/usr/bin/env bash
# Shows the installer as a person meets it: runs dist/weiyuanchuang-*-setup.exe under Wine in a
# virtual desktop on a private Xvfb display and saves its first four pages (welcome, licence,
# for whom, folder) as PNG files, pressing Enter between them; nothing is installed.
# Usage: packaging/windows/screenshot-installer.sh [OUTPUT_DIR]   (after scripts/package.sh)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/test-windows.sh"
setup="$(echo "$wyc_root"/dist/weiyuanchuang-*-setup.exe)"
[ -f "$setup" ] || { echo "screenshot-installer.sh: run scripts/package.sh first" >&2; exit 1; }
output="$(realpath -m "${1:-$wyc_root/build/installer-screenshots}")"
mkdir -p "$output"
trap wyc_cleanup EXIT
trap 'exit 130' INT TERM
wyc_start_xvfb
wyc_init_prefix
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
# The installer's Chinese pages ask for 宋体 (SimSun), which Chinese Windows has and Wine lacks.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v 宋体 \
  /d 'Noto Sans CJK SC' /f >/dev/null
(wine explorer /desktop=setup,800x600 "$setup" >/dev/null 2>&1 &)
# Wine gives no signal for a painted window from outside: wait, then press Enter for each page.
sleep 8
for page in 1 2 3 4; do
  [ "$page" -eq 1 ] || { xdotool key Return; sleep 2; }
  import -window root -crop 800x600+0+0 "$output/installer-page$page.png"
done
echo "$output"
