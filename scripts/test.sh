#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: the optimised build with
# warnings as errors, the sanitizer build, a short fuzzing run, the formatting check, the
# Windows cross build under Wine, the web page and app in Chromium, Firefox and WebKit, and the
# packages, each installed, used and removed as a person would, then built again elsewhere to the
# same bytes.
# Usage: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."

step() { printf '\n=== %s\n' "$*"; }

step "Installing what is missing"
scripts/install-deps.sh all

step "Formatting"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

step "Optimised build with warnings as errors"
cmake --preset ci
cmake --build --preset ci
ctest --preset ci

step "AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

step "Fuzzing the core briefly"
cmake --preset fuzz
cmake --build --preset fuzz
corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
cp fuzz/corpus/* "$corpus"/
build/fuzz/fuzz/core_fuzz -runs=300000 -max_len=512 -timeout=10 "$corpus" 2>&1 | tail -n 2

step "Windows cross build under Wine"
scripts/test-windows.sh

step "The web page and the installable app, built with Emscripten and tested in Chromium, Firefox and WebKit"
cmake --preset web
cmake --build --preset web
ctest --preset web

step "Packages: build them, install, use and remove each as a person would, then rebuild and compare"
scripts/package.sh
tests/packaging/debian.sh dist/weiyuanchuang_*_amd64.deb
tests/packaging/windows.sh dist
tests/packaging/reproducible.sh dist

step "All tests passed"
