#!/usr/bin/env bash
# Builds the Debian package from the build folder and has lintian judge it:
# any error or warning fails, but for the warnings the package itself lists,
# each with its reason, in usr/share/lintian/overrides/q530.
#
#   tst_lintian.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
command -v lintian >/dev/null || { echo "lintian is missing: run scripts/setup.sh"; exit 1; }
work=$(mktemp -d /tmp/q530-lintian-XXXXXX)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/q530_*_amd64.deb)
# Informational and pedantic tags are shown, not failed on.
lintian --fail-on error,warning --display-info "$deb" 2>&1 | grep -v "running with root privileges"
