#!/usr/bin/env bash
# What watching a battle costs, on a big one: the same generated project (as battle-bench.sh
# makes it) run four ways, each the best of RUNS: `run` alone; `run` with one unit traced to a
# file (without a trace the run's only added work is a test per Game or ThisGuy call);
# `preview` writing the same scene and a PNG, so the recording's cost shows against the plain
# run in processor time and peak memory; and `preview` to a web page, with the page's size.
# usage: [RUNS=N] bench/sim/watching-bench.sh BUILD-DIR [UNITS]   (default: 10000 units)
set -euo pipefail
build=${1:?usage: watching-bench.sh BUILD-DIR [UNITS]}
units=${2:-10000}
runs=${RUNS:-3}
cli=$build/src/cli/kestrelon-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/sim/generate-battle" "$units" "$work/battle.kst"

# The best processor seconds (user + system) and the peak memory in MiB of that run.
best() {
    local best_time= best_rss= t rss
    for ((run = 0; run < runs; ++run)); do
        /usr/bin/time -f "%U %S %M" -o "$work/time" "$@" >/dev/null 2>"$work/err"
        read -r user system rss <"$work/time"
        t=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
        if [[ -z $best_time ]] || awk -v a="$t" -v b="$best_time" 'BEGIN { exit !(a < b) }'; then
            best_time=$t
            best_rss=$((rss / 1024))
        fi
    done
    echo "$best_time $best_rss"
}

read -r run_time run_rss < <(best "$cli" run "$work/battle.kst" -o "$work/run.an8" --frames 300 --quiet)
read -r trace_time trace_rss < <(best "$cli" run "$work/battle.kst" -o "$work/traced.an8" --frames 300 --quiet \
    --trace 1 --trace-file "$work/trace.txt")
read -r rec_time rec_rss < <(best "$cli" preview "$work/battle.kst" -o "$work/last.png" --scene "$work/preview.an8" \
    --frames 300 --quiet)
read -r page_time page_rss < <(best "$cli" preview "$work/battle.kst" -o "$work/battle.html" --frames 300 --quiet)
cmp -s "$work/run.an8" "$work/preview.an8" || echo "warning: the preview's scene differs from the run's" >&2
cmp -s "$work/run.an8" "$work/traced.an8" || echo "warning: the traced run's scene differs from the run's" >&2

echo "$units units, 300 frames (best of $runs):"
echo "  run:                     ${run_time} s, ${run_rss} MiB"
echo "  run, unit 1 traced:      ${trace_time} s, ${trace_rss} MiB, $(wc -l <"$work/trace.txt") trace lines"
awk -v t="$rec_time" -v m="$rec_rss" -v t0="$run_time" -v m0="$run_rss" 'BEGIN {
    printf "  preview, scene and PNG:  %s s (%+.1f%%), %s MiB (%+.1f%%)\n", t, (t / t0 - 1) * 100, m, (m / m0 - 1) * 100 }'
echo "  preview to a web page:   ${page_time} s, ${page_rss} MiB, page $(stat -c %s "$work/battle.html") bytes"
