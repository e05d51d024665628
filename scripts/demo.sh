#!/usr/bin/env bash
# The example: what the example project holds, read through the command-line tool.
set -euo pipefail
build=$1
"$build/src/cli/kestrelon-cli" info examples/battle.kst
