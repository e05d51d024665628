#!/usr/bin/env bash
# Runs the script engine's fuzz target briefly, every test of the normal build, then the core
# suites of the sanitizer build.
set -euo pipefail
build=$1
asan_build=$2
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

jobs=$(nproc)
# The fuzz run comes first so that the test summaries stand last.
echo "== the script engine's fuzz target, briefly"
"$(dirname "$0")/fuzz.sh" 45
echo "== tests ($build)"
ctest --test-dir "$build" --output-on-failure -j "$jobs"
echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer ($asan_build)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$asan_build" --output-on-failure -j "$jobs"
