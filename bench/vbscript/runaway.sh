#!/usr/bin/env bash
# Runs each runaway script (runaway/*.vbs) through kestrelon-cli vbs and prints how it ended:
# the time limit given, the processor and wall time it took to stop, its peak memory and the
# error it stopped with. Measured, never asserted.
# Usage: bench/vbscript/runaway.sh CLI [SECONDS]   (CLI: a kestrelon-cli; SECONDS: --time-limit,
# left out for a kestrelon-cli that predates the option: its limit is 10 s)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=${1:?usage: runaway.sh CLI [SECONDS]}
limit=(${2:+--time-limit "$2"})
report=$(mktemp)
trap 'rm -f "$report"' EXIT
printf '%-14s %7s %9s %9s %9s  %s\n' script limit_s cpu_s wall_s peak_MiB outcome
for script in "$here"/runaway/*.vbs; do
    /usr/bin/time -v "$cli" vbs "${limit[@]}" "$script" >/dev/null 2>"$report" || true
    field() { sed -n "s/.*$1: //p" "$report"; }
    user=$(field 'User time (seconds)')
    system=$(field 'System time (seconds)')
    wall=$(field 'Elapsed (wall clock) time (h:mm:ss or m:ss)')
    rss=$(field 'Maximum resident set size (kbytes)')
    outcome=$(grep -m1 '^Error' "$report" || echo "finished")
    awk -v n="$(basename "$script" .vbs)" -v l="${2:-10}" -v u="$user" -v s="$system" -v w="$wall" -v r="$rss" \
        -v o="$outcome" 'BEGIN {
            k = split(w, p, ":"); wall = 0; for (i = 1; i <= k; i++) wall = wall * 60 + p[i];
            printf "%-14s %7s %9.2f %9.2f %9.0f  %s\n", n, l, u + s, wall, r / 1024, o }'
done
