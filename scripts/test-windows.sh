#!/usr/bin/env bash
# Cross-builds the Windows program with MinGW-w64 (32- and 64-bit) and runs its tests under Wine
# on a private Xvfb display with a fresh Wine prefix. Usage: scripts/test-windows.sh
# Sourced (by the screenshot scripts) it only defines the Wine helpers below.
set -euo pipefail

wyc_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Starts Xvfb on the first free display, with a screen of the size given (1024x768x24 unless
# told), and exports DISPLAY.
wyc_start_xvfb() {
  local display=90 screen="${1:-1024x768x24}"
  while [ -e "/tmp/.X11-unix/X${display}" ] || [ -e "/tmp/.X${display}-lock" ]; do
    display=$((display + 1))
  done
  Xvfb ":${display}" -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
  wyc_xvfb_pid=$!
  export DISPLAY=":${display}"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display}" ] && return 0
    kill -0 "$wyc_xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "test-windows.sh: Xvfb did not start on ${DISPLAY}" >&2
  return 1
}

# Whether this machine runs 32-bit programs: some kernels refuse them (an i386 execve gives
# ENOEXEC), and Wine then runs 64-bit Windows programs only, through its 64-bit loader.
wyc_runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

# The build whose programs Wine can run here.
wyc_windows_preset() { if wyc_runs_32bit; then echo windows-i686; else echo windows-x86_64; fi; }

# Debian's `wine` (and wineboot and the other tools, which call wine-stable) start the 32-bit
# loader whenever it is installed; where it cannot run, they must start the 64-bit one.
wyc_use_wine64() {
  wyc_wine64_bin="$(mktemp -d /tmp/wyc-wine64.XXXXXX)"
  local name
  for name in wine wine-stable; do
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$wyc_wine64_bin/$name"
    chmod +x "$wyc_wine64_bin/$name"
  done
  export PATH="$wyc_wine64_bin:$PATH" WINELOADER=/usr/lib/wine/wine64
}

# The shuffle is seeded by the time of day; a program started behind this sees a clock that
# stands still (monotonic time, which timers use, still runs), so a run on the same article gives
# the same order, and a picture of it the same bytes, every time. The dynamic loader reads $LIB as
# the library folder of the program's own width, 32- or 64-bit. Needs libfaketime. Under Wine
# only a program started by the 64-bit loader (wine64) may run behind it, in a session already
# started on the real clock: Wine's 32-bit loader hangs as libfaketime starts in it, and Wine's
# start of a session (wineboot) does not finish behind it.
wyc_still_clock=(env TZ=UTC FAKETIME="2026-12-07 09:30:00" FAKETIME_DONT_FAKE_MONOTONIC=1
                 LD_PRELOAD='/usr/$LIB/faketime/libfaketime.so.1')

# A fresh, quiet Wine prefix with a CJK font behind the dialog font, initialised and idle.
wyc_init_prefix() {
  WINEPREFIX="$(mktemp -d /tmp/wyc-wine.XXXXXX)"
  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wyc_runs_32bit || wyc_use_wine64
  wineboot -i >/dev/null 2>&1
  wineserver -w
  # Wine's Tahoma has no CJK glyphs and its own font links name Windows fonts; link Noto CJK so
  # Chinese control texts render.
  local cjk
  cjk="$(fc-match -f '%{file}' 'Noto Sans CJK SC' 2>/dev/null || true)"
  if [ -n "$cjk" ] && [ -f "$cjk" ]; then
    local link="$(basename "$cjk"),Noto Sans CJK SC"
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    for face in Tahoma "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2"; do
      wine reg add "$key" /v "$face" /t REG_MULTI_SZ /d "$link" /f >/dev/null 2>&1 || true
    done
    wineserver -w
  fi
}

# Wine draws the buttons of a caption with its Marlett (fonts-wine, installed for the pictures),
# which a prefix does not always find by itself; only that font goes in, as Wine's Tahoma has no
# Chinese and would stand in front of Noto CJK.
wyc_link_marlett() {
  local marlett=/usr/share/wine/fonts/marlett.ttf
  [ ! -f "$marlett" ] || ln -sf "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
}

wyc_cleanup() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "${WINEPREFIX}" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    rm -rf "${WINEPREFIX}"
  fi
  [ -z "${wyc_wine64_bin:-}" ] || rm -rf "$wyc_wine64_bin"
  if [ -n "${wyc_xvfb_pid:-}" ]; then
    kill "$wyc_xvfb_pid" 2>/dev/null || true
    wait "$wyc_xvfb_pid" 2>/dev/null || true
  fi
}

wyc_main() {
  cd "$wyc_root"
  "$wyc_root/scripts/install-deps.sh" windows
  local tested
  tested="$(wyc_windows_preset)"
  if [ "$tested" != windows-i686 ]; then
    echo "test-windows.sh: this machine runs no 32-bit programs: testing the 64-bit build" >&2
  fi
  cmake --preset windows-i686
  cmake --build --preset windows-i686 -j2
  cmake --preset windows-x86_64 -DWYC_BUILD_TESTS="$([ "$tested" = windows-x86_64 ] && echo ON || echo OFF)"
  cmake --build --preset windows-x86_64 -j2
  # The 64-bit programs' headers (high-entropy ASLR is theirs alone), read without Wine, so
  # checked here too where that build's tests are off; and what the build that CTest does not
  # test imports, so that both start on Windows 7 SP1.
  local program untested=windows-x86_64
  for program in build/windows-x86_64/app/*/*.exe; do
    /usr/bin/python3 tests/app/win32/check_program.py "$program" amd64
  done
  [ "$tested" = windows-i686 ] || untested=windows-i686
  /usr/bin/python3 tests/app/win32/check_imports.py build/"$untested"/app/*/*.exe
  trap wyc_cleanup EXIT
  trap 'exit 130' INT TERM
  wyc_start_xvfb
  wyc_init_prefix
  # The window tests are RUN_SERIAL; the rest may share the two cores.
  ctest --preset "$tested" --parallel 2
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  wyc_main "$@"
fi
