#!/usr/bin/env python3
"""Regenerate Tarnwick's artwork in res/.

    python3 tools/art/make_art.py [output-dir]

Everything is drawn here (or in icons16.py) and written byte by byte with
the standard library only.  The one exception is the lettering of the logo:
the word is rasterised by ImageMagick's `convert` with the DejaVu Sans Bold
font and coloured here.  When `convert` is not available the existing
logo.bmp is kept.
"""

import math
import os
import random
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True          # keep tools/art free of __pycache__

from pixels import (Canvas, WHITE, BLACK, hstack, read_ppm,  # noqa: E402
                    write_bmp, write_ico, write_wav)
import icons16  # noqa: E402

OUT = os.path.normpath(os.path.join(HERE, "..", "..", "res"))

OUTLINE = (40, 44, 56)
PAGE_WHITE = (255, 255, 255)
RULE_BLUE = (122, 160, 222)
MARGIN_RED = (232, 110, 110)
STEEL = (176, 192, 210)


def out(name):
    return os.path.join(OUT, name)


# ==========================================================================
# Shapes shared by the program icons and the splash pictures
# ==========================================================================

def stick(cv, tip, end, half, parts, outline=OUTLINE, cone=0.0, ss=4):
    """Draw a pencil-like stick from `tip` to `end`, anti-aliased.

    `half` is half the thickness, `cone` the length of the sharpened part
    at the tip.  `parts` is a list of (distance from tip, colour, shade)
    bands; `shade` darkens the lower side so the stick looks round."""
    tx, ty = tip
    ex, ey = end
    length = math.hypot(ex - tx, ey - ty)
    ux, uy = (ex - tx) / length, (ey - ty) / length
    nx, ny = -uy, ux

    def geometry(fx, fy):
        px, py = fx - tx, fy - ty
        along = px * ux + py * uy
        across = px * nx + py * ny
        if along < 0 or along > length:
            return None
        limit = half if along >= cone else half * along / cone
        if abs(across) > limit:
            return None
        return along, across, limit

    def inside(fx, fy):
        return geometry(fx, fy) is not None

    def colour(fx, fy):
        along, across, limit = geometry(fx, fy)
        if limit - abs(across) < 0.9 or length - along < 0.9:
            return outline
        col, shade = parts[-1][1], parts[-1][2]
        for upto, c, s in parts:
            if along <= upto:
                col, shade = c, s
                break
        k = 1.0 - shade * (across / half)
        return tuple(max(0, min(255, int(v * k))) for v in col)

    cv.shade(inside, colour, ss)


def star_points(cx, cy, ro, ri, n=5):
    pts = []
    for i in range(2 * n):
        r = ro if i % 2 == 0 else ri
        a = math.radians(-90 + 180.0 / n * i)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def in_polygon(x, y, pts):
    inside = False
    for i in range(len(pts)):
        x1, y1 = pts[i]
        x2, y2 = pts[(i + 1) % len(pts)]
        if (y1 > y) != (y2 > y):
            if x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                inside = not inside
    return inside


def in_round_rect(x, y, x0, y0, x1, y1, r):
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return math.hypot(x - cx, y - cy) <= r


# ==========================================================================
# Program icons: a spiral notepad sheet with a different accent each
# ==========================================================================

class Sheet:
    """Colours of one notepad sheet."""

    def __init__(self, page=PAGE_WHITE, rule=RULE_BLUE, margin=MARGIN_RED,
                 ring=STEEL, binding=None, outline=OUTLINE, rings=True,
                 shade=None):
        self.page, self.rule, self.margin = page, rule, margin
        self.ring, self.binding, self.outline = ring, binding, outline
        self.rings = rings
        self.shade = shade or tuple(int(c * 0.9) for c in page)


def sheet32(s, lines=6, right=26):
    cv = Canvas(32, 32)
    x0, y0, x1, y1 = 4, 5, right, 30
    # soft drop shadow
    for (dx, a) in ((2, 40), (1, 70)):
        for y in range(y0 + dx, y1 + dx + 1):
            for x in range(x0 + dx, x1 + dx + 1):
                cv.blend(x, y, (0, 0, 0, a))
    cv.rect(x0, y0, x1, y1, s.page)
    cv.rect(x1 - 1, y0 + 1, x1 - 1, y1 - 1, s.shade)
    cv.rect(x0 + 1, y1 - 1, x1 - 1, y1 - 1, s.shade)
    cv.frame(x0, y0, x1, y1, s.outline)
    if s.binding:
        cv.rect(x0, y0, x1, y0 + 4, s.binding)
        cv.hline(x0 + 1, x1 - 1, y0 + 1,
                 tuple(min(255, c + 50) for c in s.binding))
        cv.frame(x0, y0, x1, y0 + 4, s.outline)
    top = y0 + (8 if s.binding else 6)
    for i in range(lines):
        y = top + 3 * i + 1
        if y < y1 - 1:
            cv.hline(x0 + 2, x1 - 2, y, s.rule)
    if s.margin:
        cv.vline(x0 + 5, y0 + 1 if not s.binding else y0 + 5, y1 - 1, s.margin)
    if s.rings:
        for rx in range(x0 + 3, x1 - 2, 4):
            ring32(cv, rx, s)
    return cv


def ring32(cv, x, s):
    """One loop of the spiral binding, two pixels wide, at column x."""
    cv.set(x, 7, s.outline)             # punched hole
    cv.set(x + 1, 7, s.outline)
    cv.hline(x, x + 1, 1, s.outline)
    cv.vline(x - 1, 2, 6, s.outline)
    cv.vline(x + 2, 2, 6, s.outline)
    cv.vline(x, 2, 6, s.ring)
    cv.vline(x + 1, 2, 6, tuple(min(255, c + 45) for c in s.ring))


def sheet16(s, right=13):
    cv = Canvas(16, 16)
    x0, y0, x1, y1 = 2, 3, right, 15
    cv.rect(x0, y0, x1, y1, s.page)
    cv.rect(x1 - 1, y0 + 1, x1 - 1, y1 - 1, s.shade)
    cv.rect(x0 + 1, y1 - 1, x1 - 1, y1 - 1, s.shade)
    cv.frame(x0, y0, x1, y1, s.outline)
    if s.binding:
        cv.rect(x0, y0, x1, y0 + 2, s.binding)
        cv.frame(x0, y0, x1, y0 + 2, s.outline)
    for y in (7, 9, 11, 13):
        cv.hline(x0 + 2, x1 - 2, y, s.rule)
    if s.margin:
        cv.vline(x0 + 2, y0 + (3 if s.binding else 1), y1 - 1, s.margin)
        for y in (7, 9, 11, 13):
            cv.set(x0 + 2, y, s.margin)
    if s.rings:
        for rx in range(x0 + 2, x1 - 1, 3):
            cv.vline(rx, 1, 4, s.outline)
            cv.vline(rx, 2, 3, s.ring)
    return cv


def blit16(cv, rows, x, y):
    cv.blit(rows, x, y, icons16.PAL)


# --- accents ---------------------------------------------------------------

PENCIL_PARTS = [
    (2.5, (60, 60, 70), 0.0),        # graphite
    (6.5, (236, 200, 150), 0.15),    # sharpened wood
    (18.0, (255, 208, 64), 0.30),    # yellow body
    (20.5, (196, 204, 214), 0.25),   # ferrule
    (30.0, (244, 150, 160), 0.20),   # eraser
]

PEN_PARTS = [
    (3.0, (222, 180, 60), 0.10),     # gold nib
    (6.5, (40, 48, 64), 0.20),       # grip
    (7.8, (230, 190, 80), 0.10),     # gold band
    (30.0, (38, 70, 160), 0.45),     # lacquered barrel
]


def accent_pencil32(cv):
    stick(cv, (13.5, 29.0), (30.5, 12.0), 2.9, PENCIL_PARTS, cone=6.5)


def accent_pencil16(cv):
    blit16(cv, [
        ".......kk.",
        "......kppk",
        ".....kgkpk",
        "....kyygk.",
        "...kyyyk..",
        "..kyyyk...",
        ".kmyyk....",
        ".kmmk.....",
        "kdkk......",
        "kk........",
    ], 6, 6)


def accent_pen32(cv):
    stick(cv, (12.5, 29.5), (30.5, 11.5), 2.7, PEN_PARTS, cone=5.0)
    # clip on the barrel
    stick(cv, (23.0, 15.8), (29.0, 9.8), 0.9,
          [(30.0, (230, 190, 80), 0.0)], cone=0.0)


def accent_pen16(cv):
    blit16(cv, [
        ".....kk.",
        "....kBBk",
        "...kBNBk",
        "..kBNBk.",
        ".kYkBk..",
        "kYYkk...",
        "kYk.....",
        "kk......",
    ], 8, 8)


def accent_tab32(cv, colour=(72, 182, 72)):
    dark = tuple(int(c * 0.6) for c in colour)
    light = tuple(min(255, c + 60) for c in colour)
    cv.rect(27, 11, 29, 18, colour)
    cv.vline(27, 12, 17, light)
    cv.frame(26, 10, 30, 19, OUTLINE)
    cv.vline(26, 11, 18, colour)       # tab joins the page edge
    cv.vline(30, 11, 18, dark)
    cv.set(30, 10, None)
    cv.set(30, 19, None)
    cv.set(30, 11, OUTLINE)
    cv.set(30, 18, OUTLINE)


def accent_tab16(cv):
    blit16(cv, [
        "kk.",
        "eek",
        "eEk",
        "eEk",
        "kk.",
    ], 13, 6)


def accent_star32(cv, fill=(255, 170, 40), edge=(170, 90, 10)):
    big = star_points(24.0, 23.5, 8.2, 3.6)
    small = star_points(24.0, 23.5, 6.6, 2.6)
    cv.shade(lambda x, y: in_polygon(x, y, big), edge)
    cv.shade(lambda x, y: in_polygon(x, y, small),
             lambda x, y: (255, 214, 90) if y < 22.5 else fill)


def accent_star16(cv):
    blit16(cv, [
        "....O....",
        "...OyO...",
        "OOOOyOOOO",
        "OyyyhyyyO",
        ".OyyyyyO.",
        "..OyyyO..",
        ".OyyOyyO.",
        ".OOO.OOO.",
    ], 7, 8)


def accent_ribbon32(cv, colour=(214, 40, 50)):
    dark = tuple(int(c * 0.65) for c in colour)
    for y in range(3, 20):
        for x in range(20, 25):
            notch = y >= 17 and abs(x - 22) <= (y - 17)
            if not notch:
                cv.set(x, y, colour)
    cv.vline(20, 3, 19, dark)
    cv.vline(24, 3, 19, dark)
    cv.set(22, 17, dark)
    cv.set(21, 18, dark)
    cv.set(23, 18, dark)
    cv.vline(21, 3, 16, tuple(min(255, c + 50) for c in colour))


def accent_ribbon16(cv):
    blit16(cv, [
        "RrR",
        "RrR",
        "RrR",
        "RrR",
        "RrR",
        "R.R",
    ], 9, 2)


def accent_badge_t32(cv, colour=(18, 150, 160)):
    cv.shade(lambda x, y: in_round_rect(x, y, 17, 17, 31, 31, 3.0), OUTLINE)
    cv.shade(lambda x, y: in_round_rect(x, y, 18, 18, 30, 30, 2.2),
             lambda x, y: tuple(min(255, int(c * (1.25 - (y - 18) / 30.0)))
                                for c in colour))
    cv.rect(20, 20, 28, 22, WHITE)
    cv.rect(23, 23, 25, 28, WHITE)


def accent_badge_t16(cv):
    blit16(cv, [
        ".kkkkkk.",
        "kttttttk",
        "ktwwwwtk",
        "kttwwttk",
        "kttwwttk",
        "kttwwttk",
        "kttttttk",
        ".kkkkkk.",
    ], 8, 8)


def tabs32(cv, colours):
    """Index tabs standing on the top edge of the sheet."""
    x = 5
    for c in colours:
        light = tuple(min(255, v + 60) for v in c)
        cv.rect(x + 1, 1, x + 5, 5, c)
        cv.hline(x + 1, x + 5, 1, light)
        cv.hline(x + 1, x + 5, 0, OUTLINE)
        cv.vline(x, 1, 5, OUTLINE)
        cv.vline(x + 6, 1, 5, OUTLINE)
        x += 7


def tabs16(cv):
    blit16(cv, [
        "kkkkkkkkkkkk",
        "kBBBkoookeek",
        "kBBBkoookeek",
    ], 2, 0)


def shortcut32(cv):
    cv.rect(4, 19, 15, 30, WHITE)
    cv.frame(4, 19, 15, 30, OUTLINE)
    arrow = [
        "...kkkkkk",
        "....keeek",
        "...keeeek",
        "..keeekek",
        ".keeek.kk",
        "keeek....",
        "keek.....",
        "kek......",
        "kk.......",
    ]
    cv.blit(arrow, 6, 20, icons16.PAL)


def shortcut16(cv):
    blit16(cv, [
        "kkkkkkk",
        "kw.kkkk",
        "kwwkeek",
        "kwkekek",
        "kkekwkk",
        "kkkwwwk",
        "kkkkkkk",
    ], 0, 9)
    blit16(cv, [
        "wwwwww.",
        "w..kkkk",
        "w..keek",
        "w.kekek",
        "wkekwkw",
        "wwkwwww",
        "wwwwwww",
    ], 0, 9)


def red_cross32(cv):
    cv.shade(lambda x, y: math.hypot(x - 24, y - 24) <= 7.6, OUTLINE)
    cv.shade(lambda x, y: math.hypot(x - 24, y - 24) <= 6.6,
             lambda x, y: (236, 70, 60) if y < 23 else (206, 36, 30))

    def cross(x, y):
        dx, dy = x - 24, y - 24
        return (abs(dx - dy) < 1.6 or abs(dx + dy) < 1.6) and max(
            abs(dx), abs(dy)) < 3.8
    cv.shade(cross, WHITE)


def red_cross16(cv):
    blit16(cv, [
        "..kkkk..",
        ".krrrrk.",
        "krwrrwrk",
        "krrwwrrk",
        "krrwwrrk",
        "krwrrwrk",
        ".krrrrk.",
        "..kkkk..",
    ], 8, 8)


# --- the icon files ----------------------------------------------------------

def program_icons():
    plain = Sheet()
    variants = [
        # 0: the default: white sheet, blue rules, steel spiral, pencil
        (plain, accent_pencil32, accent_pencil16, {}),
        # 1: yellow legal pad with a glued red binding
        (Sheet(page=(255, 240, 150), rule=(110, 150, 210),
               margin=(220, 90, 90), binding=(178, 40, 40), rings=False),
         None, None, {}),
        # 2: green index tab on the edge
        (Sheet(ring=(120, 180, 120)), accent_tab32, accent_tab16,
         {"right": 25, "right16": 12}),
        # 3: pale blue sheet with an orange star
        (Sheet(page=(214, 232, 252), rule=(90, 130, 200), shade=(190, 210, 236)),
         accent_star32, accent_star16, {}),
        # 4: coloured index tabs on top, no spiral
        (Sheet(rings=False), "tabs", "tabs", {}),
        # 5: pink sheet with a red bookmark ribbon
        (Sheet(page=(255, 226, 232), rule=(200, 120, 150),
               margin=(200, 70, 100), ring=(200, 170, 180)),
         accent_ribbon32, accent_ribbon16, {}),
        # 6: mint sheet with a fountain pen
        (Sheet(page=(218, 246, 226), rule=(80, 170, 120),
               margin=(60, 130, 90), ring=(150, 170, 160)),
         accent_pen32, accent_pen16, {}),
        # 7: night sheet
        (Sheet(page=(50, 60, 82), rule=(100, 190, 230), margin=(240, 150, 60),
               ring=(200, 206, 216), shade=(40, 48, 66), outline=(20, 22, 30)),
         None, None, {}),
        # 8: white sheet with the Tarnwick "T" badge
        (Sheet(ring=(120, 190, 196)), accent_badge_t32, accent_badge_t16, {}),
    ]
    for n, (sheet, a32, a16, size) in enumerate(variants):
        big = sheet32(sheet, right=size.get("right", 26))
        small = sheet16(sheet, right=size.get("right16", 13))
        if a32 == "tabs":
            tabs32(big, [(70, 120, 220), (244, 150, 40), (72, 182, 72)])
            big.hline(6, 10, 5, sheet.page)     # the front tab is open
            tabs16(small)
        elif a32:
            a32(big)
            a16(small)
        write_ico(out("app%d.ico" % n), [small, big])

    # the little stand-in for the system notepad: sheet with a shortcut arrow
    big, small = sheet32(plain), sheet16(plain)
    shortcut32(big)
    shortcut16(small)
    write_ico(out("notepad.ico"), [small, big])

    # uninstaller: sheet with a red cross
    big, small = sheet32(plain), sheet16(plain)
    red_cross32(big)
    red_cross16(small)
    write_ico(out("remove.ico"), [small, big])


# ==========================================================================
# Logo and the rule under it
# ==========================================================================

LOGO_W, LOGO_H = 200, 40


def render_text_mask(text, w, h, font="DejaVu-Sans-Bold", size=31):
    """Let ImageMagick rasterise the lettering (black on white) and return
    the coverage of every pixel, or None when convert is missing."""
    if not shutil.which("convert"):
        return None
    cmd = ["convert", "-size", "%dx%d" % (w, h), "xc:white", "-gravity",
           "center", "-font", font, "-pointsize", str(size), "-fill", "black",
           "-annotate", "+0-1", text, "-depth", "8", "ppm:-"]
    img = read_ppm(subprocess.run(cmd, check=True, stdout=subprocess.PIPE).stdout)
    return [[1.0 - img.px[y][x][0] / 255.0 for x in range(w)] for y in range(h)]


def logo():
    cover = render_text_mask("Tarnwick", LOGO_W, LOGO_H)
    if cover is None:
        print("convert not found: keeping the existing logo.bmp")
        return
    cv = Canvas(LOGO_W, LOGO_H, WHITE)
    top, bottom = (52, 96, 196), (18, 40, 118)
    ys = [y for y in range(LOGO_H) if any(v > 0.5 for v in cover[y])]
    y0, y1 = ys[0], ys[-1]
    # a soft shadow down and to the right
    for y in range(LOGO_H):
        for x in range(LOGO_W):
            for dx, dy, a in ((2, 2, 0.22), (1, 1, 0.30)):
                sx, sy = x - dx, y - dy
                if 0 <= sx < LOGO_W and 0 <= sy < LOGO_H and cover[sy][sx]:
                    cv.blend(x, y, (90, 110, 150), cover[sy][sx] * a)
    for y in range(LOGO_H):
        f = min(1.0, max(0.0, (y - y0) / float(max(1, y1 - y0))))
        c = tuple(int(t + (b - t) * f) for t, b in zip(top, bottom))
        for x in range(LOGO_W):
            if cover[y][x]:
                cv.blend(x, y, c, cover[y][x])
    write_bmp(out("logo.bmp"), cv)


def logo_strip():
    w = 289
    cv = Canvas(w, 3)
    left, right = (36, 84, 190), (16, 170, 170)
    for x in range(w):
        f = x / float(w - 1)
        c = [l + (r - l) * f for l, r in zip(left, right)]
        for y, k in ((0, 1.25), (1, 1.0), (2, 0.8)):
            cv.set(x, y, tuple(min(255, int(v * k)) for v in c))
    write_bmp(out("logo_strip.bmp"), cv)


# ==========================================================================
# Splash corners: a fountain pen and a stack of pages, on white
# ==========================================================================

def splash_left():
    cv = Canvas(36, 36, WHITE)
    stick(cv, (5.5, 31.5), (33.0, 4.0), 3.6, [
        (4.5, (226, 184, 64), 0.10),      # nib
        (9.0, (40, 48, 64), 0.25),        # grip
        (10.5, (232, 192, 84), 0.10),     # band
        (40.0, (40, 76, 170), 0.45),      # barrel
    ], cone=6.0)
    # nib slit and clip
    cv.line(7, 29, 9, 27, (110, 80, 20))
    stick(cv, (22.0, 12.6), (31.0, 3.6), 1.0,
          [(40.0, (232, 192, 84), 0.0)], outline=(150, 110, 30))
    # a short stroke of ink under the nib
    curve = [(2.0 + 0.25 * i, 33.2 + 1.1 * math.sin(i * 0.16))
             for i in range(56)]

    def ink(fx, fy):
        return any((fx - cx) ** 2 + (fy - cy) ** 2 < 0.45 for cx, cy in curve)
    cv.shade(ink, (40, 76, 170))
    write_bmp(out("splash_left.bmp"), cv, matte=WHITE)


def splash_right():
    cv = Canvas(36, 36, WHITE)
    edge = (70, 78, 96)
    for x0, y0, fill in ((11, 2, (226, 232, 240)),
                         (7, 5, (242, 245, 250)),
                         (3, 8, (255, 255, 255))):
        x1, y1 = x0 + 22, y0 + 26
        for y in range(y0 + 1, y1 + 2):          # shadow
            for x in range(x0 + 1, x1 + 2):
                cv.blend(x, y, (0, 0, 0, 60))
        cv.rect(x0, y0, x1, y1, fill)
        cv.frame(x0, y0, x1, y1, edge)
    # writing on the front sheet
    x0, y0 = 3, 8
    for j, length in enumerate((14, 17, 12, 17, 16, 9)):
        y = y0 + 6 + 3 * j
        cv.hline(x0 + 3, x0 + 3 + length, y, RULE_BLUE)
    cv.vline(x0 + 2, y0 + 1, y0 + 25, MARGIN_RED)
    cv.rect(x0 + 3, y0 + 2, x0 + 11, y0 + 3, (40, 98, 200))   # a heading
    write_bmp(out("splash_right.bmp"), cv, matte=WHITE)


# ==========================================================================
# Small glyphs: tray menu marks and the side-bar close button
# ==========================================================================

def tray_glyphs():
    restore = [
        ".............",
        ".............",
        "....######...",
        "....######...",
        "....#....#...",
        "..######.#...",
        "..######.#...",
        "..#....###...",
        "..#....#.....",
        "..#....#.....",
        "..######.....",
        ".............",
        ".............",
    ]
    minimize = [
        ".............",
        ".............",
        ".............",
        ".............",
        ".............",
        ".............",
        ".............",
        ".............",
        "...######....",
        "...######....",
        ".............",
        ".............",
        ".............",
    ]
    maximize = [
        ".............",
        ".............",
        "..#########..",
        "..#########..",
        "..#.......#..",
        "..#.......#..",
        "..#.......#..",
        "..#.......#..",
        "..#.......#..",
        "..#.......#..",
        "..#########..",
        ".............",
        ".............",
    ]
    close = [
        ".............",
        ".............",
        ".............",
        "...##...##...",
        "....##.##....",
        ".....###.....",
        "......#......",
        ".....###.....",
        "....##.##....",
        "...##...##...",
        ".............",
        ".............",
        ".............",
    ]
    for name, rows in (("restore", restore), ("minimize", minimize),
                       ("maximize", maximize), ("close", close)):
        cv = Canvas(13, 13, WHITE)
        cv.blit(rows, 0, 0, {"#": BLACK})
        write_bmp(out("tray_%s.bmp" % name), cv)


def sidebar_close():
    cv = Canvas(9, 9)
    cv.blit([
        ".........",
        ".##...##.",
        "..##.##..",
        "...###...",
        "....#....",
        "...###...",
        "..##.##..",
        ".##...##.",
        ".........",
    ], 0, 0, {"#": BLACK})
    write_bmp(out("sbclose.bmp"), cv)


# ==========================================================================
# Rulers: black ticks hanging from the top edge on white.  No black run
# reaches from top to bottom and the last column stays white, so one flood
# fill from (1,2) covers the whole background even with copies side by side.
# ==========================================================================

DIGITS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["##.", "..#", ".#.", "#..", "###"],
    "3": ["##.", "..#", ".#.", "..#", "##."],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "##.", "..#", "##."],
    "6": [".##", "#..", "###", "#.#", "###"],
    "7": ["###", "..#", ".#.", ".#.", ".#."],
    "8": ["###", "#.#", "###", "#.#", "###"],
    "9": ["###", "#.#", "###", "..#", "##."],
}


def ruler(width, units, per_unit, subdivisions, name):
    cv = Canvas(width, 10, WHITE)
    ink = {"#": BLACK}
    for i in range(units * subdivisions):
        x = int(round(i * per_unit / float(subdivisions)))
        if x >= width - 1:
            break
        k = i % subdivisions
        if k == 0:
            depth = 6                      # whole inch / centimetre
        elif k * 2 == subdivisions:
            depth = 4                      # halves
        elif subdivisions == 8 and k % 2 == 0:
            depth = 3                      # quarter inches
        else:
            depth = 2                      # eighths / millimetres
        cv.vline(x, 0, depth - 1, BLACK)
    # numbers just left of each whole unit (the unit at the far end too)
    for n in range(1, units + 1):
        text = str(n)
        x = int(round(n * per_unit)) - 2 - 4 * len(text)
        for ch in text:
            cv.blit(DIGITS[ch], x + 1, 4, ink)
            x += 4
    write_bmp(out(name), cv)
    return cv


def rulers():
    ruler(576, 6, 96, 8, "ruler_in.bmp")
    ruler(570, 15, 38, 10, "ruler_cm.bmp")


# ==========================================================================
# Sounds
# ==========================================================================

RATE = 22050


def click_sound():
    """A soft typewriter key: a short filtered noise burst on a low knock."""
    rnd = random.Random(7)
    n = int(RATE * 0.025)
    samples = []
    lp = 0.0
    for i in range(n):
        t = i / float(RATE)
        noise = rnd.uniform(-1, 1)
        lp += 0.45 * (noise - lp)            # take the hiss off the noise
        body = math.sin(2 * math.pi * 180 * t) * math.exp(-t * 160)
        snap = lp * math.exp(-t * 420)
        attack = min(1.0, i / 12.0)
        fade = min(1.0, (n - i) / 44.0)
        samples.append(0.6 * attack * fade * (0.8 * snap + 0.5 * body))
    return samples


def enter_sound():
    """Carriage return: a dull thunk followed by a small bell."""
    rnd = random.Random(11)
    n = int(RATE * 0.12)
    samples = []
    lp = 0.0
    for i in range(n):
        t = i / float(RATE)
        lp += 0.25 * (rnd.uniform(-1, 1) - lp)
        thunk = (math.sin(2 * math.pi * 110 * t) * 0.7 + lp * 0.8) * math.exp(-t * 90)
        bell = 0.0
        if t > 0.012:
            tb = t - 0.012
            env = math.exp(-tb * 28) * min(1.0, tb / 0.002)
            bell = env * (math.sin(2 * math.pi * 2093 * tb) * 0.55 +
                          math.sin(2 * math.pi * 5340 * tb) * 0.18 +
                          math.sin(2 * math.pi * 3140 * tb) * 0.12)
        fade = min(1.0, (n - i) / 220.0)
        samples.append(0.6 * (0.6 * thunk + 0.55 * bell) * fade)
    return samples


def sounds():
    write_wav(out("click.wav"), click_sound(), RATE)
    write_wav(out("enter.wav"), enter_sound(), RATE)


# ==========================================================================
# 16x16 strips
# ==========================================================================

# ==========================================================================
# Orientation pictures of the Print dialog: a sheet upright and on its side.
# The grey (192,192,192) around the sheet and the shadow (128,128,128) are the
# shades the dialog turns into its own face and shadow colours.
# ==========================================================================

def orientation_picture(w, h, sheet_w, sheet_h):
    cv = Canvas(w, h, (192, 192, 192))
    x0, y0 = (w - sheet_w) // 2 - 1, (h - sheet_h) // 2 - 1
    x1, y1 = x0 + sheet_w - 1, y0 + sheet_h - 1
    cv.rect(x0 + 3, y0 + 3, x1 + 3, y1 + 3, (128, 128, 128))
    cv.rect(x0, y0, x1, y1, (0, 0, 0))
    cv.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, WHITE)
    fold = 8
    for i in range(fold):
        for x in range(x1 - fold + 1 + i, x1 + 1):
            cv.set(x, y0 + i, (192, 192, 192))
        cv.set(x1 - fold + i, y0 + i, (0, 0, 0))
        cv.set(x1 - fold, y0 + i, (0, 0, 0))
    cv.rect(x1 - fold, y0 + fold, x1, y0 + fold, (0, 0, 0))
    cv.rect(x0 + 5, y0 + 4, x0 + 5 + (x1 - x0) // 3, y0 + 5, (36, 84, 190))
    y = y0 + fold + 5
    n = 0
    while y < y1 - 4:
        right = x1 - 5 if n % 4 != 3 else x0 + (x1 - x0) * 2 // 3
        cv.rect(x0 + 5, y, right, y, (96, 96, 96))
        y += 4
        n += 1
    return cv


def orientation_pictures():
    write_bmp(out("portrait.bmp"), orientation_picture(64, 72, 44, 58))
    write_bmp(out("landscape.bmp"), orientation_picture(72, 64, 58, 44))


def strips():
    write_bmp(out("toolbar.bmp"), hstack([f() for _, f in icons16.TOOLBAR]))
    write_bmp(out("formatbar.bmp"), hstack([f() for _, f in icons16.FORMATBAR]))
    write_bmp(out("tabstates.bmp"), hstack(icons16.tab_states()))
    write_bmp(out("misc.bmp"), hstack([icons16.folder(), icons16.doc_page(),
                                       icons16.placeholder()]))
    write_bmp(out("menuimages.bmp"), hstack([icons16.folder(),
                                             icons16.doc_page()]))
    write_bmp(out("favedit.bmp"), hstack([f() for f in icons16.FAVORITES_EDITOR]))


def main():
    global OUT
    if len(sys.argv) > 1:
        OUT = sys.argv[1]
    os.makedirs(OUT, exist_ok=True)
    strips()
    program_icons()
    logo()
    logo_strip()
    splash_left()
    splash_right()
    tray_glyphs()
    sidebar_close()
    rulers()
    sounds()
    orientation_pictures()


if __name__ == "__main__":
    main()
