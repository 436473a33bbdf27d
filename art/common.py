"""Shared drawing vocabulary of the skin: palette, SVG helpers, the emblem and
the wordmark letters. Everything here is plain Python; the generators build
SVG text from it."""
import math

# Palette.
PANEL = "#1a1a1a"
PANEL_T = "#b31a1a1a"
RED_DEEP = "#4f1717"
RED_MID = "#761212"
RED_HI = "#8f2020"
RED_BORDER = "#4e3434"
ORANGE = "#f88600"
RED = "#fe0000"
LINE = "#535353"
LINE_LIGHT = "#8a8a8a"
TEXT_GREY = "#9a9a9a"
ACTIVE = "#fa6726"
FONT = "DejaVu Sans"
FONT_ZH = "WenQuanYi Micro Hei"


def f(v):
    """Compact number for path data."""
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def svg(w, h, body, defs="", vb=None):
    vb = vb or "0 0 %s %s" % (f(w), f(h))
    return ('<svg xmlns="http://www.w3.org/2000/svg" '
            'xmlns:xlink="http://www.w3.org/1999/xlink" width="%d" height="%d" viewBox="%s">\n'
            '<defs>%s</defs>\n%s\n</svg>\n' % (w, h, vb, defs, body))


def lin(id_, x1, y1, x2, y2, stops, units="objectBoundingBox"):
    s = "".join('<stop offset="%s" stop-color="%s"%s/>' % (
        f(o), c, (' stop-opacity="%s"' % f(a)) if a is not None else "")
        for o, c, a in [(st + (None,))[:3] for st in stops])
    return ('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s" gradientUnits="%s">%s'
            '</linearGradient>' % (id_, f(x1), f(y1), f(x2), f(y2), units, s))


def rad(id_, cx, cy, r, stops, units="objectBoundingBox", fx=None, fy=None):
    s = "".join('<stop offset="%s" stop-color="%s"%s/>' % (
        f(o), c, (' stop-opacity="%s"' % f(a)) if a is not None else "")
        for o, c, a in [(st + (None,))[:3] for st in stops])
    fxy = ""
    if fx is not None:
        fxy = ' fx="%s" fy="%s"' % (f(fx), f(fy))
    return ('<radialGradient id="%s" cx="%s" cy="%s" r="%s"%s gradientUnits="%s">%s'
            '</radialGradient>' % (id_, f(cx), f(cy), f(r), fxy, units, s))


def blur(id_, std, extra=""):
    return ('<filter id="%s" x="-50%%" y="-50%%" width="200%%" height="200%%">'
            '<feGaussianBlur stdDeviation="%s"/>%s</filter>' % (id_, f(std), extra))


def poly_d(pts, close=True):
    d = "M" + " L".join("%s %s" % (f(x), f(y)) for x, y in pts)
    return d + ("Z" if close else "")


def chamfer_rect(x, y, w, h, c):
    """Rectangle with the top-left and bottom-right corners cut: the house
    button shape."""
    return poly_d([(x + c, y), (x + w, y), (x + w, y + h - c), (x + w - c, y + h),
                   (x, y + h), (x, y + c)])


def catmull_rom(points, closed=True, n=12):
    """Sample a smooth curve through the points (centripetal-ish uniform
    Catmull-Rom). Returns a dense list of points."""
    pts = list(points)
    out = []
    m = len(pts)
    rng = range(m) if closed else range(m - 1)
    for i in rng:
        p0 = pts[(i - 1) % m] if closed or i > 0 else pts[0]
        p1 = pts[i]
        p2 = pts[(i + 1) % m]
        p3 = pts[(i + 2) % m] if closed or i + 2 < m else pts[-1]
        for k in range(n):
            t = k / n
            t2, t3 = t * t, t * t * t
            x = 0.5 * ((2 * p1[0]) + (-p0[0] + p2[0]) * t + (2 * p0[0] - 5 * p1[0] + 4 * p2[0] - p3[0]) * t2
                       + (-p0[0] + 3 * p1[0] - 3 * p2[0] + p3[0]) * t3)
            y = 0.5 * ((2 * p1[1]) + (-p0[1] + p2[1]) * t + (2 * p0[1] - 5 * p1[1] + 4 * p2[1] - p3[1]) * t2
                       + (-p0[1] + 3 * p1[1] - 3 * p2[1] + p3[1]) * t3)
            out.append((x, y))
    if not closed:
        out.append(pts[-1])
    return out


# The emblem: a four-point star resting in an open arc ("stell" + "arc").
# Unit coordinates, centred on 0,0, roughly within -1..1.
def emblem_polys():
    star = [(0, -1.0), (0.13, -0.15), (0.62, 0.0), (0.13, 0.13), (0, 0.55),
            (-0.13, 0.13), (-0.62, 0.0), (-0.13, -0.15)]
    arc = []
    a0, a1 = math.radians(150), math.radians(395)
    n = 40
    for i in range(n + 1):           # outer edge, tapering at both ends
        t = i / n
        a = a0 + (a1 - a0) * t
        r = 0.96
        arc.append((r * math.cos(a), r * math.sin(a) * 0.92 + 0.08))
    for i in range(n, -1, -1):      # inner edge
        t = i / n
        a = a0 + (a1 - a0) * t
        w = 0.22 * math.sin(math.pi * t) ** 0.7 + 0.015
        r = 0.96 - w
        arc.append((r * math.cos(a), r * math.sin(a) * 0.92 + 0.08))
    return [star, arc]


def emblem_svg(cx, cy, size, fill):
    s = size / 2.0
    return "".join('<path d="%s" fill="%s"/>' % (
        poly_d([(cx + x * s, cy + y * s) for x, y in p]), fill) for p in emblem_polys())


# Wordmark letters: strokes on a 4 x 6 grid, drawn thick with square ends and
# then slanted. Only the letters the product names need.
LETTERS = {
    "S": [[(4, 0), (0.9, 0), (0, 0.9), (0, 3), (4, 3), (4, 5.1), (3.1, 6), (0, 6)]],
    "T": [[(0, 0), (4, 0)], [(2, 0), (2, 6)]],
    "E": [[(4, 0), (0, 0), (0, 6), (4, 6)], [(0, 3), (3, 3)]],
    "L": [[(0, 0), (0, 6), (4, 6)]],
    "A": [[(0, 6), (0, 1.2), (1.2, 0), (4, 0), (4, 6)], [(0, 3.4), (4, 3.4)]],
    "R": [[(0, 6), (0, 0), (3.1, 0), (4, 0.9), (4, 3), (0, 3)], [(2.2, 3), (4, 6)]],
    "C": [[(4, 0), (0.9, 0), (0, 0.9), (0, 5.1), (0.9, 6), (4, 6)]],
    "V": [[(0, 0), (0, 4.2), (2, 6), (4, 4.2), (4, 0)]],
    "Y": [[(0, 0), (0, 2.6), (4, 2.6)], [(4, 0), (4, 6), (0, 6)]],
    "M": [[(0, 6), (0, 0), (2, 2), (4, 0), (4, 6)]],
    "O": [[(0.9, 0), (4, 0), (4, 5.1), (3.1, 6), (0, 6), (0, 0.9), (0.9, 0)]],
    "U": [[(0, 0), (0, 6), (4, 6), (4, 0)]],
    "Q": [[(3.1, 6), (0, 6), (0, 0.9), (0.9, 0), (4, 0), (4, 5.1), (3.1, 6)], [(2.6, 4.6), (4.2, 6.4)]],
    "5": [[(4, 0), (0, 0), (0, 3), (4, 3), (4, 6), (0, 6)]],
    "3": [[(0, 0), (4, 0), (4, 6), (0, 6)], [(1.2, 3), (4, 3)]],
    "0": [[(0, 0), (4, 0), (4, 6), (0, 6), (0, 0)], [(4, 0), (0, 6)]],
    " ": [],
}


def wordmark(text, x, y, height, stroke, fill, spacing=1.6, slant=0.2):
    """Path elements for `text` with its top-left at x,y, letters `height`
    tall. Returns (svg, width)."""
    k = height / 6.0
    out = []
    cx = x
    for ch in text:
        for line in LETTERS[ch]:
            pts = [(cx + (px + (6 - py) * slant) * k, y + py * k) for px, py in line]
            out.append('<path d="%s" fill="none" stroke="%s" stroke-width="%s" '
                       'stroke-linejoin="miter" stroke-linecap="square"/>' % (
                           poly_d(pts, close=False), fill, f(stroke)))
        cx += (4 + spacing) * k if ch != " " else 3 * k
    return "".join(out), cx - x - spacing * k
