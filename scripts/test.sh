#!/usr/bin/env bash
# Sets up, builds and runs every test (no display needed).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
# A short run of every fuzz target over what the program reads from others.
bash "$root/fuzz/run.sh" "${FUZZ_SECONDS:-15}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-$root/build}" --output-on-failure -j"$(nproc)"
