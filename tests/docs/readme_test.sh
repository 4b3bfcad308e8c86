#!/usr/bin/env bash
# What a reader of README.md meets first: every picture it links to is there, and the two set-up
# commands stand word for word, in their order. Usage: readme_test.sh README.md
set -uo pipefail
cd "$(dirname "$1")"
fail() { echo "readme_test.sh: $*" >&2; status=1; }
status=0
images="$(grep -oE '(!\[[^]]*\]\(|<img [^>]*src=")[^)"]+' README.md | sed -E 's/.*[("]//')"
[ -n "$images" ] || fail "README.md shows no picture"
for image in $images; do [ -f "$image" ] || fail "README.md shows $image, which does not exist"; done
setup='```sh
./scripts/run.sh    # installs what is missing, builds and starts the window
./scripts/test.sh   # installs what is missing, builds and runs the whole test suite
```'
[[ "$(<README.md)" == *"$setup"* ]] || fail "README.md lacks the set-up commands:"$'\n'"$setup"
exit "$status"
