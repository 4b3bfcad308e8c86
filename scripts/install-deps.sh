#!/usr/bin/env bash
# Installs what building, running and testing need on Debian/Ubuntu.
# Usage: scripts/install-deps.sh [core|linux|windows|web|packaging|screenshots|all]...
# Packages already present are skipped, so a second run is quick and offline.
set -euo pipefail

want=("$@")
[ ${#want[@]} -gt 0 ] || want=(all)

core=(build-essential cmake ninja-build pkg-config git clang-format googletest libgtest-dev libgmock-dev
      libbenchmark-dev clang libclang-rt-dev python3 time)
linux=(qt6-base-dev qt6-base-dev-tools libgl-dev qt6-wayland qt6-translations-l10n fonts-noto-cjk
       xdg-utils xvfb xauth xdotool xclip x11-utils imagemagick desktop-file-utils appstream
       dbus at-spi2-core python3-pyatspi weston wl-clipboard)
windows=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools wine wine64 wine32:i386
         python3-pefile xvfb xauth xdotool xclip fonts-noto-cjk imagemagick)
# The web page: Emscripten to build it and rsvg-convert for the app's icons; to test it, the three engines behind every browser:
# Chromium with its WebDriver, Firefox (driven over the WebDriver BiDi socket it opens itself) and
# WebKitGTK's MiniBrowser with its WebDriver on a virtual display; axe-core from npm
# (AXE_VERSION) inside the page; what a screen reader hears, over the accessibility bus.
web=(emscripten librsvg2-bin chromium chromium-driver firefox-esr webkit2gtk-driver python3-selenium
     python3-websocket xvfb xauth xclip fonts-noto-cjk dbus at-spi2-core python3-pyatspi)
AXE_VERSION=4.14.1
# Building the packages and installing them as a user would; the package's own run-time
# dependencies are here so that installing it in the test pulls nothing from the archive.
# Rebuilding them to compare: a Chinese locale to build in, diffoscope to show a difference.
# Debian's hardening-check (devscripts) for the installed programs' protection.
packaging=(dpkg-dev lintian man-db nsis xdotool xclip qt6-wayland qt6-translations-l10n
           xdg-utils locales diffoscope devscripts)
# The README's pictures: a window manager to frame the Linux window, Wine's Marlett for the
# buttons of a caption, a clock that stands still for both programs (so the shuffle, and so the
# picture, is the same on every run), and the PNG optimisers; the web page's come with its group.
screenshots=(openbox fonts-wine libfaketime libfaketime:i386 optipng pngquant)

pkgs=()
need_i386=0
need_axe=0
for w in "${want[@]}"; do
  case "$w" in
    core) pkgs+=("${core[@]}") ;;
    linux) pkgs+=("${core[@]}" "${linux[@]}") ;;
    windows) pkgs+=("${core[@]}" "${windows[@]}"); need_i386=1 ;;
    web) pkgs+=("${core[@]}" "${web[@]}"); need_axe=1 ;;
    packaging) pkgs+=("${core[@]}" "${linux[@]}" "${windows[@]}" "${web[@]}" "${packaging[@]}")
               need_i386=1 ;;
    screenshots) pkgs+=("${core[@]}" "${linux[@]}" "${windows[@]}" "${web[@]}" "${screenshots[@]}")
                 need_i386=1 need_axe=1 ;;
    all) pkgs+=("${core[@]}" "${linux[@]}" "${windows[@]}" "${web[@]}" "${packaging[@]}" "${screenshots[@]}")
         need_i386=1 need_axe=1 ;;
    *) echo "install-deps.sh: unknown group '$w' (core, linux, windows, web, packaging, screenshots, all)" >&2
       exit 2 ;;
  esac
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

if [ "$need_i386" -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
  updated=0
fi

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm comes with Node.js from some sources and as Debian's own package otherwise.
if [ "$need_axe" -eq 1 ] && ! command -v npm >/dev/null; then missing+=(npm); fi
if [ ${#missing[@]} -ne 0 ] || [ "${updated-1}" -ne 1 ]; then
  # De-duplicate while keeping order.
  mapfile -t missing < <(printf '%s\n' "${missing[@]}" | awk '!seen[$0]++')
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  [ ${#missing[@]} -eq 0 ] || $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ "$need_axe" -eq 1 ] && ! npm ls -g "axe-core@$AXE_VERSION" >/dev/null 2>&1; then
  $sudo npm install -g --no-fund --no-audit "axe-core@$AXE_VERSION"
fi
