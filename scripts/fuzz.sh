#!/usr/bin/env bash
# Builds the script engine's fuzz target with clang (libFuzzer, ASan, UBSan) and runs it for the
# given number of seconds on a copy of the seed corpus. Findings go to fuzz-out/.
#   scripts/fuzz.sh [SECONDS] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
build=${2:-build-fuzz}
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-16 -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"
work="$build/corpus"
mkdir -p "$work" fuzz-out
cp -n fuzz/corpus/* "$work"/ 2>/dev/null || true
echo "== fuzzing the script engine for ${seconds}s"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  "$build/vbs_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=3072 -max_len=4096 \
  -print_final_stats=1 -artifact_prefix=fuzz-out/ -dict=fuzz/vbscript.dict "$work" fuzz/corpus
