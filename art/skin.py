#!/usr/bin/env python3
"""Generator of the whole skin: writes one SVG per picture under art/svg/
(the editable sources) and, with --render, turns them into the PNGs the
program compiles in (modules/img/skin1/GROUP/FILE.png, modules/img/background.png)
and the tray icon (data/modules/img/trayIcon.ico).

Sizes and shapes are parameters here; the palette, the button shapes and the
emblem come from common.py, the mouse pictures from mouse.py."""
import math
import os
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True   # keep art/ free of caches
sys.path.insert(0, HERE)
from common import (svg, f, lin, rad, blur, poly_d, chamfer_rect, emblem_svg, wordmark,  # noqa: E402
                    FONT, FONT_ZH, RED_HI, RED_MID, RED_DEEP, ORANGE, RED, TEXT_GREY)

ROOT = os.path.dirname(HERE)
SVG_DIR = os.path.join(HERE, "svg")
SKIN_DIR = os.path.join(ROOT, "modules", "img", "skin1")

PICS = {}   # "GROUP/FILE.png" -> svg text (the background is "background.png")


def pic(name, w, h, body, defs=""):
    PICS[name] = svg(w, h, body, defs)


# ---------------------------------------------------------------- buttons
def button_body(w, h, state, c=None, accent=True):
    """The house button: cut corners, a thin light-grey edge, a red accent on
    the left. state: 'n' normal, 'h' hover, 'p' pressed / selected."""
    c = c if c is not None else min(7, h // 3)
    d = chamfer_rect(0.5, 0.5, w - 1, h - 1, c)
    if state == "n":
        g = lin("g", 0, 0, 0, 1, [(0, "#2c2c2c"), (0.5, "#1f1f1f"), (1, "#161616")])
        edge, acc, hl = "#4d4d4d", RED_HI, 0.10
    elif state == "h":
        g = lin("g", 0, 0, 0, 1, [(0, "#5e1d1d"), (0.5, "#481515"), (1, "#361010")])
        edge, acc, hl = "#a33030", "#ff4a1e", 0.16
    else:
        g = lin("g", 0, 0, 0, 1, [(0, "#5a0d0d"), (0.45, RED_MID), (1, RED_HI)])
        edge, acc, hl = "#d04030", "#ffb070", 0.0
    body = ['<path d="%s" fill="url(#g)" stroke="%s" stroke-width="1"/>' % (d, edge)]
    if hl:
        body.append('<path d="M%s 1.5 L%s 1.5" stroke="#ffffff" stroke-opacity="%s" stroke-width="1"/>' % (
            f(c + 1), f(w - 1.5), f(hl)))
    else:   # pressed: a shadow along the top edge
        body.append('<path d="M%s 1.8 L%s 1.8" stroke="#000000" stroke-opacity="0.45" stroke-width="1.6"/>' % (
            f(c + 1), f(w - 1.5)))
    if accent:
        body.append('<path d="M3 %s L3 %s" stroke="%s" stroke-width="2" stroke-linecap="square"/>' % (
            f(c + 2), f(h - 4), acc))
    # a small bright tick in the bottom-right cut corner
    body.append('<path d="M%s %s L%s %s" stroke="%s" stroke-width="1.2" stroke-opacity="%s"/>' % (
        f(w - c + 1.5), f(h - 2.2), f(w - 2.2), f(h - c + 1.5), acc, "0.9" if state != "n" else "0.6"))
    return "".join(body), g


def make_button(name, w, h, state, **kw):
    b, g = button_body(w, h, state, **kw)
    pic(name, w, h, b, g)


def round_button(name, size, glyph, state):
    r = size / 2.0
    if state == "n":
        bg = '<circle cx="%s" cy="%s" r="%s" fill="url(#g)" stroke="#4d4d4d"/>' % (f(r), f(r), f(r - 0.5))
        g = rad("g", 0.5, 0.35, 0.7, [(0, "#333333"), (1, "#161616")])
        col = "#c4c4c4"
    else:
        bg = '<circle cx="%s" cy="%s" r="%s" fill="url(#g)" stroke="#d04030"/>' % (f(r), f(r), f(r - 0.5))
        g = rad("g", 0.5, 0.35, 0.7, [(0, "#b02a22"), (1, RED_DEEP)])
        col = "#ffffff"
    k = size / 18.0
    if glyph == "minus":
        gl = '<path d="M%s %s L%s %s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
            f(5.5 * k), f(r), f(12.5 * k), f(r), col, f(1.6 * k))
    elif glyph == "cross":
        a, b = 6 * k, 12 * k
        gl = ('<path d="M%s %s L%s %s M%s %s L%s %s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>'
              % (f(a), f(a), f(b), f(b), f(b), f(a), f(a), f(b), col, f(1.6 * k)))
    else:  # question mark, drawn as a stroke
        gl = ('<path d="M%s %s C%s %s %s %s %s %s C%s %s %s %s %s %s L%s %s" fill="none" stroke="%s" '
              'stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>'
              '<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (
                  f(6.3 * k), f(7.0 * k), f(6.3 * k), f(4.4 * k), f(11.8 * k), f(4.2 * k), f(11.8 * k), f(7.0 * k),
                  f(11.8 * k), f(8.8 * k), f(9.0 * k), f(9.0 * k), f(9.0 * k), f(10.6 * k), f(9.0 * k), f(11.0 * k),
                  col, f(1.6 * k), f(9.0 * k), f(13.7 * k), f(1.0 * k), col))
    pic(name, size, size, bg + gl, g)


def radio(name, size, on):
    r = size / 2.0
    defs = rad("g", 0.5, 0.4, 0.6, [(0, "#1c1c1c"), (1, "#0a0a0a")])
    body = '<circle cx="%s" cy="%s" r="%s" fill="url(#g)" stroke="%s" stroke-width="1.2"/>' % (
        f(r), f(r), f(r - 1.2), "#ff4a1e" if on else "#6e6e6e")
    if on:
        defs += rad("d", 0.4, 0.35, 0.7, [(0, "#ffb060"), (0.45, ORANGE), (1, RED)]) + blur("bl", 1.2)
        body = ('<circle cx="%s" cy="%s" r="%s" fill="#ff2a00" opacity="0.55" filter="url(#bl)"/>' % (
            f(r), f(r), f(r * 0.55)) + body +
            '<circle cx="%s" cy="%s" r="%s" fill="url(#d)"/>' % (f(r), f(r), f(r * 0.42)))
    pic(name, size, size, body, defs)


def check(name, size, on):
    defs = lin("g", 0, 0, 0, 1, [(0, "#202020"), (1, "#0c0c0c")])
    body = '<rect x="1" y="1" width="%s" height="%s" rx="2" fill="url(#g)" stroke="%s" stroke-width="1"/>' % (
        size - 2, size - 2, "#d04030" if on else "#6e6e6e")
    if on:
        k = size / 14.0
        defs += lin("t", 0, 0, 1, 1, [(0, ORANGE), (1, RED)])
        body += ('<path d="M%s %s L%s %s L%s %s" fill="none" stroke="url(#t)" stroke-width="%s" '
                 'stroke-linecap="round" stroke-linejoin="round"/>' % (
                     f(3.5 * k), f(7.2 * k), f(6.0 * k), f(9.8 * k), f(10.8 * k), f(4.2 * k), f(1.9 * k)))
    pic(name, size, size, body, defs)


# ---------------------------------------------------------------- panels
def dialog_bg(name, w, h, title_h=30, list_top=None):
    defs = (lin("g", 0, 0, 0, 1, [(0, "#1d1d1d"), (1, "#141414")])
            + lin("acc", 0, 0, 1, 0, [(0, RED, 0.0), (0.15, RED), (0.6, ORANGE), (1, ORANGE, 0.0)]))
    body = ['<rect x="0.5" y="0.5" width="%s" height="%s" rx="3" fill="url(#g)" stroke="#3c3c3c"/>' % (w - 1, h - 1),
            '<path d="M1 %s L1 4 Q1 1 4 1 L%s 1 Q%s 1 %s 4 L%s %s Z" fill="#1e1e1e"/>' % (
                f(title_h), f(w - 4), f(w - 1), f(w - 1), f(w - 1), f(title_h)),
            '<rect x="1" y="%s" width="%s" height="1.5" fill="url(#acc)"/>' % (f(title_h - 1), w - 2),
            # corner brackets
            '<path d="M6 %s L6 %s L12 %s M%s %s L%s %s L%s %s" fill="none" stroke="%s" stroke-width="1.2"/>' % (
                f(h - 12), f(h - 6), f(h - 6), f(w - 12), f(h - 6), f(w - 6), f(h - 6), f(w - 6), f(h - 12), RED_HI),
            '<path d="M1.5 1.5 L1.5 %s" stroke="#ffffff" stroke-opacity="0.05"/>' % f(h - 2)]
    if list_top is not None:
        body.append('<rect x="6" y="%s" width="%s" height="%s" fill="#101010" stroke="#2a2a2a"/>' % (
            f(list_top + 4), w - 12, h - list_top - 10))
    pic(name, w, h, "".join(body), defs)


def track(w, h, y, th, fill_to, ticks, defs_id=""):
    """A horizontal slider track: groove, red fill up to x=fill_to, and step
    marks at `ticks`."""
    yy = y - th / 2.0
    out = ['<rect x="1" y="%s" width="%s" height="%s" rx="%s" fill="#0c0c0c" stroke="#4a4a4a" stroke-width="0.8"/>'
           % (f(yy), f(w - 2), f(th), f(th / 2))]
    for t in ticks:
        col = "#ffd0a0" if t <= fill_to + 0.5 else "#6a6a6a"
        out.append('<rect x="%s" y="%s" width="1" height="%s" fill="%s" opacity="0.8"/>' % (
            f(t - 0.5), f(yy - 2.5), f(th + 5), col))
    if fill_to > 1:
        out.append('<rect x="1.4" y="%s" width="%s" height="%s" rx="%s" fill="url(#fill)"/>' % (
            f(yy + 0.4), f(fill_to - 1.4), f(th - 0.8), f((th - 0.8) / 2)))
        out.append('<rect x="2" y="%s" width="%s" height="0.8" fill="#ffffff" opacity="0.25"/>' % (
            f(yy + 0.8), f(max(0, fill_to - 3))))
    return "".join(out)


FILL_H = lin("fill", 0, 0, 1, 0, [(0, ORANGE), (1, RED)])


# ---------------------------------------------------------------- groups
def group_index():
    round_button("index/ask.png", 18, "question", "n")
    round_button("index/askH.png", 18, "question", "h")
    # the names are historic: closeBtn shows the minus (minimise) and
    # minBtn the cross (close to tray)
    round_button("index/closeBtn.png", 18, "minus", "n")
    round_button("index/closeBtnH.png", 18, "minus", "h")
    round_button("index/minBtn.png", 18, "cross", "n")
    round_button("index/minBtnH.png", 18, "cross", "h")
    for s, n in (("n", ""), ("h", "H"), ("p", "P")):
        make_button("index/restBtn%s.png" % n, 78, 30, s)
    make_button("index/saveBtn.png", 88, 25, "n")
    dialog_bg("index/sureBg.png", 320, 170)
    dialog_bg("index/singleKeyBg.png", 320, 200)
    dialog_bg("index/macroKeyBg.png", 420, 270)
    check("index/macroTypeCheck.png", 14, True)
    check("index/macroTypeCheck0.png", 14, False)
    # scroll track of the right column and an optional handle picture
    defs = lin("g", 0, 0, 1, 0, [(0, "#0a0a0a"), (0.5, "#161616"), (1, "#0a0a0a")])
    body = ('<rect x="0.5" y="0.5" width="7" height="562" rx="3.5" fill="url(#g)" stroke="#303030"/>'
            '<path d="M4 6 L4 557" stroke="#ffffff" stroke-opacity="0.04"/>')
    pic("index/flickableBar.png", 8, 563, body, defs)
    defs = lin("g", 0, 0, 0, 1, [(0, "#767676"), (1, "#303030")])
    body = ('<rect x="0.5" y="0.5" width="7" height="79" rx="3.5" fill="url(#g)" stroke="#000000" stroke-opacity="0.38"/>'
            '<path d="M2.5 37 L5.5 37 M2.5 40 L5.5 40 M2.5 43 L5.5 43" stroke="#1a1a1a" stroke-width="0.8"/>')
    pic("index/flickableHandle.png", 8, 80, body, defs)
    logo_pictures()


def logo_pictures():
    # main logo: emblem plus the wordmark, with the product line under it
    defs = (lin("em", 0, 0, 1, 1, [(0, "#ffb04a"), (0.4, ORANGE), (1, RED)])
            + lin("wm", 0, 10, 0, 32, [(0, "#ffffff"), (1, "#a8a8a8")], units="userSpaceOnUse")
            + lin("ul", 0, 0, 1, 0, [(0, RED), (0.7, ORANGE), (1, ORANGE, 0)]) + blur("gl", 2))
    body = [emblem_svg(27, 27, 46, "#ff2000").replace('fill="#ff2000"', 'fill="#ff2000" opacity="0.5" filter="url(#gl)"'),
            emblem_svg(27, 27, 46, "url(#em)")]
    wm, wmw = wordmark("STELLARC", 58, 11, 20, 3.1, "url(#wm)", spacing=1.7)
    body.append(wm)
    body.append('<rect x="58" y="38" width="%s" height="2" fill="url(#ul)"/>' % f(wmw + 6))
    sub, _ = wordmark("VEYRA Q530", 59, 45, 8, 1.3, "#9a9a9a", spacing=1.9)
    body.append(sub)
    pic("index/mainLogo.png", 230, 60, "".join(body), defs)

    # start-up splash: a dark plate with the emblem and the wordmark
    w, h = 420, 240
    defs = (lin("pl", 0, 0, 0, 1, [(0, "#1e1e1e"), (1, "#0e0e0e")])
            + rad("glo", 0.5, 0.42, 0.55, [(0, "#761212", 0.55), (1, "#761212", 0)])
            + lin("em", 0, 0, 1, 1, [(0, "#ffb04a"), (0.4, ORANGE), (1, RED)])
            + lin("wm", 0, 148, 0, 178, [(0, "#ffffff"), (1, "#a8a8a8")], units="userSpaceOnUse")
            + lin("ul", 0, 0, 1, 0, [(0, RED, 0), (0.3, RED), (0.7, ORANGE), (1, ORANGE, 0)])
            + blur("gl", 4))
    body = ['<path d="%s" fill="url(#pl)" stroke="#3a3a3a"/>' % chamfer_rect(0.5, 0.5, w - 1, h - 1, 18),
            '<rect x="1" y="1" width="%s" height="%s" fill="url(#glo)"/>' % (w - 2, h - 2),
            '<path d="M%s %s L%s %s L%s %s" fill="none" stroke="%s" stroke-width="2"/>' % (
                w - 60, h - 8, w - 8, h - 8, w - 8, h - 60, RED_HI),
            '<path d="M8 60 L8 8 L60 8" fill="none" stroke="%s" stroke-width="2"/>' % RED_HI]
    em = emblem_svg(w / 2, 86, 96, "#ff2000")
    body.append(em.replace('fill="#ff2000"', 'fill="#ff2000" opacity="0.6" filter="url(#gl)"'))
    body.append(emblem_svg(w / 2, 86, 96, "url(#em)"))
    _, ww = wordmark("STELLARC", 0, 0, 26, 4, "#fff", spacing=1.7)
    wm, _ = wordmark("STELLARC", (w - ww) / 2, 150, 26, 4, "url(#wm)", spacing=1.7)
    body.append(wm)
    body.append('<rect x="60" y="186" width="300" height="2" fill="url(#ul)"/>')
    _, sw = wordmark("VEYRA MOUSE Q530", 0, 0, 9, 1.4, "#fff", spacing=2.2)
    sub, _ = wordmark("VEYRA MOUSE Q530", (w - sw) / 2, 198, 9, 1.4, "#9a9a9a", spacing=2.2)
    body.append(sub)
    pic("index/powerOn.png", w, h, "".join(body), defs)


def group_profile():
    for s, n in (("n", ""), ("h", "H"), ("p", "S")):
        make_button("profile/profileStartBtn%s.png" % n, 110, 30, s)
    dialog_bg("profile/profileBG.png", 263, 575, title_h=31, list_top=31)
    r = 14
    defs = ""
    body = ('<rect x="0.5" y="0.5" width="13" height="13" rx="2" fill="#2a1212" stroke="#8f2020"/>'
            '<path d="M4 4 L10 10 M10 4 L4 10" stroke="#e0e0e0" stroke-width="1.5" stroke-linecap="round"/>')
    pic("profile/profileCloseBtn.png", r, r, body, defs)
    make_button("profile/profileDeleteBtn0.png", 100, 26, "n")


def group_macros():
    for s, n in (("n", ""), ("h", "H"), ("p", "P")):
        make_button("macros/macroStartBtn%s.png" % n, 200, 26, s)
    # the macro editor's plate; its lists and fields are drawn by the page
    dialog_bg("macros/macroEditorBg.png", 640, 430)


def group_mouse_buttons():
    for s, n in (("n", "N"), ("h", "H"), ("p", "S")):
        b, g = button_body(100, 26, s, accent=False)
        if s == "p":   # the active view: an underline that glows
            g += lin("ul", 0, 0, 1, 0, [(0, ORANGE, 0), (0.5, "#fa6726"), (1, ORANGE, 0)])
            b += '<rect x="10" y="22" width="80" height="2" fill="url(#ul)"/>'
        pic("mouse/mouseSidebtn%s.png" % n, 100, 26, b, g)


def group_xy():
    centres = [10, 30, 52, 74, 95, 116, 137, 159, 180, 200]
    for i in range(10):
        pic("xySetting/xy%d.png" % i, 210, 10, track(210, 10, 5, 4, centres[i], centres), FILL_H)
    nums = "".join('<text x="%s" y="9.5" font-family="%s" font-size="8.5" fill="%s" text-anchor="middle">%d</text>'
                   % (c, FONT, TEXT_GREY, i + 1) for i, c in enumerate(centres))
    pic("xySetting/xyNumber.png", 210, 12, nums)
    defs = (rad("g", 0.4, 0.35, 0.7, [(0, "#6a6a6a"), (0.6, "#2a2a2a"), (1, "#121212")])
            + lin("ring", 0, 0, 1, 1, [(0, ORANGE), (1, RED)]))
    body = ('<circle cx="7" cy="7" r="6" fill="url(#g)" stroke="url(#ring)" stroke-width="1.5"/>'
            '<circle cx="7" cy="7" r="1.6" fill="#ff5a20"/>')
    pic("xySetting/xyBtn.png", 14, 14, body, defs)


def group_dpi():
    defs = lin("g", 0, 0, 1, 0, [(0, "#050505"), (0.5, "#141414"), (1, "#050505")])
    body = ['<rect x="0.5" y="0.5" width="6" height="169" rx="3" fill="url(#g)" stroke="#4a4a4a" stroke-width="0.8"/>']
    for k in range(0, 11):   # faint marks every tenth of the bar (y 8 to 162)
        y = 8 + 154 * k / 10.0
        body.append('<rect x="1.5" y="%s" width="4" height="0.7" fill="#ffffff" opacity="0.10"/>' % f(y))
    pic("dpiSetting/dpiSettingBG.png", 7, 170, "".join(body), defs)
    defs = lin("g", 0, 0, 0, 1, [(0, ORANGE), (1, RED)])
    body = ('<rect x="0.5" y="0.5" width="9" height="9" rx="1.5" fill="url(#g)" stroke="#ffb070" stroke-width="0.8"/>'
            '<path d="M2.6 5.2 L4.3 6.9 L7.5 3.3" fill="none" stroke="#ffffff" stroke-width="1.3" '
            'stroke-linecap="round" stroke-linejoin="round"/>')
    pic("dpiSetting/dpiSetting0.png", 10, 10, body, defs)
    body = '<rect x="0.5" y="0.5" width="9" height="9" rx="1.5" fill="#0e0e0e" stroke="#6a6a6a" stroke-width="0.8"/>'
    pic("dpiSetting/dpiSetting1.png", 10, 10, body)
    # hue bar: six segments of floor(128 / 6) = 21 px, red again at the end
    hues = ["#ff0000", "#ffff00", "#00ff00", "#00ffff", "#0000ff", "#ff00ff", "#ff0000"]
    stops = [(21 * i / 128.0, c) for i, c in enumerate(hues)] + [(1, "#ff0000")]
    defs = lin("g", 0, 0, 1, 0, stops)
    body = ('<rect x="0" y="0" width="128" height="8" fill="url(#g)"/>'
            '<rect x="0" y="0" width="128" height="8" fill="none" stroke="#000" stroke-opacity="0.35"/>')
    pic("dpiSetting/colorBar.png", 128, 8, body, defs)
    body = ('<rect x="0.5" y="0.5" width="4" height="11" rx="1.5" fill="#f4f4f4" stroke="#1a1a1a"/>'
            '<rect x="2" y="3" width="1" height="6" fill="#9a9a9a"/>')
    pic("dpiSetting/colorBarSlide.png", 5, 12, body)


RATES = [("125", "8"), ("250", "4"), ("500", "2"), ("1000", "1")]   # index 0..3 = upper left, lower left, lower right, upper right


def group_report():
    w, h = 224, 128
    cx, cy = w / 2.0, h / 2.0
    # tile k: 0 upper left, 1 lower left, 2 lower right, 3 upper right
    tiles = {0: (0, 0), 1: (0, 1), 2: (1, 1), 3: (1, 0)}
    for sel in range(4):
        for lang in ("zh", "en"):
            defs = (lin("on", 0, 0, 0, 1, [(0, "#8f2020"), (1, "#4f1717")])
                    + lin("off", 0, 0, 0, 1, [(0, "#232323"), (1, "#161616")])
                    + rad("hub", 0.45, 0.4, 0.6, [(0, "#3a3a3a"), (1, "#0e0e0e")])
                    + lin("needle", 0, 0, 1, 0, [(0, ORANGE), (1, RED)]) + blur("gl", 2.5))
            body = []
            for k, (tx, ty) in tiles.items():
                x0 = 2 + tx * (cx)
                y0 = 2 + ty * (cy)
                tw, th = cx - 4, cy - 4
                on = k == sel
                # outer corners cut, inner corner left for the hub
                c = 9
                if (tx, ty) == (0, 0):
                    pts = [(x0 + c, y0), (x0 + tw, y0), (x0 + tw, y0 + th), (x0, y0 + th), (x0, y0 + c)]
                elif (tx, ty) == (1, 0):
                    pts = [(x0, y0), (x0 + tw - c, y0), (x0 + tw, y0 + c), (x0 + tw, y0 + th), (x0, y0 + th)]
                elif (tx, ty) == (0, 1):
                    pts = [(x0, y0), (x0 + tw, y0), (x0 + tw, y0 + th), (x0 + c, y0 + th), (x0, y0 + th - c)]
                else:
                    pts = [(x0, y0), (x0 + tw, y0), (x0 + tw, y0 + th - c), (x0 + tw - c, y0 + th), (x0, y0 + th)]
                body.append('<path d="%s" fill="url(#%s)" stroke="%s" stroke-width="1"/>' % (
                    poly_d(pts), "on" if on else "off", "#d04030" if on else "#3e3e3e"))
                # label away from the centre
                lx = x0 + (tw * 0.38 if tx == 0 else tw * 0.62)
                ly = y0 + (th * 0.45 if ty == 0 else th * 0.62)
                hz, ms = RATES[k]
                col = "#ffffff" if on else "#a8a8a8"
                body.append('<text x="%s" y="%s" font-family="%s" font-size="15" font-weight="bold" fill="%s" '
                            'text-anchor="middle">%s<tspan font-size="9" font-weight="normal" dx="1.5">Hz</tspan></text>'
                            % (f(lx), f(ly), FONT, col, hz))
                unit = "ms" if lang == "en" else "毫秒"
                body.append('<text x="%s" y="%s" font-family="%s" font-size="9" fill="%s" text-anchor="middle">%s %s</text>'
                            % (f(lx), f(ly + 13), FONT if lang == "en" else FONT_ZH,
                               "#ffc8a0" if on else "#707070", ms, unit))
            # the hub with a needle pointing at the chosen tile
            tx, ty = tiles[sel]
            ang = math.atan2((1 if ty else -1), (1 if tx else -1))
            nx, ny = math.cos(ang), math.sin(ang)
            body.append('<circle cx="%s" cy="%s" r="22" fill="#0b0b0b"/>' % (f(cx), f(cy)))
            body.append('<circle cx="%s" cy="%s" r="18" fill="url(#hub)" stroke="#555" stroke-width="1"/>' % (f(cx), f(cy)))
            for k in range(4):
                a = math.radians(45 + 90 * k)
                body.append('<path d="M%s %s L%s %s" stroke="#777" stroke-width="1"/>' % (
                    f(cx + 19.5 * math.cos(a)), f(cy + 19.5 * math.sin(a)), f(cx + 22 * math.cos(a)), f(cy + 22 * math.sin(a))))
            tip = (cx + nx * 15, cy + ny * 15)
            px, py = -ny, nx
            needle = [(cx + px * 3, cy + py * 3), tip, (cx - px * 3, cy - py * 3), (cx - nx * 4, cy - ny * 4)]
            body.append('<path d="%s" fill="#ff2000" opacity="0.7" filter="url(#gl)"/>' % poly_d(needle))
            body.append('<path d="%s" fill="url(#needle)"/>' % poly_d(needle))
            body.append('<circle cx="%s" cy="%s" r="2.5" fill="#1a1a1a" stroke="#888" stroke-width="0.8"/>' % (f(cx), f(cy)))
            name = "reportRate/reportRate%s%d.png" % ("En" if lang == "en" else "", sel)
            pic(name, w, h, "".join(body), defs)


def _mix(c1, c2, t):
    a = [int(c1[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(c2[i:i + 2], 16) for i in (1, 3, 5)]
    return "#%02x%02x%02x" % tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def group_mouse_rate():
    """Half dial: value v fills the sectors 1..v, each 18 degrees, counted
    from the left (angle 0) over the top to the right (angle 180), around
    (width / 2, 70)."""
    w, h = 200, 76
    cx, cy = w / 2.0, 70.0
    ro, ri = 64.0, 50.0

    def pt(a, r):   # a: 0 = left, 90 = up, 180 = right
        t = math.radians(a)
        return cx - r * math.cos(t), cy - r * math.sin(t)

    def sector(a0, a1, r0, r1):
        p = [pt(a0, r1), pt(a1, r1), pt(a1, r0), pt(a0, r0)]
        return ('M%s %s A%s %s 0 0 1 %s %s L%s %s A%s %s 0 0 0 %s %s Z' % (
            f(p[0][0]), f(p[0][1]), f(r1), f(r1), f(p[1][0]), f(p[1][1]), f(p[2][0]), f(p[2][1]),
            f(r0), f(r0), f(p[3][0]), f(p[3][1])))

    for v in range(11):
        defs = (rad("hub", 0.45, 0.3, 0.7, [(0, "#444"), (1, "#111")]) + blur("gl", 2.2)
                + lin("ndl", 0, 0, 1, 0, [(0, "#ffd0a0"), (1, "#ff3a10")]))
        body = []
        # thin outer scale
        body.append('<path d="M%s %s A%s %s 0 0 1 %s %s" fill="none" stroke="#8a8a8a" stroke-opacity="0.55" '
                    'stroke-width="0.8"/>' % (f(pt(0, ro + 4)[0]), f(pt(0, ro + 4)[1]), f(ro + 4), f(ro + 4),
                                              f(pt(180, ro + 4)[0]), f(pt(180, ro + 4)[1])))
        for k in range(11):
            a = 18 * k
            p0, p1 = pt(a, ro + 4), pt(a, ro + 7.5 if k % 5 == 0 else ro + 6)
            body.append('<path d="M%s %s L%s %s" stroke="#9a9a9a" stroke-width="%s"/>' % (
                f(p0[0]), f(p0[1]), f(p1[0]), f(p1[1]), "1.2" if k % 5 == 0 else "0.8"))
        glow = []
        for k in range(1, 11):
            a0, a1 = 18 * (k - 1) + 1.2, 18 * k - 1.2
            d = sector(a0, a1, ri, ro)
            if k <= v:
                col = _mix(ORANGE, RED, (k - 1) / 9.0)
                glow.append('<path d="%s" fill="%s"/>' % (d, col))
                body.append('<path d="%s" fill="%s" stroke="#ffb080" stroke-opacity="0.5" stroke-width="0.6"/>' % (d, col))
            else:
                body.append('<path d="%s" fill="#262626" stroke="#3e3e3e" stroke-width="0.6"/>' % d)
        if glow:
            body.insert(0, '<g opacity="0.55" filter="url(#gl)">%s</g>' % "".join(glow))
        # inner guide arc, hub and needle
        body.append('<path d="M%s %s A%s %s 0 0 1 %s %s" fill="none" stroke="#555" stroke-width="0.8"/>' % (
            f(pt(0, ri - 5)[0]), f(pt(0, ri - 5)[1]), f(ri - 5), f(ri - 5), f(pt(180, ri - 5)[0]), f(pt(180, ri - 5)[1])))
        a = 18 * v
        tip = pt(a, ri - 2)
        t = math.radians(a)
        px, py = math.sin(t) * 3, -math.cos(t) * 3   # perpendicular
        nd = [(cx + px, cy + py), tip, (cx - px, cy - py)]
        body.append('<path d="%s" fill="url(#ndl)"/>' % poly_d(nd))
        body.append('<path d="M%s %s A14 14 0 0 1 %s %s Z" fill="url(#hub)" stroke="#666" stroke-width="0.8"/>' % (
            f(cx - 14), f(cy), f(cx + 14), f(cy)))
        body.append('<circle cx="%s" cy="%s" r="3" fill="#ff3a10"/>' % (f(cx), f(cy)))
        body.append('<path d="M%s %s L%s %s" stroke="#8a8a8a" stroke-opacity="0.5" stroke-width="0.8"/>' % (
            f(cx - ro - 8), f(cy + 0.4), f(cx + ro + 8), f(cy + 0.4)))
        pic("mouseRate/mouseRate%d.png" % v, w, h, "".join(body), defs)


def group_scroll():
    radio("scrollRate/scrollRate0.png", 16, False)
    radio("scrollRate/scrollRate1.png", 16, True)
    defs = lin("g", 0, 0, 0, 1, [(0, "#060606"), (1, "#141414")])
    body = ('<rect x="0.5" y="0.5" width="36" height="19" rx="2" fill="url(#g)" stroke="#535353"/>'
            '<path d="M2 2 L35 2" stroke="#000" stroke-opacity="0.8"/>')
    pic("scrollRate/scrollRate2.png", 37, 20, body, defs)
    for name, up, hov in (("scrollRate3", True, False), ("scrollRate4", True, True),
                          ("scrollRate5", False, False), ("scrollRate6", False, True)):
        defs = lin("g", 0, 0, 0, 1, [(0, "#3a1414" if hov else "#262626"), (1, "#2a0e0e" if hov else "#181818")])
        tri = [(3, 7), (6, 3), (9, 7)] if up else [(3, 3), (6, 7), (9, 3)]
        body = ('<rect x="0.5" y="0.5" width="11" height="9" rx="1.5" fill="url(#g)" stroke="%s"/>'
                '<path d="%s" fill="%s"/>' % ("#a33030" if hov else "#4a4a4a", poly_d(tri),
                                             "#ff6a30" if hov else "#bdbdbd"))
        pic("scrollRate/%s.png" % name, 12, 10, body, defs)


def group_light():
    radio("lightControl/lightControlBtn0.png", 16, False)
    radio("lightControl/lightControlBtn1.png", 16, True)
    centres = [4, 34, 63, 93, 122]
    for i in range(5):
        pic("lightControl/lightControl%d.png" % i, 126, 11, track(126, 11, 5.5, 4, centres[i], centres), FILL_H)
    # captions: one small mark above each step; brightness dots for the
    # static light, speed chevrons for the breathing and colour effects
    body = []
    body.append('<circle cx="4" cy="4.5" r="2.4" fill="none" stroke="#7a7a7a" stroke-width="1"/>')
    for k in range(1, 5):
        r = 1.6 + 0.55 * k
        col = _mix("#6a3a2a", "#ffb060", k / 4.0)
        body.append('<circle cx="%s" cy="4.5" r="%s" fill="%s"/>' % (centres[k], f(r), col))
    pic("lightControl/lightControlTxt0.png", 126, 9, "".join(body))
    for name, colours in (("lightControlTxt1", None),
                          ("lightControlTxt2", ["#ff3030", "#ffd000", "#30e030", "#30c0ff", "#c040ff"])):
        body = []
        for k in range(5):
            n = k + 1
            span = 3.2 * (n - 1)
            x0 = centres[k] - span / 2.0 - 1.5
            if k == 0:
                x0 = max(0.5, x0)
            if k == 4:
                x0 = min(x0, 126 - span - 3.5)
            for j in range(n):
                x = x0 + j * 3.2
                col = colours[(j + k) % 5] if colours else _mix("#8a8a8a", "#ff6a30", k / 4.0)
                body.append('<path d="M%s 1.5 L%s 4.5 L%s 7.5" fill="none" stroke="%s" stroke-width="1.1" '
                            'stroke-linecap="round" stroke-linejoin="round"/>' % (f(x), f(x + 2.4), f(x), col))
        pic("lightControl/%s.png" % name, 126, 9, "".join(body))


def background():
    w, h = 1000, 640
    defs = (lin("bg", 0, 0, 0, 1, [(0, "#171717"), (0.5, "#121212"), (1, "#0c0c0c")])
            + rad("glow", 0.5, 0.45, 0.42, [(0, "#5a1414", 0.55), (0.6, "#3a0c0c", 0.18), (1, "#000000", 0)])
            + lin("edge", 0, 0, 1, 0, [(0, RED, 0), (0.2, RED_HI), (0.8, RED_HI), (1, RED, 0)])
            + lin("vign", 0, 0, 0, 1, [(0, "#000", 0), (0.8, "#000", 0), (1, "#000", 0.35)])
            + '<pattern id="hex" width="24" height="41.57" patternUnits="userSpaceOnUse">'
              '<path d="M0 0 L12 0 M6 10.39 L0 20.78 L6 31.18 L18 31.18 L24 20.78 L18 10.39 Z M12 0 L18 10.39 '
              'M6 10.39 L12 0 M6 31.18 L0 41.57 M18 31.18 L24 41.57" fill="none" stroke="#ffffff" '
              'stroke-opacity="0.035" stroke-width="0.8"/></pattern>'
            + rad("hexmask", 0.5, 0.45, 0.6, [(0, "#ffffff"), (1, "#ffffff", 0.15)])
            + '<mask id="hm"><rect width="1000" height="640" fill="url(#hexmask)"/></mask>')
    body = ['<rect x="0" y="0" width="%d" height="%d" rx="10" fill="url(#bg)"/>' % (w, h),
            '<rect x="0" y="0" width="%d" height="%d" rx="10" fill="url(#hex)" mask="url(#hm)"/>' % (w, h),
            '<ellipse cx="497" cy="300" rx="270" ry="250" fill="url(#glow)"/>',
            '<rect x="0" y="0" width="%d" height="%d" rx="10" fill="url(#vign)"/>' % (w, h)]
    # the stage under the mouse: a faint elliptical floor and rings
    body.append('<ellipse cx="497" cy="500" rx="200" ry="26" fill="none" stroke="#8f2020" stroke-opacity="0.35"/>')
    body.append('<ellipse cx="497" cy="500" rx="150" ry="18" fill="none" stroke="#8a8a8a" stroke-opacity="0.12"/>')
    # accent lines: top edge, bottom edge, corners
    body.append('<rect x="280" y="1" width="440" height="1.5" fill="url(#edge)"/>')
    body.append('<path d="M300 20 L340 20 L348 28 L652 28 L660 20 L700 20" fill="none" stroke="#8a8a8a" '
                'stroke-opacity="0.18"/>')
    body.append('<path d="M270 600 L300 600 L310 590 L690 590 L700 600 L730 600" fill="none" stroke="#8f2020" '
                'stroke-opacity="0.5"/>')
    for sx in (1, -1):
        x0 = 0 if sx == 1 else w
        body.append('<path d="M%s 70 L%s 14 Q%s 6 %s 6 L%s 6" fill="none" stroke="%s" stroke-width="1.5" '
                    'stroke-opacity="0.7"/>' % (x0 + sx * 8, x0 + sx * 8, x0 + sx * 8, x0 + sx * 16, x0 + sx * 70, RED_HI))
        body.append('<path d="M%s %s L%s %s Q%s %s %s %s L%s %s" fill="none" stroke="%s" stroke-width="1.5" '
                    'stroke-opacity="0.7"/>' % (x0 + sx * 8, h - 70, x0 + sx * 8, h - 14, x0 + sx * 8, h - 6,
                                                 x0 + sx * 16, h - 6, x0 + sx * 70, h - 6, RED_HI))
    # thin separators beside the mouse stage
    for x in (266, 728):
        body.append('<path d="M%s 120 L%s 520" stroke="#8a8a8a" stroke-opacity="0.10"/>' % (x, x))
    # speed slashes near the logo area and the bottom right
    for i in range(4):
        body.append('<path d="M%s 96 L%s 86" stroke="%s" stroke-width="2" stroke-opacity="%s"/>' % (
            200 + i * 9, 206 + i * 9, RED_HI, f(0.8 - i * 0.18)))
    body.append('<rect x="0.5" y="0.5" width="%d" height="%d" rx="10" fill="none" stroke="#3a3a3a"/>' % (w - 1, h - 1))
    PICS["background.png"] = svg(w, h, "".join(body), defs)


def tray_svg(size):
    k = size / 48.0
    defs = (lin("bg", 0, 0, 0, 1, [(0, "#2a2a2a"), (1, "#0e0e0e")])
            + lin("em", 0, 0, 1, 1, [(0, "#ffb04a"), (0.4, ORANGE), (1, RED)]))
    body = '<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="url(#bg)" stroke="%s" stroke-width="%s"/>' % (
        f(0.5), f(0.5), f(size - 1), f(size - 1), f(9 * k), RED_HI, f(max(1, 1.5 * k)))
    em_size = 40 * k if size > 16 else 15
    body += emblem_svg(size / 2.0, size / 2.0 + 0.5 * k, em_size, "url(#em)")
    return svg(size, size, body, defs)


def all_pictures():
    group_index()
    group_profile()
    group_macros()
    group_mouse_buttons()
    group_xy()
    group_dpi()
    group_report()
    group_mouse_rate()
    group_scroll()
    group_light()
    background()
    import mouse
    PICS.update(mouse.build())
    return PICS


# ---------------------------------------------------------------- output
def write_svgs():
    for name, text in sorted(all_pictures().items()):
        p = os.path.join(SVG_DIR, name[:-4] + ".svg")
        os.makedirs(os.path.dirname(p), exist_ok=True)
        with open(p, "w") as fh:
            fh.write(text)
    for s in (16, 32, 48):
        p = os.path.join(SVG_DIR, "trayIcon", "trayIcon%d.svg" % s)
        os.makedirs(os.path.dirname(p), exist_ok=True)
        with open(p, "w") as fh:
            fh.write(tray_svg(s))


def render():
    for name in sorted(PICS):
        src = os.path.join(SVG_DIR, name[:-4] + ".svg")
        dst = os.path.join(ROOT, "modules", "img", name) if name == "background.png" else os.path.join(SKIN_DIR, name)
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        subprocess.run(["rsvg-convert", src, "-o", dst], check=True)
    write_ico()


def write_ico():
    """A Windows icon with 16, 32 and 48 px images, each a 32-bit BMP with
    its AND mask (the classic layout every reader understands)."""
    from PIL import Image
    import io
    entries = []
    for s in (16, 32, 48):
        png = subprocess.run(["rsvg-convert", os.path.join(SVG_DIR, "trayIcon", "trayIcon%d.svg" % s)],
                             check=True, capture_output=True).stdout
        im = Image.open(io.BytesIO(png)).convert("RGBA")
        px = im.load()
        rows = []
        for y in range(s - 1, -1, -1):          # bottom-up
            rows.append(b"".join(struct.pack("BBBB", px[x, y][2], px[x, y][1], px[x, y][0], px[x, y][3])
                                 for x in range(s)))
        xor = b"".join(rows)
        mask_row = ((s + 31) // 32) * 4
        mask = bytearray()
        for y in range(s - 1, -1, -1):
            bits = bytearray(mask_row)
            for x in range(s):
                if px[x, y][3] == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        header = struct.pack("<IiiHHIIiiII", 40, s, s * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        entries.append((s, header + xor + bytes(mask)))
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    data = b""
    for s, blob in entries:
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(blob), offset + len(data))
        data += blob
    dst = os.path.join(ROOT, "data", "modules", "img", "trayIcon.ico")
    os.makedirs(os.path.dirname(dst), exist_ok=True)
    with open(dst, "wb") as fh:
        fh.write(out + data)


if __name__ == "__main__":
    write_svgs()
    if "--render" in sys.argv:
        render()
    print("%d pictures" % len(PICS))
