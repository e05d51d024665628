#!/usr/bin/env bash
# Times whole battles as users run them: a generated project of two armies (chargers and
# archers running the example scripts), run headless for 300 frames with --quiet.
# usage: bench/sim/battle-bench.sh BUILD-DIR [UNITS...]   (default: 100 1000)
set -euo pipefail
build=${1:?usage: battle-bench.sh BUILD-DIR [UNITS...]}
shift
[ $# -eq 0 ] && set -- 100 1000
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for units in "$@"; do
  "$build/bench/sim/generate-battle" "$units" "$work/battle-$units.kst"
  /usr/bin/time -v "$build/src/cli/kestrelon-cli" run "$work/battle-$units.kst" \
      -o "$work/battle-$units.an8" --frames 300 --quiet > "$work/out-$units.txt" 2> "$work/time-$units.txt"
  wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time-$units.txt")
  rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time-$units.txt")
  echo "$units units, 300 frames: wall $wall, peak memory $((rss / 1024)) MiB; $(cat "$work/out-$units.txt")"
done
