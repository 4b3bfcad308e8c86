#!/usr/bin/env bash
# weiyuanchuang-cli run as a user runs it: files, pipes, encodings, errors, exit statuses and
# memory limits. Usage: cli_end_to_end_test.sh PROGRAM [SANITIZED]
set -u
cli=$(realpath "$1")
sanitized=${2:-OFF}  # address space limits cannot hold a sanitizer's shadow memory
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
passed=0 failed=0 skipped=0

# expect NAME STATUS OUT ERR COMMAND: runs COMMAND in a shell ($1 is the program) for a minute at
# most and checks the exit status, the exact standard output (OUT, a printf format) and standard
# error: empty when ERR is empty, else one line "weiyuanchuang-cli: ..." holding ERR and no
# control character.
# Rows named "(limit)" need an address space limit and are skipped in a sanitizer build.
expect() {
  local status=0
  [ "$sanitized" = ON ] && [[ $1 == *"(limit)"* ]] && { skipped=$((skipped + 1)); return; }
  timeout 60 bash -c "$5" cli "$cli" >out 2>err || status=$?
  printf "$3" >expected
  if [ "$status" -eq "$2" ] && cmp -s out expected &&
    if [ -z "$4" ]; then [ ! -s err ]; else [ "$(wc -l <err)" -eq 1 ] &&
      grep -q '^weiyuanchuang-cli: ' err && grep -qF -- "$4" err && ! LC_ALL=C grep -q $'[\x01-\x1f\x7f]' err; fi
  then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL $1: status $status"; od -c out | head -5; cat err
  fi
}

seq 1000000 | sed 's/.*[37]$//' >article  # 7 MB, more blocks than the output has buffers
printf 'a\n' >small
head -c 64M /dev/zero | tr '\0' '\n' >breaks

while IFS='|' read -r name status out err command; do
  expect "$name" "$status" "$out" "$err" "$command"
done <<'ROWS'
lf|0|b\n\nc\n\na\n||printf 'a\n\nb\n\n\nc\n' | "$1" --seed 1
crlf|0|b\r\n\r\nc\r\n\r\na\r\n||printf 'a\r\n\r\nb\r\n\r\n\r\nc' | "$1" --seed 1
crlf in two reads|0|b\r\n\r\nc\r\n\r\na\r\n||(printf 'a\r'; sleep 0.1; printf '\nb\r\n\r\n\r\nc') | "$1" --seed 1
first break decides|0|b\r\n\nc\n\na\n||printf 'a\nb\r\nc\n' | "$1" --seed 1
one line|0|single line\n||printf 'single line' | "$1"
blank is not empty|0|\t\r\n\r\n  \r\n||printf '  \r\n\t\r\n' | "$1" --seed 1
bytes pass|0|\200\377\376\n\na\000b\n\n\326\320\n||printf '\326\320\n\n\200\377\376\na\0b' | "$1" --seed 1
utf-8 mark|0|\357\273\277b\n\na\n||printf '\357\273\277a\nb\n' | "$1" --seed 1
utf-16le|0|\377\376B\000\n\000\n\000A\000\n\000||printf '\377\376A\0\n\0B\0\n\0' | "$1" --seed 7
utf-16be|0|\376\377\000B\000\n\000\n\000A\000\n||printf '\376\377\0A\0\n\0B\0\n' | "$1" --seed 7
utf-32le|0|\377\376\000\000B\000\000\000\n\000\000\000\n\000\000\000A\000\000\000\n\000\000\000||printf '\377\376\0\0A\0\0\0\n\0\0\0B\0\0\0\n\0\0\0' | "$1" --seed 7
utf-32be|0|\000\000\376\377\000\000\000B\000\000\000\n\000\000\000\n\000\000\000A\000\000\000\n||printf '\0\0\376\377\0\0\0A\0\0\0\n\0\0\0B\0\0\0\n' | "$1" --seed 7
nothing left|0|||printf '\r\n\r\n' | "$1" && printf '\357\273\277\n' | "$1" && "$1" </dev/null
large, nothing left (limit)|0|||ulimit -v 400000; "$1" breaks && "$1" <breaks
pipe, file, stdin, slow reader|0|||"$1" --seed 5 article >f && "$1" --seed=5 - <article >s && cat article | "$1" --seed 5 >p && "$1" --seed 5 article | (sleep 0.3; cat) >q && cmp f s && cmp f p && cmp f q && ! "$1" --seed 6 article | cmp -s - f && [ "$(grep -v '^$' f | sort)" = "$(grep -v '^$' article | sort)" ] && [ "$(wc -c <f)" -eq $(($(wc -c <article) - 200000 + 800000 - 1)) ]
no seed, new order|0|||"$1" article >one && sleep 0.05 && "$1" article >two && ! cmp -s one two
out of memory (limit)|1||out of memory reading standard input|ulimit -v 100000; head -c 200M /dev/zero | "$1"
missing file|1||cannot open 'a'$'\n''b': No such file or directory|"$1" $'a\nb'
directory|1||Is a directory|"$1" .
unknown option|2||unknown option '--bogus'|"$1" --bogus small
half a utf-16 unit|1||ends in part of a character|printf '\377\376x\0y' | "$1"
part of a utf-32 unit|1||standard input starts with a UTF-32|printf '\0\0\376\377\0\0\0x\0' | "$1" -
full disk|1||No space left on device|"$1" article >/dev/full
full disk, small|1||No space left on device|"$1" small >/dev/full
full disk, help|1||No space left on device|"$1" --help >/dev/full
version|0|weiyuanchuang-cli 1.0.0\n||"$1" --version
help|0|Usage: weiyuanchuang-cli [--seed N] [FILE]\n||"$1" --help | head -n 1
ROWS

echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
