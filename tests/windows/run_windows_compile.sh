#!/usr/bin/env bash
# run_windows_compile.sh <source root> <build root> <this test's build folder>
#
# Compiles (-fsyntax-only) every file of sources.txt, "<target> <file>" a
# line, with MinGW-w64 and flags/<target>.txt, the target's own definitions
# and include directories; both are written when the build is configured.
# Fails on any error and on any output at all: warnings of ours are errors,
# and what Qt's and MinGW's headers say is kept out by -isystem.
set -euo pipefail

CXX=x86_64-w64-mingw32-g++-posix

if [ "${1:-}" = "--one" ]; then
    # One file, called by xargs below: its own output goes to a log so the
    # report lists the files in order, not interleaved.
    shift
    flags_file=$1 source=$2 log=$3
    mapfile -t flags <"$flags_file"
    if "$CXX" -fsyntax-only "${flags[@]}" "$source" >"$log" 2>&1 && [ ! -s "$log" ]; then
        exit 0
    fi
    echo "FAIL $source" >>"$log"
    exit 0
fi

if [ $# -ne 3 ]; then
    echo "usage: $0 <source root> <build root> <test build folder>" >&2
    exit 2
fi
root=$1 build=$2 here=$3

if ! command -v "$CXX" >/dev/null; then
    echo "$CXX not found: run scripts/setup.sh (it installs g++-mingw-w64-x86-64-posix)" >&2
    exit 1
fi

work="$here/work"
rm -rf "$work"
mkdir -p "$work/logs"

# The macros a Windows Qt gives every target that links it (Qt6::Platform of
# a MinGW build of Qt 6): a Linux Qt gives none, so they are not among the
# target's own. The build itself sets no Windows macro; _WIN32_WINNT is the
# value both MinGW-w64 and Qt's qt_windows.h fall back to (Windows 10), set
# here so a toolchain with another default reads the same code.
windows_defines=(
    -DWIN32 -D_ENABLE_EXTENDED_ALIGNED_STORAGE -DWIN64 -D_WIN64 -DMINGW_HAS_SECURE_API=1
    -DUNICODE -D_UNICODE
    -D_WIN32_WINNT=0x0A00
)
# -Wall -Wextra as every target of ours, and every warning fails.
warnings=(-Wall -Wextra -Werror)

# A target's flags for MinGW: our own folders stay -I so their warnings
# count; everything else (Qt, hidapi) becomes -isystem. Qt's mkspecs folder
# is the Linux platform's (qplatformdefs.h for linux-g++); a Windows Qt has
# its own there, and none of our files reads it, so it is left out rather
# than handing MinGW Linux definitions.
for target_flags in "$here"/flags/*.txt; do
    target=$(basename "$target_flags" .txt)
    out="$work/$target.flags"
    : >"$out"
    while IFS= read -r flag; do
        case "$flag" in
            -I"$root" | -I"$root"/* | -I"$build" | -I"$build"/*) echo "$flag" ;;
            -I*/mkspecs/*) ;;
            -I*) echo "-isystem"; echo "${flag#-I}" ;;
            *) echo "$flag" ;;
        esac
    done <"$target_flags" >"$out"
    printf '%s\n' "${windows_defines[@]}" "${warnings[@]}" >>"$out"
done

jobs=0
: >"$work/list"
while read -r target file; do
    if [ ! -f "$work/$target.flags" ]; then
        echo "no flags for $target: configure the build again" >&2
        exit 1
    fi
    jobs=$((jobs + 1))
    printf '%s\0%s\0%s\0' "$work/$target.flags" "$root/$file" "$work/logs/$(printf '%03d' "$jobs").log" >>"$work/list"
done <"$here/sources.txt"

if [ "$jobs" -eq 0 ]; then
    echo "no sources to compile" >&2
    exit 1
fi

parallel=$(nproc 2>/dev/null || echo 2)
start=$SECONDS
xargs -0 -n 3 -P "$parallel" "$0" --one <"$work/list"

# A file with no log was never compiled, which is a failure as well.
failed=0
for n in $(seq 1 "$jobs"); do
    log="$work/logs/$(printf '%03d' "$n").log"
    if [ ! -f "$log" ]; then
        echo "FAIL: compile $n of $jobs never ran"
        failed=$((failed + 1))
    elif [ -s "$log" ]; then
        cat "$log"
        failed=$((failed + 1))
    fi
done
echo "$jobs files compiled for Windows in $((SECONDS - start)) s, $failed failed"
[ "$failed" -eq 0 ]
