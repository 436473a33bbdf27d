#!/bin/sh
# Builds the libFuzzer targets with clang into build-fuzz (or $FUZZ_BUILD_DIR)
# and runs each for SECONDS (default 60). Usage: fuzz/run.sh [SECONDS]
set -eu
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
jobs=${FUZZ_JOBS:-2}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DQ530_FUZZ=ON >/dev/null
ninja -C "$build" -j"$jobs" fuzz_pf_import fuzz_macro_incode fuzz_editor_encoder fuzz_language_file fuzz_device_replies

status=0
for target in fuzz_pf_import fuzz_macro_incode fuzz_editor_encoder fuzz_language_file fuzz_device_replies; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    cp -n "$root"/fuzz/seeds/"$target"/* "$corpus"/ 2>/dev/null || true
    echo "== $target, ${seconds}s"
    if ! (cd "$build" && QT_QPA_PLATFORM=offscreen "./fuzz/$target" -max_total_time="$seconds" \
            -max_len=8192 -artifact_prefix="$build/$target-" "$corpus" 2>"$build/$target.log"); then
        status=1
        tail -n 40 "$build/$target.log"
    fi
    grep -E "^(Done|stat::number_of_executed_units)" "$build/$target.log" || tail -n 2 "$build/$target.log"
done
exit $status
