#!/usr/bin/env bash
# Installs what the build, the tests and the simulated run need on Debian 12
# (the install test validates the desktop files and runs the program as a
# user it creates: desktop-file-utils, appstream, passwd, util-linux; the
# recording test holds keys on an X server of its own: xvfb, xdotool; the
# pages are checked by qmllint, which needs the QML modules' type files and
# python3 for its report; the Debian package is made by CPack, which asks
# dpkg-shlibdeps and file for its dependencies, and judged by lintian; the
# Windows code is compiled, syntax only, by MinGW-w64; the program in front
# is read from the X server through libxcb, tested on an Xvfb of its own).
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-declarative-dev
    qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml qml6-module-qtqml-models
    qml6-module-qtqml-workerscript qml6-module-qttest qt6-declarative-dev-tools
    libhidapi-dev libudev-dev libxcb1-dev
    xvfb xauth xdotool fonts-wqy-microhei
    clang libclang-rt-14-dev
    desktop-file-utils appstream passwd util-linux python3
    dpkg-dev file lintian g++-mingw-w64-x86-64-posix
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
