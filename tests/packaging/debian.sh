#!/usr/bin/env bash
# The Debian package, used as a person would: lintian finds no error; apt-get installs it; the
# command line, its manual and the window started from the desktop entry work from /usr; purging it
# leaves none of its files. Usage: tests/packaging/debian.sh weiyuanchuang_<version>_amd64.deb
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"
source "$(dirname "$0")/../../scripts/test-windows.sh"
deb="$(realpath "$1")" version="$(dpkg-deb -f "$1" Version)"
# No empty line in it, so the rewrite's blank lines tell a rewritten article from the original.
article=$'春眠不觉晓\r\n处处闻啼鸟\r\n夜来风雨声\r\n花落知多少'
rewritten="$(printf '%s\n' '' '' '' 春眠不觉晓 处处闻啼鸟 夜来风雨声 花落知多少 | sort)"
sorted() { tr -d '\r' | sort; }
fail() { echo "debian.sh: $*" >&2; exit 1; }
lintian --fail-on error "$deb"
! dpkg -s weiyuanchuang >/dev/null 2>&1 || fail "weiyuanchuang is installed already"
mapfile -t paths < <(dpkg-deb -c "$deb" | awk '{ print substr($6, 2) }')
present() { for path in "${paths[@]}"; do [ ! -e "$path" ] || echo "$path"; done; }
before="$(present)"
trap 'wyc_cleanup; apt-get purge -y -qq weiyuanchuang >/dev/null 2>&1 || true' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null

cli=/usr/bin/weiyuanchuang-cli
[ "$($cli --version)" = "weiyuanchuang-cli $version" ] || fail "$cli --version is wrong"
[ "$(printf %s "$article" | $cli | sorted)" = "$rewritten" ] || fail "$cli did not rewrite"
man weiyuanchuang-cli | grep -q "weiyuanchuang $version" || fail "no manual page weiyuanchuang-cli"

# Debian's hardening (cmake/hardening.cmake), checked as Debian checks its own programs. Where the
# C library's start files carry no CET mark, as Debian 12's, no program is marked (/usr/bin/ls is
# not); the code is checked instead: main, which glibc calls through a pointer, starts with
# endbr64. The window calls memcpy, memmove and memset only from libstdc++'s inline code, which
# calls the compiler's built-ins and so is never fortified: its code is the same without
# _FORTIFY_SOURCE; the command line's fortified fprintf speaks for both.
cet=()
readelf -n "$(gcc -print-file-name=Scrt1.o)" | grep -q 'IBT, SHSTK' || cet=(--nocfprotection)
hardening-check "${cet[@]}" $cli || fail "$cli lacks some of Debian's hardening"
hardening-check "${cet[@]}" --nofortify /usr/bin/weiyuanchuang ||
  fail "/usr/bin/weiyuanchuang lacks some of Debian's hardening"
for program in $cli /usr/bin/weiyuanchuang; do
  entry="$(readelf -h $program | awk '/Entry point/ { print $4 }')"
  main="$(objdump -d --start-address="$entry" --stop-address=$((entry + 32)) $program |
    sed -n 's/.*lea .*(%rip),%rdi *# \([0-9a-f]*\).*/\1/p')"
  objdump -d --start-address=0x"$main" --stop-address=$((0x$main + 4)) $program | grep -q endbr64 ||
    fail "$program was compiled without -fcf-protection"
done

# The window as the desktop starts it: paste the article, click "开始伪原创" (its centre in
# ui/form1_layout.h) and read the clipboard.
wyc_start_xvfb
command="$(sed -n 's/^Exec=//p' /usr/share/applications/example.shuoyu.weiyuanchuang.desktop)"
env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" HOME="$HOME" $command 2>/dev/null & window_pid=$!
window="$(timeout 20 xdotool search --sync --onlyvisible --pid $window_pid --name '^朔屿伪原创工具')" ||
  fail "the window did not appear"
printf %s "$article" | xclip -selection clipboard
xdotool windowfocus --sync "$window" key ctrl+a ctrl+v mousemove --window "$window" 612 116 click 1
for _ in $(seq 50); do [ "$(xclip -o -selection clipboard)" = "$article" ] || break; sleep 0.1; done
[ "$(xclip -o -selection clipboard | sorted)" = "$rewritten" ] || fail "the window did not rewrite"
kill $window_pid && wait $window_pid || true

apt-get purge -y -qq weiyuanchuang >/dev/null
! dpkg -s weiyuanchuang >/dev/null 2>&1 || fail "weiyuanchuang is still known to dpkg"
diff <(echo "$before") <(present) || fail "the purge left the lines marked > behind"
echo "debian.sh: the package installs, works and purges cleanly"
