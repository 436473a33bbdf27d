#!/bin/sh
# Renders the desktop icons from the tray icon's vector sources. The PNGs are
# committed, so a build never runs this. Needs rsvg-convert (librsvg2-bin).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
svg="$here/../../art/svg/trayIcon"
for size in 16 32 48 64 128 256; do
    # The small sizes have drawings of their own; larger ones scale the 48 px one.
    src="$svg/trayIcon$size.svg"
    [ -f "$src" ] || src="$svg/trayIcon48.svg"
    mkdir -p "$here/icons/${size}x${size}"
    rsvg-convert -w "$size" -h "$size" "$src" -o "$here/icons/${size}x${size}/com.stellarc.q530.png"
done
