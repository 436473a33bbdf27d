#!/usr/bin/env bash
# Builds and runs tests under a sanitizer, in a build folder of its own.
#   tests/sanitizers/run.sh address   every test, under AddressSanitizer and UBSan (build-asan)
#   tests/sanitizers/run.sh thread    the device link and shell tests, under ThreadSanitizer (build-tsan)
# The options and suppressions (*.supp beside this script) are built into
# every program; a report fails the test that caused it.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
mode="${1:?usage: run.sh address|thread}"
jobs="$(nproc)"
case "$mode" in
    address)
        build="${ASAN_BUILD_DIR:-$root/build-asan}"
        targets=(all)
        suites=("$build")
        ;;
    thread)
        build="${TSAN_BUILD_DIR:-$root/build-tsan}"
        # The tests whose code runs on more than one thread.
        targets=(tests/device/all tests/shell/all q530)
        suites=("$build/tests/device" "$build/tests/shell")
        ;;
    *) echo "unknown sanitizer: $mode" >&2; exit 2 ;;
esac

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQ530_SANITIZE="$mode" >/dev/null
ninja -C "$build" -j"$jobs" "${targets[@]}"
export QT_QPA_PLATFORM=offscreen
status=0
for suite in "${suites[@]}"; do
    ctest --test-dir "$suite" --output-on-failure -j"$jobs" --timeout 900 || status=1
done
exit $status
