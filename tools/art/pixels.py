"""Tiny pixel toolkit used by make_art.py.

Only the Python standard library is used.  A Canvas holds RGBA pixels;
writers turn canvases into 24-bit BMP, 32-bit ICO and 16-bit PCM WAV
files byte by byte.
"""

import math
import struct

MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


def rgba(c, a=255):
    """Accept (r,g,b), (r,g,b,a) or None and return an RGBA tuple."""
    if c is None:
        return (0, 0, 0, 0)
    if len(c) == 4:
        return tuple(c)
    return (c[0], c[1], c[2], a)


class Canvas:
    def __init__(self, w, h, fill=None):
        self.w, self.h = w, h
        f = rgba(fill)
        self.px = [[f] * w for _ in range(h)]

    # --- basic access -------------------------------------------------
    def get(self, x, y):
        return self.px[y][x]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = rgba(c)

    def blend(self, x, y, c, cover=1.0):
        """Paint colour c (RGB or RGBA) over the pixel with the given coverage."""
        if not (0 <= x < self.w and 0 <= y < self.h) or cover <= 0:
            return
        r, g, b, a = rgba(c)
        sa = a / 255.0 * min(cover, 1.0)
        dr, dg, db, da = self.px[y][x]
        da /= 255.0
        oa = sa + da * (1 - sa)
        if oa <= 0:
            self.px[y][x] = (0, 0, 0, 0)
            return

        def mix(s, d):
            return int(round((s * sa + d * da * (1 - sa)) / oa))
        self.px[y][x] = (mix(r, dr), mix(g, dg), mix(b, db), int(round(oa * 255)))

    # --- drawing --------------------------------------------------------
    def rect(self, x0, y0, x1, y1, c):
        """Filled rectangle, corners inclusive."""
        for y in range(min(y0, y1), max(y0, y1) + 1):
            for x in range(min(x0, x1), max(x0, x1) + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        """One-pixel rectangle outline, corners inclusive."""
        self.hline(x0, x1, y0, c)
        self.hline(x0, x1, y1, c)
        self.vline(x0, y0, y1, c)
        self.vline(x1, y0, y1, c)

    def hline(self, x0, x1, y, c):
        for x in range(min(x0, x1), max(x0, x1) + 1):
            self.set(x, y, c)

    def vline(self, x, y0, y1, c):
        for y in range(min(y0, y1), max(y0, y1) + 1):
            self.set(x, y, c)

    def line(self, x0, y0, x1, y1, c):
        """Bresenham line, end points inclusive."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def blit(self, rows, x=0, y=0, pal=None):
        """Draw a character map.  '.' and ' ' leave the pixel alone,
        '_' clears it to transparent, any other character is looked up
        in the palette."""
        width = len(rows[0])
        for j, row in enumerate(rows):
            if len(row) != width:
                raise ValueError("ragged map row %d: %r" % (j, row))
            for i, ch in enumerate(row):
                if ch in ". ":
                    continue
                if ch == "_":
                    self.set(x + i, y + j, None)
                    continue
                if ch not in pal:
                    raise KeyError("no colour for %r in %r" % (ch, row))
                self.set(x + i, y + j, pal[ch])

    def paste(self, other, x=0, y=0):
        """Alpha-composite another canvas onto this one."""
        for j in range(other.h):
            for i in range(other.w):
                p = other.px[j][i]
                if p[3]:
                    self.blend(x + i, y + j, p)

    def crop(self, x, y, w, h):
        out = Canvas(w, h)
        for j in range(h):
            for i in range(w):
                if 0 <= x + i < self.w and 0 <= y + j < self.h:
                    out.px[j][i] = self.px[y + j][x + i]
        return out

    def shade(self, inside, color, ss=4):
        """Anti-aliased fill: inside(fx, fy) tells whether a point (in pixel
        units, pixel centres at .5) belongs to the shape; colour may also be
        a function of the point."""
        for y in range(self.h):
            for x in range(self.w):
                hits = 0
                acc = [0.0, 0.0, 0.0, 0.0]
                for sj in range(ss):
                    for si in range(ss):
                        fx = x + (si + 0.5) / ss
                        fy = y + (sj + 0.5) / ss
                        if inside(fx, fy):
                            hits += 1
                            c = rgba(color(fx, fy) if callable(color) else color)
                            for k in range(4):
                                acc[k] += c[k]
                if hits:
                    c = tuple(v / hits for v in acc)
                    self.blend(x, y, (int(c[0]), int(c[1]), int(c[2]), int(c[3])),
                               hits / float(ss * ss))


def hstack(canvases):
    w = sum(c.w for c in canvases)
    h = max(c.h for c in canvases)
    out = Canvas(w, h)
    x = 0
    for c in canvases:
        for j in range(c.h):
            out.px[j][x:x + c.w] = c.px[j]
        x += c.w
    return out


# --- file writers -------------------------------------------------------

def bmp_bytes(cv, key=MAGENTA, matte=None):
    """24-bit bottom-up BMP.  Transparent pixels become `key`; when `matte`
    is given, partly transparent pixels are blended onto it instead."""
    rowbytes = (cv.w * 3 + 3) & ~3
    data = bytearray()
    for y in range(cv.h - 1, -1, -1):
        row = bytearray()
        for x in range(cv.w):
            r, g, b, a = cv.px[y][x]
            if matte is not None:
                f = a / 255.0
                r = int(round(r * f + matte[0] * (1 - f)))
                g = int(round(g * f + matte[1] * (1 - f)))
                b = int(round(b * f + matte[2] * (1 - f)))
            elif a < 128:
                r, g, b = key
            row += bytes((b, g, r))
        row += b"\0" * (rowbytes - len(row))
        data += row
    info = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h, 1, 24, 0, len(data),
                       2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0,
                       14 + len(info))
    return head + info + bytes(data)


def write_bmp(path, cv, key=MAGENTA, matte=None):
    with open(path, "wb") as f:
        f.write(bmp_bytes(cv, key, matte))


def _ico_image(cv):
    xor = bytearray()
    mask = bytearray()
    maskrow = ((cv.w + 31) // 32) * 4
    for y in range(cv.h - 1, -1, -1):
        bits = bytearray(maskrow)
        for x in range(cv.w):
            r, g, b, a = cv.px[y][x]
            if a == 0:
                xor += b"\0\0\0\0"
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                xor += bytes((b, g, r, a))
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h * 2, 1, 32, 0,
                       len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def write_ico(path, canvases):
    images = [_ico_image(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for cv, img in zip(canvases, images):
        out += struct.pack("<BBBBHHII", cv.w % 256, cv.h % 256, 0, 0, 1, 32,
                           len(img), offset)
        offset += len(img)
    for img in images:
        out += img
    with open(path, "wb") as f:
        f.write(out)


def write_wav(path, samples, rate=22050):
    """Mono 16-bit PCM; samples are floats in -1..1."""
    pcm = bytearray()
    for s in samples:
        v = int(round(max(-1.0, min(1.0, s)) * 32767))
        pcm += struct.pack("<h", v)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    body = (b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt +
            b"data" + struct.pack("<I", len(pcm)) + bytes(pcm))
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


def read_ppm(data):
    """Parse a binary PPM (P6, 8-bit) into a Canvas."""
    tokens = []
    pos = 0
    while len(tokens) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            while data[pos:pos + 1] not in (b"\n", b""):
                pos += 1
            continue
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        tokens.append(data[start:pos])
    pos += 1
    if tokens[0] != b"P6" or int(tokens[3]) != 255:
        raise ValueError("expected an 8-bit P6 image")
    w, h = int(tokens[1]), int(tokens[2])
    cv = Canvas(w, h)
    for y in range(h):
        for x in range(w):
            i = pos + (y * w + x) * 3
            cv.px[y][x] = (data[i], data[i + 1], data[i + 2], 255)
    return cv
