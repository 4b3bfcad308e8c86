#!/usr/bin/env bash
# Releases anyone can rebuild bit for bit: builds the packages once more from a fresh clone of
# this checkout in another folder, later, with another time zone, locale and umask, and compares
# every file's sum with a first build's; diffoscope shows what differs.
# Usage: tests/packaging/reproducible.sh DIST_DIR   (as scripts/package.sh made it from here)
set -euo pipefail
first="$(realpath "$1")" root="$(realpath "$(dirname "$0")/../..")" work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
second="$work/another/folder/weiyuanchuang"
[ "$(umask)" = 0077 ] && mask=0022 || mask=0077
# A real Chinese locale, whose order of names differs from C's: "_" before "-".
localedef -i zh_CN -f UTF-8 "$work/zh_CN.UTF-8"
# The working tree's tracked files as they are now, committed or not: what the first build saw.
commit="$(git -C "$root" stash create)"
(umask $mask && git clone -q --no-checkout "$root" "$second" && cd "$second" &&
  git checkout -q "${commit:-HEAD}" && env -u LC_ALL TZ=XYZ-13:45 LANG=zh_CN.UTF-8 \
  LOCPATH="$work" scripts/package.sh >"$work/log" 2>&1) ||
  { tail -n 40 "$work/log"; echo "reproducible.sh: the second build failed" >&2; exit 1; }
if ! diff "$first/SHA256SUMS" "$second/dist/SHA256SUMS"; then
  cut -c67- "$first/SHA256SUMS" "$second/dist/SHA256SUMS" | sort -u | while IFS= read -r name; do
    cmp -s "$first/$name" "$second/dist/$name" ||
      diffoscope "$first/$name" "$second/dist/$name" | head -n 200 || true
  done
  echo "reproducible.sh: two builds of the same source differ (the sums, then diffoscope)" >&2
  exit 1
fi
sed 's/^/reproducible.sh: the second build, the same: /' "$second/dist/SHA256SUMS"
