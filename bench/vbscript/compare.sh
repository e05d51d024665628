#!/usr/bin/env bash
# Runs every benchmark script through the engine (vbsbench) and its twin through Lua 5.4, checks
# that both print the same result, and prints the processor times and their ratio engine/Lua,
# then the geometric mean of the ratios. Each program runs RUNS times (default 3) and its best
# time counts: on a shared machine a run now and then takes far longer for reasons of its own.
# Usage: [RUNS=N] bench/vbscript/compare.sh [BUILD_DIR]   (default: build)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
runner=$build/bench/vbscript/vbsbench
lua=${LUA:-lua5.4}

if [[ ! -x $runner ]]; then
    echo "compare.sh: $runner not found; build the target vbsbench first" >&2
    exit 2
fi

runs=${RUNS:-3}

# Microseconds of processor time (user + system) a command takes, which a busy machine
# disturbs less than wall-clock time, the best of $runs runs; its standard output goes to the
# file $1.
timed() {
    local out=$1
    shift
    local TIMEFORMAT='%3U %3S' times best=
    for ((run = 0; run < runs; ++run)); do
        times=$({ time "$@" >"$out" 2>/dev/null; } 2>&1) || return 1
        times=$(awk -v t="$times" 'BEGIN { split(t, p, " "); printf "%d", (p[1] + p[2]) * 1000000 }')
        if [[ -z $best || $times -lt $best ]]; then best=$times; fi
    done
    echo "$best"
}

printf '%-10s %10s %10s %8s  %s\n' benchmark engine_ms lua_ms ratio result
status=0
log_sum=0
count=0
for script in "$here"/*.vbs; do
    name=$(basename "$script" .vbs)
    engine_out=$(mktemp)
    lua_out=$(mktemp)
    engine_us=$(timed "$engine_out" "$runner" "$script") || { echo "$name: the engine failed" >&2; status=1; continue; }
    lua_us=$(timed "$lua_out" "$lua" "$here/$name.lua")
    if cmp -s "$engine_out" "$lua_out"; then result=same; else result="DIFFERENT: $(head -1 "$engine_out") / $(head -1 "$lua_out")"; status=1; fi
    awk -v n="$name" -v e="$engine_us" -v l="$lua_us" -v r="$result" \
        'BEGIN { printf "%-10s %10.1f %10.1f %8.1f  %s\n", n, e / 1000, l / 1000, (l > 0 ? e / l : 0), r }'
    if ((lua_us > 0)); then
        log_sum=$(awk -v s="$log_sum" -v e="$engine_us" -v l="$lua_us" 'BEGIN { printf "%.9f", s + log(e / l) }')
        count=$((count + 1))
    fi
    rm -f "$engine_out" "$lua_out"
done
if ((count > 0)); then
    awk -v s="$log_sum" -v n="$count" 'BEGIN { printf "%-10s %10s %10s %8.2f\n", "geomean", "", "", exp(s / n) }'
fi
exit $status
