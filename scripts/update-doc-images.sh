#!/usr/bin/env bash
# Copies the pictures the test suite made of the preview (the still image, the web page in
# Chromium, the Preview window) into docs/images, for the guide. Run after the tests.
# Usage: scripts/update-doc-images.sh [BUILD]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
mkdir -p docs/images
for picture in preview-cli.png preview-web.png preview-window.png; do
  if [[ ! -f $build/docs-images/$picture ]]; then
    echo "update-doc-images: $build/docs-images/$picture is missing; run the tests first" >&2
    exit 1
  fi
  cp "$build/docs-images/$picture" docs/images/
done
echo "docs/images holds the pictures the tests made."
