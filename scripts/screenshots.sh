#!/usr/bin/env bash
# Makes every picture README.md shows, from a fresh build of the current sources, into
# docs/images/ as optimised PNG files of at most 150 KB; run it again after changing the window.
# Usage: scripts/screenshots.sh [linux] [windows] [web] [app]   (all of them when none is named)
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/run.sh"
source "$wyc_root/scripts/test-windows.sh"

images="$wyc_root/docs/images"

# 256 colours lose nothing visible in a window's flat colours and take a third of the bytes; a
# picture larger than a repository should carry is refused rather than committed.
optimise_png() {
  local from="$1" to="$2" size
  pngquant --force --strip --speed 1 --quality 80-100 --output "$to" -- "$from"
  optipng -quiet -o5 -strip all "$to"
  size="$(stat -c %s "$to")"
  if [ "$size" -gt $((150 * 1024)) ]; then
    echo "screenshots.sh: ${to#"$wyc_root"/} is $size bytes, more than 150 KB" >&2
    return 1
  fi
  echo "${to#"$wyc_root"/}: $size bytes"
}

# A Chinese desktop's fonts: Noto Sans CJK SC for the Latin letters as well, rather than DejaVu
# Sans beside Chinese from another font.
write_fonts_conf() {
  cat >"$1" <<'EOF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <alias binding="strong"><family>sans-serif</family><prefer><family>Noto Sans CJK SC</family></prefer></alias>
  <alias binding="strong"><family>Sans Serif</family><prefer><family>Noto Sans CJK SC</family></prefer></alias>
</fontconfig>
EOF
}

# The Linux window, framed by a window manager so that its caption shows, after a run on the
# sample article.
shot_linux() {
  wyc_build_window
  (
    trap wyc_stop_display EXIT
    wyc_start_display
    write_fonts_conf "$wyc_work/fonts.conf"
    export FONTCONFIG_FILE="$wyc_work/fonts.conf"
    # Openbox runs the start-up command once it manages windows; a window mapped earlier would
    # stay without a frame.
    openbox --startup "touch $wyc_work/managing" >/dev/null 2>&1 &
    wyc_pids+=($!)
    for _ in $(seq 100); do [ -e "$wyc_work/managing" ] && break; sleep 0.1; done
    [ -e "$wyc_work/managing" ] || { echo "screenshots.sh: openbox did not start" >&2; exit 1; }
    wyc_open_window "${wyc_still_clock[@]}" "$wyc_app"
    wyc_rewrite "$wyc_root/samples/article.txt" >/dev/null
    # Off the window, so that no button is drawn as hovered.
    xdotool mousemove 1023 767
    sleep 0.5
    import -frame -window "$wyc_window" "$wyc_work/linux.png"
    optimise_png "$wyc_work/linux.png" "$images/window-linux.png"
  )
}

# The Windows window under Wine after a run on the sample article: the 64-bit build, which draws
# the same window as the 32-bit one, since the still clock hangs as Wine's 32-bit loader starts.
shot_windows() {
  local raw
  "$wyc_root/scripts/install-deps.sh" windows
  (cd "$wyc_root" && cmake --preset windows-x86_64 &&
     cmake --build --preset windows-x86_64 --target weiyuanchuang_win32)
  raw="$(mktemp --suffix=.png)"
  "$wyc_root/scripts/screenshot-windows.sh" --article "$wyc_root/samples/article.txt" "$raw" >/dev/null
  optimise_png "$raw" "$images/window-windows.png"
  rm -f "$raw"
}

# The offline page at a computer's width (1280 × 800) and on a phone (390 × 844 CSS pixels), as
# headless Chromium draws it, with the system light and dark.
shot_web() {
  local page="$wyc_root/build/web/weiyuanchuang.html" work size scheme name
  (cd "$wyc_root" && cmake --preset web && cmake --build --preset web)
  work="$(mktemp -d)"
  write_fonts_conf "$work/fonts.conf"
  for scheme in light dark; do
    for size in desktop:1280,800 phone:390,844; do
      name="web-${size%%:*}$([ "$scheme" = light ] || echo "-$scheme")"
      FONTCONFIG_FILE="$work/fonts.conf" chromium --headless --no-sandbox --disable-gpu \
        --hide-scrollbars --force-device-scale-factor=1 --lang=zh-CN --user-data-dir="$work/profile" \
        $([ "$scheme" = light ] || echo --force-dark-mode) --window-size="${size#*:}" \
        --screenshot="$work/$name.png" "file://$page" >/dev/null 2>&1
      optimise_png "$work/$name.png" "$images/$name.png"
    done
  done
  rm -rf "$work"
}

# The installed web app on a phone's screen, just sent the sample article from another app.
shot_app() {
  local work
  (cd "$wyc_root" && cmake --preset web && cmake --build --preset web)
  work="$(mktemp -d)"
  write_fonts_conf "$work/fonts.conf"
  FONTCONFIG_FILE="$work/fonts.conf" /usr/bin/python3 "$wyc_root/scripts/screenshot-app.py" \
    "$wyc_root/build/web/site" "$wyc_root/samples/article.txt" "$work/app.png"
  optimise_png "$work/app.png" "$images/web-app-phone.png"
  rm -rf "$work"
}

shots=("$@")
[ ${#shots[@]} -gt 0 ] || shots=(linux windows web app)
for shot in "${shots[@]}"; do
  case "$shot" in
    linux | windows | web | app) ;;
    *) echo "screenshots.sh: unknown picture '$shot' (linux, windows, web, app)" >&2; exit 2 ;;
  esac
done
"$wyc_root/scripts/install-deps.sh" screenshots
mkdir -p "$images"
for shot in "${shots[@]}"; do
  "shot_$shot"
done
