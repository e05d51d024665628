#!/usr/bin/env bash
# The preview as a user sees it: kestrelon-cli draws tests/data/preview-march.kst, whose units
# stand at places known from their scripts, as a PNG and as a web page, and the pixels where
# the units are carry their army's colour. The page is opened from disk by headless Chromium at
# a frame given in its address, as the slider would show it, and its screenshot is read the same
# way. It also leaves the example battle's still image and page screenshot in IMAGES, for the
# guide (scripts/update-doc-images.sh).
# Usage: preview-pixels.sh KESTRELON_CLI SOURCE_DIR OUT IMAGES
set -euo pipefail
cli=$1
source=$2
out=$3
images=$4
mkdir -p "$out" "$images"
cd "$source"
project=tests/data/preview-march.kst
failures=0

# The colour of pixel (x, y) of a PNG as six hex digits.
pixel() {
    convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6
}

expect() { # file x y colour what
    local seen
    seen=$(pixel "$1" "$2" "$3")
    if [[ $seen != "$4" ]]; then
        echo "$1 ($2, $3): $5 should be #$4, is #$seen" >&2
        failures=$((failures + 1))
    fi
}

browser() { # page frame screenshot
    local profile
    profile=$(mktemp -d)
    chromium --headless --no-sandbox --disable-gpu --disable-dev-shm-usage --hide-scrollbars --user-data-dir="$profile" \
        --window-size=1000,940 --screenshot="$3" "file://$(realpath "$1")#frame=$2" >/dev/null 2>&1
    rm -rf "$profile"
    [[ -s $3 ]] || { echo "chromium made no screenshot of $1" >&2; exit 1; }
}

# The marcher (army 1) starts at (-300, -100) and steps 5 along X each frame, keyed at that
# frame; the holder (army 2) stands at (200, 100); the doomed unit (army 2) at (0, 300) falls at
# pass 20; the marcher strikes at frame 30. At scale 1 map point (x, z) is pixel (x + 500, z + 500).
check_frames() { # picture-at-40 picture-at-10 picture-at-30
    expect "$1" 400 400 2060C0 "the marcher at frame 40"
    expect "$1" 700 600 C03030 "the holder"
    expect "$1" 500 800 9A9A9A "the doomed unit, fallen"
    expect "$2" 250 400 2060C0 "the marcher at frame 10"
    expect "$2" 400 400 F4F2EC "where the marcher is not yet at frame 10"
    expect "$2" 500 800 C03030 "the doomed unit before its fall"
    expect "$3" 350 392 E0A000 "the ring of the marcher's strike at frame 30"
}

"$cli" preview "$project" -o "$out/march-40.png" --frames 60 --at 40 >/dev/null
"$cli" preview "$project" -o "$out/march-10.png" --frames 60 --at 10 >/dev/null
"$cli" preview "$project" -o "$out/march-30.png" --frames 60 --at 30 >/dev/null
check_frames "$out/march-40.png" "$out/march-10.png" "$out/march-30.png"

"$cli" preview "$project" -o "$out/march-scaled.png" --frames 60 --at 40 --scale 2 >/dev/null
expect "$out/march-scaled.png" 800 800 2060C0 "the marcher at scale 2"
[[ $(convert "$out/march-scaled.png" -format "%w x %h" info:) == "2000 x 1780" ]] ||
    { echo "a scale 2 picture is 2000 x 1780" >&2; failures=$((failures + 1)); }

"$cli" preview "$project" -o "$out/march.html" --frames 60 >/dev/null
browser "$out/march.html" 40 "$out/march-page-40.png"
browser "$out/march.html" 10 "$out/march-page-10.png"
browser "$out/march.html" 30 "$out/march-page-30.png"
check_frames "$out/march-page-40.png" "$out/march-page-10.png" "$out/march-page-30.png"

# The pictures of the guide: the example battle at frame 100.
"$cli" preview examples/battle.kst -o "$images/preview-cli.png" --frames 150 --seed 7 --at 100 --quiet >/dev/null
"$cli" preview examples/battle.kst -o "$out/battle.html" --frames 150 --seed 7 --quiet >/dev/null
browser "$out/battle.html" 100 "$images/preview-web.png"

if ((failures > 0)); then
    exit 1
fi
echo "The preview's units carry their armies' colours, in the PNG and in the browser."
