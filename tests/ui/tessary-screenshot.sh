#!/usr/bin/env bash
# Starts the real tessary on a virtual X screen and checks that its first message box comes up:
# a window titled "Tessary" exists and the screenshot is not a blank screen.
# Usage: tessary-screenshot.sh TESSARY SCREENSHOT.png. Exit 77 (skipped) without the X tools.
set -euo pipefail
tessary=$1
screenshot=$2
skipped=77

for tool in xvfb-run xauth import xdotool convert; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "tessary-screenshot: $tool is missing, skipped"
    exit $skipped
  fi
done

if [[ -z "${XDG_RUNTIME_DIR:-}" || ! -d "${XDG_RUNTIME_DIR}" ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  chmod 700 "$XDG_RUNTIME_DIR"
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
  export XDG_RUNTIME_DIR
fi
# The test environment may ask Qt for the offscreen platform; here the program must draw on X.
export QT_QPA_PLATFORM=xcb
rm -f "$screenshot"

# Runs inside the virtual screen: start tessary, wait for its message box, take the picture,
# end tessary (the one process this script started).
on_screen() {
  local tessary=$1 screenshot=$2 window="" status=0
  "$tessary" &
  local pid=$!
  for _ in $(seq 1 300); do
    window=$(xdotool search --onlyvisible --name '^Tessary$' 2>/dev/null | head -n 1 || true)
    [[ -n "$window" ]] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ -n "$window" ]]; then
    sleep 0.5 # let the box finish painting
    import -window root "$screenshot"
  else
    echo "tessary-screenshot: no window titled Tessary appeared" >&2
    status=1
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  return $status
}

# xvfb-run passes through /bin/sh, which drops exported functions: hand over the definition.
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
  bash -c "$(declare -f on_screen); on_screen \"\$0\" \"\$1\"" "$tessary" "$screenshot"

# A blank screen has one colour everywhere: its standard deviation is zero.
deviation=$(convert "$screenshot" -colorspace Gray -format '%[fx:standard_deviation]' info:)
if awk -v d="$deviation" 'BEGIN { exit !(d > 0.001) }'; then
  echo "tessary-screenshot: the first message shows ($screenshot)"
else
  echo "tessary-screenshot: the screenshot is blank ($screenshot)" >&2
  exit 1
fi
