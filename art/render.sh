#!/bin/sh
# Regenerates the skin: SVG sources under art/svg/, PNGs under modules/img/,
# the tray icon under data/modules/img/. The PNGs are committed, so a normal
# build never runs this.
# Needs Debian's librsvg2-bin (rsvg-convert), python3-numpy, python3-shapely,
# python3-pil and the fonts-dejavu-core / fonts-wqy-microhei fonts.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
for tool in rsvg-convert /usr/bin/python3; do
    command -v "$tool" >/dev/null 2>&1 || { echo "missing: $tool" >&2; exit 1; }
done
# Debian's python3, where the packages above are installed
exec /usr/bin/python3 "$here/skin.py" --render
