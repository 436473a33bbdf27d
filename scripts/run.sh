#!/usr/bin/env bash
# Sets up, builds and starts the program on the simulated mouse. Without a
# display it runs under a virtual one, writes a screenshot of the window and
# prints where it is.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
bash "$root/scripts/setup.sh"
BUILD_DIR="$build" bash "$root/scripts/build.sh"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/q530" --simulate
fi

shot="$build/screenshot.png"
rm -f "$shot"
# The program quits by itself once the screenshot is written.
Q530_SCREENSHOT="$shot" timeout 60 \
    xvfb-run -a -s "-screen 0 1280x800x24" "$build/q530" --simulate || true
if [ ! -s "$shot" ]; then
    echo "No screenshot was written" >&2
    exit 1
fi
echo "$shot"
