#!/bin/bash
# Gathers the scenes of a batch of battles once every task has ended: checks that each seed
# from FIRST to LAST wrote its scene, lists them with their sizes in SCENES-FOLDER/scenes.tsv,
# and names the seeds whose scene is missing (run those again with the same seeds).
# Usage: collect-scenes.sh SCENES-FOLDER FIRST LAST
set -euo pipefail
scenes=${1:?usage: collect-scenes.sh SCENES-FOLDER FIRST LAST}
first=${2:?usage: collect-scenes.sh SCENES-FOLDER FIRST LAST}
last=${3:?usage: collect-scenes.sh SCENES-FOLDER FIRST LAST}
missing=()
list="$scenes/scenes.tsv"
printf 'seed\tscene\tbytes\n' >"$list.part"
for ((seed = first; seed <= last; ++seed)); do
    scene="$scenes/battle-$(printf %05d "$seed").an8"
    if [[ -s $scene ]]; then
        printf '%s\t%s\t%s\n' "$seed" "$(basename "$scene")" "$(stat -c %s "$scene")" >>"$list.part"
    else
        missing+=("$seed")
    fi
done
mv "$list.part" "$list"
count=$((last - first + 1 - ${#missing[@]}))
echo "$count of $((last - first + 1)) scenes in $scenes (listed in $list)"
if ((${#missing[@]} > 0)); then
    echo "missing seeds: ${missing[*]}" >&2
    exit 1
fi
