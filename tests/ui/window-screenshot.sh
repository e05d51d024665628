#!/usr/bin/env bash
# Starts a real program on a virtual X screen of 1366x768 and checks that its first window
# comes up: a window of the given title exists, fits the screen, and the screenshot is not blank.
# Usage: window-screenshot.sh PROGRAM TITLE SCREENSHOT.png [ARGUMENT...]: the arguments go to the
# program. Exit 77 (skipped) without the X tools.
set -euo pipefail
program=$1
title=$2
screenshot=$3
shift 3
skipped=77

for tool in xvfb-run xauth import xdotool convert; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "window-screenshot: $tool is missing, skipped"
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

# Runs inside the virtual screen: start the program, wait for its window, check its size, take
# the picture, end the program (the one process this script started).
on_screen() {
  local program=$1 title=$2 screenshot=$3 window="" status=0 width height
  shift 3
  "$program" "$@" &
  local pid=$!
  for _ in $(seq 1 300); do
    window=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
    [[ -n "$window" ]] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ -n "$window" ]]; then
    # A busy machine may take a while to paint the window: take the picture again until it
    # shows something (a blank screen has one colour everywhere, a standard deviation of zero).
    for _ in $(seq 1 40); do
      sleep 0.25
      import -window root "$screenshot"
      awk -v d="$(convert "$screenshot" -colorspace Gray -format '%[fx:standard_deviation]' info:)" \
        'BEGIN { exit !(d > 0.001) }' && break
    done
    eval "$(xdotool getwindowgeometry --shell "$window")"
    width=$WIDTH height=$HEIGHT
    if (( width > 1366 || height > 768 )); then
      echo "window-screenshot: the window is ${width}x${height}, larger than the 1366x768 screen" >&2
      status=1
    fi
  else
    echo "window-screenshot: no window titled $title appeared" >&2
    status=1
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  return $status
}

# xvfb-run passes through /bin/sh, which drops exported functions: hand over the definition.
# Now and then the program cannot reach the display xvfb-run started for it ("could not
# connect to display"), with nothing else on the machine at fault: a fresh screen is tried
# before the test fails.
for attempt in 1 2 3; do
  if xvfb-run --auto-servernum --server-args="-screen 0 1366x768x24" \
    bash -c "$(declare -f on_screen); on_screen \"\$@\"" on_screen "$program" "$title" "$screenshot" "$@"; then
    break
  fi
  if (( attempt == 3 )); then
    exit 1
  fi
  echo "window-screenshot: attempt $attempt failed, trying a fresh virtual screen" >&2
done

# A blank screen has one colour everywhere: its standard deviation is zero.
deviation=$(convert "$screenshot" -colorspace Gray -format '%[fx:standard_deviation]' info:)
if awk -v d="$deviation" 'BEGIN { exit !(d > 0.001) }'; then
  echo "window-screenshot: $title shows ($screenshot)"
else
  echo "window-screenshot: the screenshot is blank ($screenshot)" >&2
  exit 1
fi
