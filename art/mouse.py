"""The mouse pictures: one small 3D model of the mouse (a height field over
the top-view outline plus a flank wall around it, a wheel in the centre
spine), cut into facets along the button regions, shaded and projected for
the top view and the three-quarter side view. A button's overlay is drawn
from the very facets that make up that button in the base picture, in
window coordinates, and only the SVG viewBox differs between the base and
the overlay: so every overlay registers with its button exactly.

All coordinates are window coordinates (the 1000 x 640 page): x to the
right, y down the page (towards the rear of the mouse in the top view),
z the height above the desk."""
import math
import numpy as np
from shapely.geometry import Polygon, box, Point
from shapely.ops import unary_union
from shapely.prepared import prep

from common import svg, f, poly_d, catmull_rom, emblem_polys, blur

# ---------------------------------------------------------------- placement
# Base pictures: centred horizontally, top margins 72 and 276.
TOP_BOX = (300, 72, 400, 440)     # x, y, w, h of MouseFront.png
SIDE_BOX = (270, 276, 460, 240)   # MouseSide.png
# Overlay corners (top-left of each overlay picture) on the page.
TOP_CORNERS = [(354, 100), (550, 100), (499, 177), (349, 263), (348, 324),
               (502, 246), (502, 286), (355, 202)]
SIDE_CORNERS = [(376, 205), (327, 210), (420, 303), (488, 308), (539, 303),
                (466, 207), (494, 205), (466, 351)]
GLOW = 6  # room kept around a lit button for its glow

# ---------------------------------------------------------------- the shape
# Rim of the top surface seen from above: a right-handed ergonomic outline,
# widest at the thumb side, with a gentle pinky groove on the right.
OUTLINE_CTRL = [
    (520, 107), (572, 108), (610, 114), (630, 128), (640, 152), (645, 195),
    (644, 245), (640, 290), (642, 335), (639, 380), (626, 425), (600, 462),
    (560, 488), (510, 499), (460, 497), (418, 483), (390, 458), (375, 420),
    (370, 370), (369, 320), (371, 270), (375, 225), (381, 182), (390, 147),
    (402, 124), (425, 111), (468, 107)]
OUT_PTS = catmull_rom(OUTLINE_CTRL, True, 20)
OUT = Polygon(OUT_PTS).buffer(0)
YF, YR = OUT.bounds[1], OUT.bounds[3]
HMAX = 138.0
R0, RHO = 0.56, 30.0       # rim height fraction, width of the rounded shoulder

_hl = catmull_rom([(0, .42), (.08, .56), (.25, .76), (.45, .92), (.60, 1.0),
                   (.74, .97), (.86, .82), (.95, .56), (1.0, .34)], closed=False, n=20)
_HL_S = np.array([p[0] for p in _hl])
_HL_V = np.array([p[1] for p in _hl])


def _segments(pts):
    a = np.array(pts)
    return a, np.roll(a, -1, axis=0)


_SA, _SB = _segments(OUT_PTS)


def _dist_inside(px, py):
    """Distance to the rim and inside flag for arrays of points."""
    d = np.full(px.shape, 1e9)
    inside = np.zeros(px.shape, bool)
    for (ax, ay), (bx, by) in zip(_SA, _SB):
        vx, vy = bx - ax, by - ay
        L = vx * vx + vy * vy
        t = np.clip(((px - ax) * vx + (py - ay) * vy) / L, 0, 1)
        dx, dy = px - (ax + t * vx), py - (ay + t * vy)
        d = np.minimum(d, dx * dx + dy * dy)
        cond = ((ay > py) != (by > py))
        xint = ax + (py - ay) * (bx - ax) / np.where(by - ay == 0, 1e-9, by - ay)
        inside ^= cond & (px < xint)
    return np.sqrt(d), inside


def _chord(y):
    """Left and right rim x at height y (arrays)."""
    xl = np.full(y.shape, np.inf)
    xr = np.full(y.shape, -np.inf)
    for (ax, ay), (bx, by) in zip(_SA, _SB):
        cond = ((ay > y) != (by > y))
        xint = ax + (y - ay) * (bx - ax) / np.where(by - ay == 0, 1e-9, by - ay)
        xl = np.where(cond, np.minimum(xl, xint), xl)
        xr = np.where(cond, np.maximum(xr, xint), xr)
    return xl, xr


def _height(px, py, d, inside):
    s = np.clip((py - YF) / (YR - YF), 0, 1)
    hl = np.interp(s, _HL_S, _HL_V)
    xl, xr = _chord(np.clip(py, YF + 0.01, YR - 0.01))
    w = np.where(np.isfinite(xr - xl) & (xr - xl > 1), xr - xl, 1)
    t = np.clip((px - xl) / w, 0, 1)
    tc = 0.5 - 0.14 * s
    hc = 1 - 0.55 * (t - tc) ** 2
    dd = np.where(inside, np.minimum(d / RHO, 1), 0)
    e = R0 + (1 - R0) * np.sqrt(1 - (1 - dd) ** 2)
    return HMAX * hl * hc * e


def h_at(x, y):
    """Height of the top surface (exact, for arrays of points)."""
    x = np.atleast_1d(np.asarray(x, float))
    y = np.atleast_1d(np.asarray(y, float))
    d, inside = _dist_inside(x, y)
    return _height(x, y, d, inside)


def surf_normal(x, y, e=0.4):
    x = np.atleast_1d(np.asarray(x, float))
    y = np.atleast_1d(np.asarray(y, float))
    xs = np.concatenate([x - e, x + e, x, x])
    ys = np.concatenate([y, y, y - e, y + e])
    hh = h_at(xs, ys).reshape(4, -1)
    gx = (hh[1] - hh[0]) / (2 * e)
    gy = (hh[3] - hh[2]) / (2 * e)
    n = np.stack([-gx, -gy, np.ones_like(gx)], axis=1)
    n /= np.linalg.norm(n, axis=1, keepdims=True)
    return n if len(n) > 1 else n[0]


def rim_height(x, y):
    x = np.asarray(x, float)
    y = np.asarray(y, float)
    return _height(x, y, np.zeros_like(x), np.ones(x.shape, bool))


# ---- the flank wall, parameterised by arc length along the rim (sigma) and
# tau (0 at the desk, 1 at the rim)
_dense = np.array(Polygon(OUT_PTS).exterior.coords)
_seg = np.hypot(*np.diff(_dense, axis=0).T)
_cum = np.concatenate([[0], np.cumsum(_seg)])
PERIM = _cum[-1]
WS = np.arange(0, PERIM, 1.0)
WX = np.interp(WS, _cum, _dense[:, 0])
WY = np.interp(WS, _cum, _dense[:, 1])
_tx, _ty = np.gradient(WX), np.gradient(WY)
_tl = np.hypot(_tx, _ty)
_area = 0.5 * np.sum(_dense[:-1, 0] * _dense[1:, 1] - _dense[1:, 0] * _dense[:-1, 1])
_sgn = 1 if _area > 0 else -1
# outward normal (y points down the page)
WNX, WNY = _sgn * -_ty / _tl, _sgn * _tx / _tl
# make sure it points outwards
_probe = Point(WX[0] + WNX[0] * 3, WY[0] + WNY[0] * 3)
if OUT.contains(_probe):
    WNX, WNY = -WNX, -WNY
WH = rim_height(WX, WY)


def _smooth(a, b, x):
    t = np.clip((x - a) / (b - a), 0, 1)
    return t * t * (3 - 2 * t)


# thumb flare on the left flank, a slight flare elsewhere
_left = np.clip((-WNX - 0.3) / 0.5, 0, 1)
WB = 3 + 8 * _left * _smooth(165, 225, WY) * (1 - _smooth(400, 455, WY))


def _bump(t):
    return np.sin(math.pi * t) - 0.5 * (1 - t) ** 3


def wall_pt(sig, tau):
    sig = np.mod(sig, PERIM)
    x = np.interp(sig, WS, WX)
    y = np.interp(sig, WS, WY)
    nx = np.interp(sig, WS, WNX)
    ny = np.interp(sig, WS, WNY)
    hb = np.interp(sig, WS, WH)
    b = np.interp(sig, WS, WB) * _bump(tau)
    return np.array([x + nx * b, y + ny * b, tau * hb])


def sigma_left(y):
    """Arc length of the point on the left rim at page height y."""
    idx = np.where(WX < 450)[0]
    best = idx[np.argmin(np.abs(WY[idx] - y))]
    return float(WS[best])


TZ = 40.0   # tau is stored as tau * TZ in the wall's parameter plane

# ---------------------------------------------------------------- regions
def rrect(x0, y0, x1, y1, r):
    return box(x0, y0, x1, y1).buffer(-r).buffer(r, resolution=8)


SPINE_X0, SPINE_X1 = 497, 552.5
SPINE = rrect(SPINE_X0, 60, SPINE_X1, 344, 22).intersection(OUT)
SLOT = rrect(510, 188, 538, 244, 9)
WHEEL_X0, WHEEL_X1, WHEEL_YC, WHEEL_R = 514, 534, 216, 30
B5 = rrect(508, 258, 540, 288, 7)
B6 = rrect(508, 295, 540, 325, 7)
LM = Polygon([(300, 60), (SPINE_X0, 60), (SPINE_X0, 341)] +
             [(SPINE_X0 - t * 197, 341 - 22 * t - 25 * t * t) for t in np.linspace(0.05, 1, 12)]
             ).intersection(OUT)
RM = Polygon([(SPINE_X1, 60), (700, 60), (700, 300)] +
             [(700 - t * (700 - SPINE_X1), 300 + 41 * (1 - (1 - t) ** 2)) for t in np.linspace(0.05, 1, 12)]
             ).intersection(OUT)
SPINE_REST = SPINE.difference(unary_union([SLOT, B5, B6]))
SHELL = OUT.difference(unary_union([LM, RM, SPINE]))

# side buttons on the left flank, in the wall's (sigma, tau*TZ) plane
def _side_btn(y0, y1, t0, t1, r=7):
    s0, s1 = sigma_left(y0), sigma_left(y1)
    a, b = min(s0, s1), max(s0, s1)
    return rrect(a, t0 * TZ, b, t1 * TZ, r)


SB7 = _side_btn(210, 249, 0.30, 0.86, 6)
SB3 = _side_btn(272, 318, 0.40, 0.90, 7)
SB4 = _side_btn(331, 378, 0.40, 0.90, 7)

TOP_REGIONS = [("lm", LM), ("rm", RM), ("spine", SPINE_REST), ("slot", SLOT),
               ("b5", B5), ("b6", B6), ("shell", SHELL)]
WALL_REGIONS = [("sb7", SB7), ("sb3", SB3), ("sb4", SB4)]
BUTTON_OF = {"lm": 0, "rm": 1, "wheel": 2, "sb3": 3, "sb4": 4, "b5": 5, "b6": 6, "sb7": 7}

# ---------------------------------------------------------------- facets
class Facet:
    __slots__ = ("pts", "n", "mat")

    def __init__(self, pts, n, mat):
        self.pts, self.n, self.mat = pts, n, mat


def _clip_to_regions(poly, preps, out):
    for name, reg, pr in preps:
        if not pr.intersects(poly):
            continue
        if pr.contains(poly):
            out.append((name, poly))
            continue
        g = reg.intersection(poly)
        for p in getattr(g, "geoms", [g]):
            if p.geom_type == "Polygon" and p.area > 0.01:
                out.append((name, p))


def _top_facets(cell=4.0, ds=4.0):
    """The top surface: a square grid inside the shoulder, and strips that
    follow the rim across the rounded shoulder (where the shading changes
    fast)."""
    polys = []
    preps = [(name, reg, prep(reg)) for name, reg in TOP_REGIONS]
    inner = OUT.buffer(-RHO + 2.0)
    pin = prep(inner)
    minx, miny, maxx, maxy = inner.bounds
    for y in np.arange(math.floor(miny), maxy, cell):
        for x in np.arange(math.floor(minx), maxx, cell):
            c = box(x, y, x + cell, y + cell)
            if not pin.intersects(c):
                continue
            if not pin.contains(c):
                c = inner.intersection(c)
                if c.is_empty or c.geom_type != "Polygon":
                    continue
            _clip_to_regions(c, preps, polys)
    ks = RHO * (np.linspace(0, 1, 13) ** 1.7)
    for s0 in np.arange(0, PERIM, ds):
        s1 = min(s0 + ds, PERIM)
        o0 = np.array([np.interp(s0, WS, WX), np.interp(s0, WS, WY)])
        o1 = np.array([np.interp(s1, WS, WX), np.interp(s1, WS, WY)])
        n0 = np.array([np.interp(s0, WS, WNX), np.interp(s0, WS, WNY)])
        n1 = np.array([np.interp(s1, WS, WNX), np.interp(s1, WS, WNY)])
        for k in range(len(ks) - 1):
            d0, d1 = ks[k], ks[k + 1]
            q = Polygon([o0 - n0 * d0, o1 - n1 * d0, o1 - n1 * d1, o0 - n0 * d1])
            if not q.is_valid or q.area < 0.01:
                q = q.buffer(0)
                if q.is_empty or q.geom_type != "Polygon":
                    continue
            _clip_to_regions(q, preps, polys)
    # heights and normals in one go
    coords = [np.array(p.exterior.coords)[:-1] for _, p in polys]
    allxy = np.vstack(coords)
    z = h_at(allxy[:, 0], allxy[:, 1])
    cen = np.array([[p.centroid.x, p.centroid.y] for _, p in polys])
    ns = surf_normal(cen[:, 0], cen[:, 1])
    out = []
    i = 0
    for (name, _), xy, n in zip(polys, coords, ns):
        m = len(xy)
        out.append(Facet(np.column_stack([xy, z[i:i + m]]), n, name))
        i += m
    return out


def _wall_facets(ds=4.0, nt=10):
    out = []
    preps = [(name, reg, prep(reg)) for name, reg in WALL_REGIONS]
    taus = np.linspace(0, 1, nt + 1)
    for s in np.arange(0, PERIM, ds):
        for k in range(nt):
            t0, t1 = taus[k], taus[k + 1]
            c = box(s, t0 * TZ, s + ds, t1 * TZ)
            pieces = []
            rest = c
            for name, reg, pr in preps:
                if pr.intersects(c):
                    g = reg.intersection(c)
                    for p in getattr(g, "geoms", [g]):
                        if p.geom_type == "Polygon" and p.area > 0.01:
                            pieces.append((name, p))
                    rest = rest.difference(reg)
            mat = "skirt" if t1 <= 0.11 else "grip"
            for p in getattr(rest, "geoms", [rest]):
                if p.geom_type == "Polygon" and p.area > 0.01:
                    pieces.append((mat, p))
            for name, p in pieces:
                uv = np.array(p.exterior.coords)[:-1]
                P = wall_pt(uv[:, 0], uv[:, 1] / TZ).T
                cu, cv = p.centroid.x, p.centroid.y / TZ
                e = 0.5
                a = wall_pt(np.array([cu + e]), np.array([cv])) - wall_pt(np.array([cu - e]), np.array([cv]))
                b = wall_pt(np.array([cu]), np.array([min(cv + 0.02, 1)])) - wall_pt(np.array([cu]), np.array([max(cv - 0.02, 0)]))
                n = np.cross(a[:, 0], b[:, 0])
                nx, ny = np.interp(cu % PERIM, WS, WNX), np.interp(cu % PERIM, WS, WNY)
                if n[0] * nx + n[1] * ny < 0:
                    n = -n
                n = n / (np.linalg.norm(n) + 1e-12)
                out.append(Facet(P, n, name))
    return out


def _wheel_zc():
    hs = float(h_at(524, WHEEL_YC)[0])
    return hs + 15 - WHEEL_R


def _wheel_facets():
    """Tread and both faces of the wheel, as facets."""
    out = []
    zc = _wheel_zc()
    R = WHEEL_R
    n = 72
    for i in range(n):
        a0, a1 = 2 * math.pi * i / n, 2 * math.pi * (i + 1) / n
        # points on the circle in the y-z plane; angle 0 = straight up
        def yz(a, r=R):
            return WHEEL_YC + r * math.sin(a), zc + r * math.cos(a)
        (y0, z0), (y1, z1) = yz(a0), yz(a1)
        am = (a0 + a1) / 2
        nrm = np.array([0.0, math.sin(am), math.cos(am)])
        mat = "tread" if i % 2 == 0 else "treadrib"
        out.append(Facet(np.array([[WHEEL_X0, y0, z0], [WHEEL_X1, y0, z0],
                                   [WHEEL_X1, y1, z1], [WHEEL_X0, y1, z1]]), nrm, mat))
        for xw, nx in ((WHEEL_X0, -1.0), (WHEEL_X1, 1.0)):
            (yi0, zi0), (yi1, zi1) = yz(a0, R * 0.55), yz(a1, R * 0.55)
            out.append(Facet(np.array([[xw, y0, z0], [xw, y1, z1], [xw, yi1, zi1], [xw, yi0, zi0]]),
                             np.array([nx, 0, 0]), "wheelface"))
            out.append(Facet(np.array([[xw, yi0, zi0], [xw, yi1, zi1], [xw, WHEEL_YC, zc]]),
                             np.array([nx, 0, 0]), "hub"))
    # only what stands above the spine is seen; the slot hides the rest
    keep = []
    for fc in out:
        zs = h_at(np.full(len(fc.pts), 524.0), fc.pts[:, 1])
        if np.max(fc.pts[:, 2] - zs) > -1.0:
            keep.append(fc)
    return keep


# ---------------------------------------------------------------- views
PHI, THETA, SCALE = math.radians(9.0), math.radians(18.0), 0.824
SIDE_X0, SIDE_Y0 = 398.0, 478.0


class View:
    def __init__(self, name):
        self.name = name
        if name == "top":
            self.C = np.array([0.0, 0.0, 1.0])
        else:
            self.C = np.array([-math.cos(PHI) * math.cos(THETA), -math.sin(PHI) * math.cos(THETA), math.sin(THETA)])

    def proj(self, P):
        P = np.atleast_2d(P)
        if self.name == "top":
            return P[:, :2].copy()
        u = P[:, 1] - 108.0
        v = P[:, 0] - 350.0
        xs = SIDE_X0 + SCALE * (u * math.cos(PHI) - v * math.sin(PHI))
        ys = SIDE_Y0 - SCALE * (u * math.sin(PHI) * math.sin(THETA) + v * math.cos(PHI) * math.sin(THETA)
                                + P[:, 2] * math.cos(THETA))
        return np.column_stack([xs, ys])


def _norm(v):
    v = np.asarray(v, float)
    return v / np.linalg.norm(v)


L1 = _norm([-0.45, -0.55, 0.85])
L2 = _norm([0.75, 0.55, 0.25])
# albedo (linear), highlight strength, shininess, broad sheen
MATS = {
    "shell": ((0.026, 0.027, 0.030), 0.35, 22, 0.05),
    "lm": ((0.020, 0.020, 0.023), 0.80, 70, 0.07),
    "rm": ((0.020, 0.020, 0.023), 0.80, 70, 0.07),
    "spine": ((0.010, 0.010, 0.012), 1.00, 120, 0.05),
    "slot": ((0.002, 0.002, 0.002), 0.05, 10, 0.0),
    "b5": ((0.050, 0.050, 0.056), 0.80, 60, 0.06),
    "b6": ((0.050, 0.050, 0.056), 0.80, 60, 0.06),
    "grip": ((0.016, 0.016, 0.018), 0.10, 8, 0.03),
    "skirt": ((0.008, 0.008, 0.009), 0.20, 10, 0.0),
    "sb3": ((0.045, 0.045, 0.050), 0.70, 40, 0.06),
    "sb4": ((0.045, 0.045, 0.050), 0.70, 40, 0.06),
    "sb7": ((0.045, 0.045, 0.050), 0.70, 40, 0.06),
    "tread": ((0.045, 0.045, 0.048), 0.30, 12, 0.03),
    "treadrib": ((0.010, 0.010, 0.011), 0.15, 10, 0.0),
    "wheelface": ((0.030, 0.030, 0.033), 0.60, 30, 0.03),
    "hub": ((0.100, 0.100, 0.105), 0.90, 40, 0.05),
}
LIT_ALB = np.array([0.42, 0.022, 0.012])


def _srgb(c):
    c = np.clip(c, 0, 1)
    return np.where(c <= 0.0031308, 12.92 * c, 1.055 * c ** (1 / 2.4) - 0.055)


def shade(fc, view, lit=False):
    alb, ks, sh, sheen = MATS[fc.mat]
    if lit:
        # the button lights up red; darker parts (wheel ribs) stay darker
        lum = float(np.mean(alb))
        alb = LIT_ALB * min(1.5, max(0.25, lum / 0.025))
    n = fc.n
    H = _norm(L1 + view.C)
    d1 = max(0.0, float(n @ L1))
    d2 = max(0.0, float(n @ L2))
    nh = max(0.0, float(n @ H))
    gloss = ks * nh ** sh + sheen * nh ** 5
    sky = 0.5 + 0.5 * n[2]
    alb = np.array(alb)
    gloss_col = np.array([1.0, 0.62, 0.55]) if lit else np.ones(3)
    col = alb * (0.22 * sky + 1.35 * d1) + gloss * 0.55 * gloss_col
    col = col + np.array([0.30, 0.015, 0.01]) * 0.35 * d2 ** 2   # red rim light
    if lit:
        col = col + np.array([0.06, 0.003, 0.002])
    rgb = _srgb(col)
    return "#%02x%02x%02x" % tuple(int(round(v * 255)) for v in rgb)


class Model:
    def __init__(self):
        self.facets = _top_facets() + _wall_facets() + _wheel_facets()

    def visible(self, view):
        res = []
        for fc in self.facets:
            if float(fc.n @ view.C) <= 0.015:
                continue
            depth = float(fc.pts.mean(axis=0) @ view.C)
            res.append((depth, fc))
        res.sort(key=lambda t: t[0])
        return res

    def button_facets(self, view, btn):
        """The button's facets and the part of the picture where they stay
        uncovered once everything in front of them is drawn (the base
        picture paints back to front; the overlay must show no more of the
        button than the base does)."""
        names = [k for k, v in BUTTON_OF.items() if v == btn]
        vis = self.visible(view)

        def is_btn(fc):
            m = fc.mat
            if m in ("tread", "treadrib", "wheelface", "hub"):
                m = "wheel"
            return m in names
        idx = [i for i, (_, fc) in enumerate(vis) if is_btn(fc)]
        items = [vis[i] for i in idx]
        polys = {i: Polygon(view.proj(vis[i][1].pts)).buffer(0) for i in idx}
        bbox = unary_union(list(polys.values())).envelope.buffer(1)
        occ = []
        for j in range(idx[0] + 1, len(vis)):
            if is_btn(vis[j][1]):
                continue
            p = Polygon(view.proj(vis[j][1].pts)).buffer(0)
            if p.intersects(bbox):
                occ.append((j, p))
        # walk from the front to the back, growing what covers the button
        covered = None
        k = len(occ) - 1
        parts = []
        for i in reversed(idx):
            grow = []
            while k >= 0 and occ[k][0] > i:
                grow.append(occ[k][1])
                k -= 1
            if grow:
                g = unary_union(grow)
                covered = g if covered is None else covered.union(g)
            p = polys[i].buffer(0.35, join_style=2)
            if covered is not None and p.intersects(covered):
                p = p.difference(covered)
            parts.append(p)
        region = unary_union(parts).buffer(-0.35, join_style=2)
        return items, region


def _facet_path(view, fc):
    xy = view.proj(fc.pts)
    return "M" + "L".join("%s %s" % (f(x), f(y)) for x, y in xy) + "Z"


def _facets_svg(view, items, lit=False):
    out = ['<g stroke-width="0.55" stroke-linejoin="round">']
    for _, fc in items:
        c = shade(fc, view, lit)
        out.append('<path d="%s" fill="%s" stroke="%s"/>' % (_facet_path(view, fc), c, c))
    out.append("</g>")
    return "\n".join(out)


def _shape_d(shape):
    out = []
    for g in getattr(shape, "geoms", [shape]):
        if g.is_empty:
            continue
        out.append(poly_d(list(g.exterior.coords)[:-1]))
        for r in g.interiors:
            out.append(poly_d(list(r.coords)[:-1]))
    return " ".join(out)


# ---------------------------------------------------------------- decoration
def _lift(xy, dz=0.6):
    xy = np.asarray(xy, float)
    return np.column_stack([xy, h_at(xy[:, 0], xy[:, 1]) + dz])


def _visible_runs(view, P3, normals):
    """Split a 3D polyline into the runs whose surface faces the camera."""
    xy = view.proj(P3)
    return split_runs(xy, [float(n @ view.C) > 0.05 for n in normals])


def split_runs(points, keep):
    """The runs of two or more consecutive points whose flag in keep is set."""
    runs, cur = [], []
    for p, k in zip(points, keep):
        if k:
            cur.append(p)
        else:
            if len(cur) > 1:
                runs.append(cur)
            cur = []
    if len(cur) > 1:
        runs.append(cur)
    return runs


def _surface_line(view, xy):
    xy = np.asarray(xy, float)
    P = _lift(xy)
    ns = surf_normal(xy[:, 0], xy[:, 1]).reshape(-1, 3)
    return _visible_runs(view, P, ns)


def _dense_line(pts, step=1.5):
    pts = np.asarray(pts, float)
    out = [pts[0]]
    for a, b in zip(pts[:-1], pts[1:]):
        n = max(1, int(np.hypot(*(b - a)) / step))
        for k in range(1, n + 1):
            out.append(a + (b - a) * k / n)
    return np.array(out)


def _wall_line(view, uv):
    uv = _dense_line(uv)
    P = wall_pt(uv[:, 0], uv[:, 1] / TZ).T
    ns = []
    for u, v in uv:
        e = 0.5
        a = wall_pt(np.array([u + e]), np.array([v / TZ])) - wall_pt(np.array([u - e]), np.array([v / TZ]))
        b = wall_pt(np.array([u]), np.array([min(v / TZ + .02, 1)])) - wall_pt(np.array([u]), np.array([max(v / TZ - .02, 0)]))
        n = np.cross(a[:, 0], b[:, 0])
        nx, ny = np.interp(u % PERIM, WS, WNX), np.interp(u % PERIM, WS, WNY)
        if n[0] * nx + n[1] * ny < 0:
            n = -n
        ns.append(n / (np.linalg.norm(n) + 1e-12))
    return _visible_runs(view, P, ns)


def _pl(run):
    return "M" + "L".join("%s %s" % (f(x), f(y)) for x, y in run)


def _seams(view):
    """Dark parting lines around every button and the spine."""
    d = []
    inside_rim = prep(OUT.buffer(-1.2))
    for reg in (LM, RM, SPINE, SLOT, B5, B6):
        ring = _dense_line(list(reg.exterior.coords))
        # only the part that lies inside the rim (the rim itself is no seam)
        runs = split_runs(ring, [inside_rim.contains(Point(p)) for p in ring])
        for r in runs:
            for vr in _surface_line(view, r):
                d.append(_pl(vr))
    for reg in (SB7, SB3, SB4):
        for vr in _wall_line(view, list(reg.exterior.coords)):
            d.append(_pl(vr))
    return " ".join(d)


def _ring_offset(dist, y0, y1):
    """A line on the top surface running `dist` inside the rim, around the
    rear between the heights y0 (left) and y1 (right)."""
    inner = OUT.buffer(-dist, resolution=32)
    pts = np.array(inner.exterior.coords)
    pts = pts[pts[:, 1] > min(y0, y1)]
    # order along the rear from left to right
    cx = 510
    ang = np.arctan2(pts[:, 1] - 300, pts[:, 0] - cx)
    order = np.argsort(-ang)
    pts = pts[order]
    left = pts[(pts[:, 0] < cx) & (pts[:, 1] >= y0)]
    right = pts[(pts[:, 0] >= cx) & (pts[:, 1] >= y1)]
    seq = np.vstack([left[np.argsort(left[:, 1])], right[np.argsort(-right[:, 1])]])
    return seq


def _accents(view):
    """RGB light lines: a ring around the palm, a slit on the spine nose, a
    line along the skirt of the left flank, and the emblem on the palm."""
    lines = []
    ring = _ring_offset(7.0, 352, 340)
    lines += _surface_line(view, _dense_line(ring, 2))
    nose = _dense_line([(524, 118), (524, 176)], 2)
    lines += _surface_line(view, nose)
    s0, s1 = sigma_left(150), sigma_left(470)
    skirt = [(s, 0.16 * TZ) for s in np.linspace(min(s0, s1), max(s0, s1), 80)]
    lines += _wall_line(view, skirt)
    d = " ".join(_pl(r) for r in lines)
    # emblem on the palm
    em = []
    for poly in emblem_polys():
        xy = np.array([(505 + x * 21, 418 + y * 21) for x, y in poly])
        P = _lift(xy, 0.8)
        n = surf_normal(505, 418)
        if float(n @ view.C) > 0.05:
            em.append(poly_d(view.proj(P)))
    return d, " ".join(em)


def _cable(view):
    if view.name == "top":
        pts = [(524, 108), (524, 96), (521, 84), (517, 70)]
        d = poly_d(catmull_rom(pts, False, 8), close=False)
        return d
    front = np.array([[524, 104, 24], [524, 80, 18], [528, 40, 6], [540, -40, 2], [560, -160, 2]])
    xy = view.proj(front)
    return poly_d(catmull_rom([tuple(p) for p in xy], False, 10), close=False)


def _shadow(view):
    floor = np.array(OUT.buffer(6).exterior.coords)
    P = np.column_stack([floor, np.zeros(len(floor))])
    xy = view.proj(P)
    if view.name == "top":
        xy = xy + np.array([7, 10])
    return poly_d(xy)


# ---------------------------------------------------------------- pictures
def _defs():
    return (blur("sh", 9) + blur("glow", 2.6) + blur("glow2", 5) + blur("soft", 1.2)
            + '<linearGradient id="cab" x1="0" y1="0" x2="1" y2="0">'
            '<stop offset="0" stop-color="#0b0b0b"/><stop offset="0.5" stop-color="#2a2a2a"/>'
            '<stop offset="1" stop-color="#0b0b0b"/></linearGradient>')


def base_svg(model, view):
    bx = TOP_BOX if view.name == "top" else SIDE_BOX
    vis = model.visible(view)
    parts = []
    parts.append('<path d="%s" fill="#000" opacity="0.75" filter="url(#sh)"/>' % _shadow(view))
    cab = _cable(view)
    parts.append('<path d="%s" fill="none" stroke="#050505" stroke-width="7" stroke-linecap="round"/>' % cab)
    parts.append('<path d="%s" fill="none" stroke="#2b2b2b" stroke-width="4.2" stroke-linecap="round"/>' % cab)
    parts.append('<path d="%s" fill="none" stroke="#5a1a1a" stroke-width="1.4" stroke-dasharray="2 2.5" '
                 'stroke-linecap="butt"/>' % cab)
    parts.append(_facets_svg(view, vis))
    seams = _seams(view)
    parts.append('<path d="%s" fill="none" stroke="#000" stroke-opacity="0.9" stroke-width="1.7" '
                 'stroke-linecap="round" stroke-linejoin="round"/>' % seams)
    parts.append('<path d="%s" fill="none" stroke="#ffffff" stroke-opacity="0.07" stroke-width="0.6" '
                 'transform="translate(0.6 0.9)"/>' % seams)
    # a soft highlight along the upper edge of each side button
    hl = []
    for reg in (SB7, SB3, SB4):
        x0, y0, x1, y1 = reg.bounds
        hl += _wall_line(view, [(s, y1 - 1.6) for s in np.linspace(x0 + 5, x1 - 5, 12)])
    parts.append('<path d="%s" fill="none" stroke="#ffffff" stroke-opacity="0.22" stroke-width="1" '
                 'stroke-linecap="round"/>' % " ".join(_pl(r) for r in hl))
    acc, em = _accents(view)
    parts.append('<path d="%s" fill="none" stroke="#ff1a00" stroke-width="4.5" stroke-linecap="round" '
                 'opacity="0.9" filter="url(#glow)"/>' % acc)
    parts.append('<path d="%s" fill="none" stroke="#ff4a10" stroke-width="1.8" stroke-linecap="round"/>' % acc)
    parts.append('<path d="%s" fill="none" stroke="#ffc080" stroke-width="0.6" stroke-linecap="round" '
                 'opacity="0.8"/>' % acc)
    if em:
        parts.append('<path d="%s" fill="#ff2000" opacity="0.8" filter="url(#glow)"/>' % em)
        parts.append('<path d="%s" fill="#ff3a1a"/>' % em)
    vb = "%s %s %s %s" % bx
    return svg(bx[2], bx[3], "\n".join(parts), _defs(), vb)


def overlay_svgs(model, view, btn, corner):
    """(lit, normal) overlay pictures of button `btn`, both with their
    top-left corner at `corner` on the page."""
    items, shape = model.button_facets(view, btn)
    minx, miny, maxx, maxy = shape.bounds
    cx, cy = corner
    if not (minx - 2 >= cx and miny - 2 >= cy):
        raise ValueError("button %d of the %s view leaves its corner %s: %s" % (btn, view.name, corner, shape.bounds))
    w = int(math.ceil(maxx + GLOW - cx))
    h = int(math.ceil(maxy + GLOW - cy))
    vb = "%s %s %s %s" % (cx, cy, w, h)
    sd = _shape_d(shape)
    lit = []
    # the glow fades out towards the picture's left and top edges, where the
    # canvas may start right at the button
    fade = ('<linearGradient id="fl" x1="%s" y1="0" x2="%s" y2="0" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#fff" stop-opacity="0"/><stop offset="1" stop-color="#fff"/>'
            '</linearGradient>'
            '<linearGradient id="ft" x1="0" y1="%s" x2="0" y2="%s" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#fff" stop-opacity="0"/><stop offset="1" stop-color="#fff"/>'
            '</linearGradient>'
            '<mask id="ml"><rect x="%s" y="%s" width="%s" height="%s" fill="url(#fl)"/></mask>'
            '<mask id="mt"><rect x="%s" y="%s" width="%s" height="%s" fill="url(#ft)"/></mask>') % (
        cx, cx + 4, cy, cy + 4, cx, cy, w, h, cx, cy, w, h)
    lit.append('<g mask="url(#ml)"><g mask="url(#mt)"><path d="%s" fill="#ff1800" opacity="0.85" '
               'filter="url(#glow)"/></g></g>' % sd)
    clip = '<clipPath id="cl"><path d="%s"/></clipPath>' % sd
    lit.append('<g clip-path="url(#cl)">%s</g>' % _facets_svg(view, items, lit=True))
    lit.append('<path d="%s" fill="none" stroke="#ff6a3a" stroke-width="1" stroke-linejoin="round"/>' % sd)
    normal = ['<path d="%s" fill="#ffffff" fill-opacity="0.025"  stroke="#8f2020" stroke-opacity="0.4" '
              'stroke-width="0.9" stroke-linejoin="round"/>' % sd]
    return (svg(w, h, "\n".join(lit), _defs() + fade + clip, vb), svg(w, h, "\n".join(normal), _defs(), vb))


def build():
    """Returns {relative png path: svg text} for the mouse group."""
    model = Model()
    out = {}
    for vname, corners, base_name, ov in (("top", TOP_CORNERS, "MouseFront", "Mouse"),
                                           ("side", SIDE_CORNERS, "MouseSide", "MouseSide")):
        view = View(vname)
        out["mouse/%s.png" % base_name] = base_svg(model, view)
        for n, corner in enumerate(corners):
            lit, normal = overlay_svgs(model, view, n, corner)
            out["mouse/%s%d.png" % (ov, n)] = lit
            out["mouse/%s%dS.png" % (ov, n)] = normal
    return out


if __name__ == "__main__":
    import sys, os, time
    t = time.time()
    res = build()
    d = sys.argv[1] if len(sys.argv) > 1 else "/tmp/mousesvg"
    for k, v in res.items():
        p = os.path.join(d, k.replace(".png", ".svg"))
        os.makedirs(os.path.dirname(p), exist_ok=True)
        open(p, "w").write(v)
    print("done", time.time() - t)
