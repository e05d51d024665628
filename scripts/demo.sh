#!/usr/bin/env bash
# The example: what the example project holds, read through the command-line tool.
# Runs from the source folder whatever the caller's folder; the build folder is relative to it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
"$build/src/cli/kestrelon-cli" info examples/battle.kst
