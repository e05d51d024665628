#!/usr/bin/env bash
# Copies the pictures the test suite made for the guides (the preview's still image, its web
# page in Chromium, the Preview window and its Trace pane, the AI editor with a checked error)
# into docs/images.
# Run after the tests.
# Usage: scripts/update-doc-images.sh [BUILD]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
mkdir -p docs/images
for picture in preview-cli.png preview-web.png preview-window.png preview-trace.png editor-check.png; do
  if [[ ! -f $build/docs-images/$picture ]]; then
    echo "update-doc-images: $build/docs-images/$picture is missing; run the tests first" >&2
    exit 1
  fi
  cp "$build/docs-images/$picture" docs/images/
done
echo "docs/images holds the pictures the tests made."
