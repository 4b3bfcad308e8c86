#!/usr/bin/env bash
# The Windows packages under Wine, used as a person would: the zip's command line runs; the
# installer installs silently for all users and for the current user, each time with its files,
# Start-menu shortcut and Add/Remove Programs entry, and the program starts from its folder; the
# silent uninstall leaves nothing of it but the skin files the user put there.
# First, without Wine, that every program the packages hold starts on Windows 7 SP1: the zip's
# two, the installer, and the uninstaller it writes, whose copy the package build keeps.
# Usage: tests/packaging/windows.sh DIST_DIR [UNINSTALLER]   (as scripts/package.sh makes them;
# the uninstaller defaults to the one in its build folder)
set -euo pipefail
source "$(dirname "$0")/../../scripts/test-windows.sh"
dist="$(realpath "$1")"
fail() { echo "windows.sh: $*" >&2; exit 1; }
setup="$(echo "$dist"/weiyuanchuang-*-setup.exe)"
version="${setup##*/weiyuanchuang-}" version="${version%-setup.exe}"
uninstaller="${2:-$wyc_root/build/package-windows/packaging/weiyuanchuang-$version-uninstall.exe}"
[ -f "$uninstaller" ] || fail "no uninstaller at $uninstaller: run scripts/package.sh first"
unzipped="$(mktemp -d)"
cmake -E chdir "$unzipped" cmake -E tar xf "$dist/weiyuanchuang-$version-win32.zip"
/usr/bin/python3 "$wyc_root/tests/app/win32/check_imports.py" "$setup" "$uninstaller" \
  "$unzipped"/*/*.exe
rm -rf "$unzipped"
if ! wyc_runs_32bit; then
  # The packages hold the 32-bit program, and an NSIS installer is 32-bit whatever it installs.
  echo "windows.sh: SKIPPED: this machine runs no 32-bit programs, so Wine cannot run the packages" >&2
  exit 0
fi
trap wyc_cleanup EXIT
wyc_start_xvfb
wyc_init_prefix
# Else Wine copies the Start-menu shortcut into this machine's own desktop menu.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
c="$WINEPREFIX/drive_c" user="$WINEPREFIX/drive_c/users/$(id -un)"
app=朔屿伪原创工具 exe="朔屿伪原创工具 1.0.exe" key='Software\Microsoft\Windows\CurrentVersion\Uninstall'

cmake -E chdir "$WINEPREFIX" cmake -E tar xf "$dist/weiyuanchuang-$version-win32.zip"
[ "$(wine "$WINEPREFIX/weiyuanchuang-$version-win32/weiyuanchuang-cli.exe" --version)" = \
  "weiyuanchuang-cli $version" ] || fail "the zip's weiyuanchuang-cli.exe does not run"

# Files and registry keys. The uninstaller runs from a copy in %TEMP% that Windows deletes on the
# next restart; per-user installs go into places that Windows shares between programs.
snapshot() { wineserver -w; cd "$WINEPREFIX" && find drive_c ! -path '*/Temp/*' && grep -h '^\[' ./*.reg | cut -d' ' -f1; }
mkdir -p "$user/AppData/Local/Programs" && wine reg add "HKCU\\$key" /f >/dev/null
before="$(snapshot | sort)"
for mode in AllUsers CurrentUser; do
  dir="$c/Program Files (x86)/$app" menu="$c/ProgramData" hive=HKLM
  [ $mode = AllUsers ] || dir="$user/AppData/Local/Programs/$app" menu="$user/AppData/Roaming" hive=HKCU
  wine "$setup" /S /$mode && wineserver -w
  for file in "$exe" weiyuanchuang-cli.exe LICENSE.txt 说明.txt uninstall.exe; do
    [ -f "$dir/$file" ] || fail "$mode: no $file"
  done
  python3 -c 'import sys; sys.exit(sys.argv[2].encode("utf-16-le") not in open(sys.argv[1], "rb").read())' \
    "$menu/Microsoft/Windows/Start Menu/Programs/$app.lnk" "$exe" || fail "$mode: no shortcut to $exe"
  wine reg export "$hive\\$key\\weiyuanchuang" "Z:$WINEPREFIX/entry.txt" /reg:32 /y >/dev/null
  [ "$(iconv -f UTF-16 "$WINEPREFIX/entry.txt" | grep -c -e "^\"DisplayName\"=\"$app\"" \
       -e "^\"DisplayVersion\"=\"$version\"" -e '^"Publisher"="朔屿"' -e '^"URLInfoAbout"="http' \
       -e "^\"DisplayIcon\"=\".*\\\\\\\\$exe\"" -e '^"EstimatedSize"=dword:')" = 6 ] ||
    fail "$mode: the Add/Remove Programs entry lacks a value: $(iconv -f UTF-16 "$WINEPREFIX/entry.txt")"
  wine "$dir/$exe" & program=$!
  timeout 30 xdotool search --sync --onlyvisible --name "^$app 1\\.0\$" >/dev/null || fail "$mode: no window"
  wine taskkill /im "$exe" >/dev/null && wait "$program"
  touch "$dir/SkinH_VB6.dll" "$dir/aero.she"
  wine "$dir/uninstall.exe" /S && wineserver -w
  [ "$(ls -A "$dir" | LC_ALL=C sort | tr '\n' ' ')" = "SkinH_VB6.dll aero.she " ] ||
    fail "$mode: the uninstaller left or took the wrong files: $(ls -A "$dir")"
  rm -r "$dir"
  diff <(echo "$before") <(snapshot | sort) || fail "$mode: the lines marked > were left behind"
  ! grep -il -e weiyuanchuang -e '\\x6714\\x5c7f' "$WINEPREFIX"/*.reg || fail "$mode: left in the registry"
done
echo "windows.sh: the zip runs, the installer installs, works and uninstalls cleanly"
