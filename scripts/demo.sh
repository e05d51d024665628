#!/usr/bin/env bash
# The example battle, run headless as the Run button runs it (without saving the project):
# where the scene went and a one-line summary of units per army, passes and scene size.
# Runs from the source folder whatever the caller's folder; the build folder is relative to it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scene="$build/example-battle.an8"
summary=$("$build/src/cli/kestrelon-cli" run examples/battle.kst -o "$scene" --quiet)
echo "Example battle (examples/battle.kst) run headless; scene written to $scene"
echo "${summary#"$scene: "}"
