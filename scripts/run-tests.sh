#!/usr/bin/env bash
# Runs the tests of a build folder through ctest.
#   scripts/run-tests.sh BUILD SAN_BUILD   every test of the normal build, then every test of
#                                          the sanitizer build (core suites and fuzz replays)
#   scripts/run-tests.sh --fast BUILD      the normal build's fast suites (make check)
set -euo pipefail
# Sanitizer reports name functions and lines only with a symbolizer.
export ASAN_SYMBOLIZER_PATH=${ASAN_SYMBOLIZER_PATH:-$(command -v llvm-symbolizer || true)}
fast=false
if [[ ${1:-} == --fast ]]; then
  fast=true
  shift
fi
build=$1
san_build=${2:-}
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
jobs=$(nproc)

if $fast; then
  ctest --test-dir "$build" --output-on-failure -j "$jobs" -LE ui
  exit
fi
echo "== tests ($build)"
ctest --test-dir "$build" --output-on-failure -j "$jobs"
echo "== tests and fuzz replays under AddressSanitizer and UndefinedBehaviorSanitizer ($san_build)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$san_build" --output-on-failure -j "$jobs"
