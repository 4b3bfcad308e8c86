#!/usr/bin/env bash
# The real program under Wine, used from outside as a person would: keys by xdotool, the
# clipboard read and filled by xclip (Wine shares the X clipboard), the prompt seen as a window.
# An xclip that fills the clipboard stays until another program takes it over or the display
# ends, so it must not hold on to the test's output.
# Usage: run_program.sh PROGRAM.exe, with DISPLAY and WINEPREFIX set (scripts/test-windows.sh).
set -euo pipefail
fail() { echo "run_program.sh: $*" >&2; exit 1; }
poll() { for _ in $(seq 50); do "$@" && return 0; sleep 0.2; done; return 1; }
shown() { [ "$(xdotool search --onlyvisible --name "$1" | wc -l)" = "$2" ]; }
# Presses the keys given and prints what they put on the clipboard.
copy() {
  echo -n marker | xclip -selection clipboard >/dev/null 2>&1
  xdotool key --delay 80 "$@"
  poll eval '[ "$(xclip -o -selection clipboard)" != marker ]' || fail "$* copied nothing"
  xclip -o -selection clipboard
}
box() { [ "$(copy ctrl+a ctrl+c)" = "$1" ] || fail "the box does not hold '$1'"; }

trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
wine "$1" >/dev/null 2>&1 &
window="$(timeout 60 xdotool search --sync --onlyvisible --name '^朔屿伪原创工具 1\.0$')"
xdotool windowfocus --sync "$window"
# The placeholder is selected, so typing replaces it; Enter in the box is a line break.
xdotool type $'x\ny'
box $'x\ny'

# A long article pasted in is kept whole; Tab reaches the start button and Enter presses it.
article="$(seq 1000 | sed 's/$/ 朔屿伪原创工具可以打乱文章顺序，并自动复制到剪切板。abcdefghijklmnopqrstuvwxyz/')"
echo -n "$article" | xclip -selection clipboard >/dev/null 2>&1
xdotool key ctrl+v
rewritten="$(copy Tab Return)"
[ "$rewritten" != "$article" ] && [ "$(grep -c '^$' <<<"$rewritten")" = 999 ] &&
  [ "$(grep -v '^$' <<<"$rewritten" | sort)" = "$(sort <<<"$article")" ] || fail "not rewritten"

# Tab and Shift+Tab go round the three buttons and the box, skipping the labels; Esc closes nothing.
xdotool key --delay 80 Tab Tab Tab Escape type z
box z
xdotool key --delay 80 shift+Tab shift+Tab shift+Tab Escape shift+Tab type w
box w

# Leaving the empty box for a button prompts once and brings the focus back.
xdotool key --delay 80 Delete Tab
poll shown '^工程1$' 1 || fail "no prompt"
xdotool key Return
poll shown '^工程1$' 0 && sleep 1 && shown '^工程1$' 0 || fail "the prompt stayed or came again"
xdotool type u
box u

# Another program taking the focus, or closing the window, prompts for nothing.
xdotool key BackSpace
wine notepad >/dev/null 2>&1 &
xdotool windowfocus --sync "$(timeout 30 xdotool search --sync --onlyvisible --name Notepad)"
sleep 1
xdotool key alt+F4
poll shown Notepad 0 && shown '^工程1$' 0 || fail "Notepad did not take the focus, or a prompt came"
xdotool windowfocus --sync "$window"
xdotool key alt+F4
poll shown '^朔屿伪原创工具' 0 && shown '^工程1$' 0 || fail "the window did not close, or prompted"
wait %1
