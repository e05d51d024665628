#!/usr/bin/env bash
# The farm guide's commands, read from docs/farm.md and run as written: the Slurm blocks under
# the stand-in sbatch beside this script, the GNU parallel blocks with GNU parallel. Each
# console block runs in a folder of its own holding the example battle as battle.kst and the
# two farm scripts; then the scenes are checked: all there, listed, and the same for a seed
# whether Slurm or GNU parallel ran it, or it ran again alone.
# Usage: farm-commands.sh KESTRELON_CLI SOURCE_DIR WORK
set -euo pipefail
cli=$1
source=$2
work=$3
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
mkdir -p "$work"
export PATH="$here:$(dirname "$(realpath "$cli")"):$PATH"
command -v parallel >/dev/null || { echo "GNU parallel is not installed" >&2; exit 1; }

# The commands of console block n of the guide, without their "$ ".
block() {
    awk -v wanted="$1" '/^```console/ { n++; inside = 1; next } /^```/ { inside = 0 }
                        inside && n == wanted && /^\$ / { print substr($0, 3) }' "$source/docs/farm.md"
}

run_block() { # folder block
    mkdir -p "$work/$1"
    cp "$source/examples/battle.kst" "$work/$1/battle.kst"
    cp "$source/scripts/farm/battle-array.sbatch" "$source/scripts/farm/collect-scenes.sh" "$work/$1/"
    (cd "$work/$1" && bash -euo pipefail -c "$(block "$2")")
}

fail() {
    echo "$*" >&2
    exit 1
}

run_block slurm 1
[[ $(wc -l <"$work/slurm/scenes/scenes.tsv") -eq 21 ]] || fail "the Slurm batch lists 20 scenes"
grep -q "20 of 20 scenes" "$work/slurm/slurm-"*.out || fail "the collection job reports all 20 scenes"
ls "$work/slurm/kestrelon-battle-"*_7.log >/dev/null || fail "task 7 logs where the script says"
cp "$work/slurm/scenes/battle-00007.an8" "$work/first-00007.an8"
rm "$work/slurm/scenes/battle-00007.an8"
(cd "$work/slurm" && bash -euo pipefail -c "$(block 2)")
cmp "$work/first-00007.an8" "$work/slurm/scenes/battle-00007.an8" || fail "seed 7 run again writes the same scene"

run_block workstation 3
[[ $(wc -l <"$work/workstation/scenes/scenes.tsv") -eq 21 ]] || fail "GNU parallel's batch lists 20 scenes"
for seed in 00001 00007 00020; do
    cmp "$work/slurm/scenes/battle-$seed.an8" "$work/workstation/scenes/battle-$seed.an8" ||
        fail "seed $seed writes the same scene under Slurm and GNU parallel"
done
cmp -s "$work/slurm/scenes/battle-00001.an8" "$work/slurm/scenes/battle-00002.an8" &&
    fail "different seeds make different battles"

(cd "$work/workstation" && bash -euo pipefail -c "$(block 4)")
[[ $(ls "$work/workstation/scenes/"*.png | wc -l) -eq 20 ]] || fail "a picture for every seed"

# A missing scene is named.
rm "$work/workstation/scenes/battle-00004.an8"
if (cd "$work/workstation" && ./collect-scenes.sh scenes 1 20 2>"$work/missing.txt"); then
    fail "a missing scene fails the collection"
fi
grep -qx "missing seeds: 4" "$work/missing.txt" || fail "the collection names the missing seed"
echo "The farm guide's commands write and collect the scenes it describes."
