#!/usr/bin/env bash
# The script engine's folders are layers that point one way: each may include its own folder
# and the folders before it in this list, never one after it. values/ holds what every layer
# uses (values, errors, budgets), host/ how host objects expose members, operators/ the rules
# of the operators, syntax/ text to resolved syntax tree, compile/ that tree to the code that
# runs (kept with the tree, as the programs are cached), runtime/ the built-in library,
# exec/ running programs, and the engine's own folder the script host that ties them together.
# Usage: check-engine-layers.sh SRC_DIR
set -euo pipefail

src=${1:?usage: check-engine-layers.sh SRC_DIR}
layers=(values host operators syntax compile runtime exec .)
status=0

rank() {
    local i
    for i in "${!layers[@]}"; do
        [[ ${layers[$i]} == "$1" ]] && { echo "$i"; return; }
    done
    echo "unknown layer: $1" >&2
    exit 2
}

while IFS= read -r file; do
    relative=${file#"$src"/vbscript/}
    own=$(dirname "$relative")
    own_rank=$(rank "$own")
    while IFS=: read -r line included; do
        target=$(dirname "${included#vbscript/}")
        if (($(rank "$target") > own_rank)); then
            echo "$file:$line: $own/ includes $included, a later layer" >&2
            status=1
        fi
    done < <(grep -no '#include "vbscript/[^"]*"' "$file" | sed 's/:#include "/:/; s/"$//')
done < <(find "$src/vbscript" -name '*.h' -o -name '*.cpp')

if ((status == 0)); then
    echo "The engine's layers point one way."
fi
exit $status
