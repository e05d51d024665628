#!/usr/bin/env bash
# --trace-file puts the trace in the file, exactly the lines --trace alone writes to standard
# error, and leaves standard error to the run's messages.
# Usage: trace-file.sh KESTRELON_CLI SOURCE_DIR OUT
set -euo pipefail
cli=$1
cd "$2"
out=$3
mkdir -p "$out"
"$cli" run tests/data/preview-march.kst -o "$out/march.an8" --frames 2 --quiet --trace 1 \
    --trace-file "$out/trace.txt" >/dev/null 2>"$out/stderr.txt"
[[ ! -s $out/stderr.txt ]] || { echo "standard error holds more than the run's messages" >&2; exit 1; }
cmp "$out/trace.txt" tests/data/cli-trace-march-stderr.txt
