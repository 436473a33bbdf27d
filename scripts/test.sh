#!/usr/bin/env bash
# Sets up, builds and runs every test (no display needed): the suite, then the
# whole suite again under AddressSanitizer with UBSan and the device link and
# shell tests under ThreadSanitizer, each in a build folder of its own.
# Q530_SANITIZERS=none skips the sanitizer stages.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
summary=()
failed=0

# Runs one stage, times it and goes on to the next one whatever came of it.
stage() {
    local name="$1"; shift
    local start=$SECONDS result=passed
    echo "=== $name"
    "$@" || { result=FAILED; failed=1; }
    summary+=("$(printf '%-44s %6ss  %s' "$name" $((SECONDS - start)) "$result")")
}

plain_tests() {
    QT_QPA_PLATFORM=offscreen ctest --test-dir "${BUILD_DIR:-$root/build}" --output-on-failure -j"$(nproc)"
}

bash "$root/scripts/setup.sh"
stage "build" bash "$root/scripts/build.sh"
# A short run of every fuzz target over what the program reads from others.
stage "fuzz targets, ${FUZZ_SECONDS:-15}s each" bash "$root/fuzz/run.sh" "${FUZZ_SECONDS:-15}"
stage "tests" plain_tests
if [ "${Q530_SANITIZERS:-all}" != none ]; then
    stage "all tests under ASan and UBSan (build-asan)" bash "$root/tests/sanitizers/run.sh" address
    stage "device and shell tests under TSan (build-tsan)" bash "$root/tests/sanitizers/run.sh" thread
fi

echo "=== summary"
printf '%s\n' "${summary[@]}"
exit $failed
