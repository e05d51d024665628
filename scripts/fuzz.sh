#!/usr/bin/env bash
# Fuzzes the targets of the sanitizer build, each for the given number of seconds, on a copy of
# its committed corpus and findings. New findings go to fuzz-out/.
#   scripts/fuzz.sh SAN_BUILD [SECONDS] [script|ways|project|figures]
set -euo pipefail
# Sanitizer reports name functions and lines only with a symbolizer.
export ASAN_SYMBOLIZER_PATH=${ASAN_SYMBOLIZER_PATH:-$(command -v llvm-symbolizer || true)}
cd "$(dirname "$0")/.."
build=$1
seconds=${2:-300}
targets=${3:-script ways project figures}
mkdir -p fuzz-out
for target in $targets; do
  work="$build/fuzz-corpus/$target"
  mkdir -p "$work"
  # The both-ways target starts from the script target's seeds and the conformance scripts
  # (as fuzz/CMakeLists.txt says) and shares its dictionary.
  seeds=(fuzz/"$target"/corpus)
  words=$target
  if [[ $target == ways ]]; then
    seeds=(fuzz/script/corpus tests/vbscript/control tests/vbscript/procedures tests/vbscript/classes)
    words=script
  fi
  for seed in "${seeds[@]}"; do cp -n "$seed"/* "$work"/ 2>/dev/null || true; done
  dict=()
  [[ -f fuzz/$words/$words.dict ]] && dict=(-dict="fuzz/$words/$words.dict")
  echo "== fuzzing the ${target} target for ${seconds}s"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=3072 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="fuzz-out/${target}-" "${dict[@]}" \
    "$work" "${seeds[@]}"
done
