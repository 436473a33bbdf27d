#!/usr/bin/env python3
"""Contact sheet of every skin picture on a mid-grey ground, for reviewing
the skin at a glance: python3 art/sheet.py OUT.png [SCALE]"""
import os
import sys
from PIL import Image, ImageDraw

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def main(out, scale=1.0):
    files = []
    skin = os.path.join(ROOT, "modules", "img", "skin1")
    for d, _, fs in sorted(os.walk(skin)):
        for fn in sorted(fs):
            if fn.endswith(".png"):
                files.append(os.path.join(d, fn))
    files.append(os.path.join(ROOT, "modules", "img", "background.png"))
    ico = os.path.join(ROOT, "data", "modules", "img", "trayIcon.ico")
    W = 1400
    pad, label = 8, 12
    x = y = pad
    row_h = 0
    placed = []
    ims = []
    for p in files:
        im = Image.open(p).convert("RGBA")
        if scale != 1.0:
            im = im.resize((max(1, int(im.width * scale)), max(1, int(im.height * scale))), Image.LANCZOS)
        ims.append((p, im))
    try:
        icon = Image.open(ico)
        for s in icon.info.get("sizes", []):
            icon.size = s
            ims.append(("trayIcon %dx%d" % s, icon.convert("RGBA").copy()))
    except Exception as e:  # noqa: BLE001
        print("tray icon:", e)
    for p, im in ims:
        w, h = im.width, im.height + label
        cw = max(w, 60)
        if x + cw > W - pad:
            x = pad
            y += row_h + pad
            row_h = 0
        placed.append((p, im, x, y))
        x += cw + pad
        row_h = max(row_h, h)
    H = y + row_h + pad
    sheet = Image.new("RGBA", (W, H), (128, 128, 128, 255))
    dr = ImageDraw.Draw(sheet)
    for p, im, x, y in placed:
        sheet.alpha_composite(im, (x, y + label))
        name = os.path.relpath(p, skin) if p.startswith(skin) else os.path.basename(p)
        dr.text((x, y), name.replace(".png", "")[-22:], fill=(20, 20, 20, 255))
    sheet.save(out)
    print(out, sheet.size, len(placed), "pictures")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/tmp/skin_sheet.png",
         float(sys.argv[2]) if len(sys.argv) > 2 else 1.0)
