#!/usr/bin/env bash
# What tracing costs: the same generated battle (as battle-bench.sh makes it) run without a
# trace and with one unit traced to a file, each the best of RUNS in processor time. Without a
# trace the run's only added work is a test per Game or ThisGuy call; with one, the traced
# unit's calls are formatted and its texts grow through their setter.
# usage: [RUNS=N] bench/sim/trace-bench.sh BUILD-DIR [UNITS]   (default: 1000 units)
set -euo pipefail
build=${1:?usage: trace-bench.sh BUILD-DIR [UNITS]}
units=${2:-1000}
runs=${RUNS:-5}
cli=$build/src/cli/kestrelon-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/sim/generate-battle" "$units" "$work/battle.kst"

best() {
    local best= t
    for ((run = 0; run < runs; ++run)); do
        /usr/bin/time -f "%U %S" -o "$work/time" "$@" >/dev/null 2>&1
        t=$(awk '{ printf "%.3f", $1 + $2 }' "$work/time")
        if [[ -z $best ]] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$t; fi
    done
    echo "$best"
}

plain=$(best "$cli" run "$work/battle.kst" -o "$work/plain.an8" --frames 300 --quiet --seed 1)
traced=$(best "$cli" run "$work/battle.kst" -o "$work/traced.an8" --frames 300 --quiet --seed 1 --trace 1 \
    --trace-file "$work/trace.txt")
cmp -s "$work/plain.an8" "$work/traced.an8" || echo "warning: the traced run's scene differs" >&2
echo "$units units, 300 frames (best of $runs): no trace ${plain} s; unit 1 traced ${traced} s" \
     "($(wc -l <"$work/trace.txt") trace lines)"
