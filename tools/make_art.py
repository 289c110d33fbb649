#!/usr/bin/env python3
"""Draws Quorbals' artwork: the program icon and the high-score corner ornaments.

Everything is drawn here pixel by pixel and written as PNG with zlib and
struct only, so the pictures can be remade anywhere:

    python3 tools/make_art.py [assets folder]   (default: assets)

Outputs
  icons/quorbals-32-16colour.png  32 x 32, 16-colour palette (About box)
  icons/quorbals-<N>.png          N = 16, 32, 48, 64, 128, 256 (desktop icons),
                                  192 and 512 (the browser build's app icons)
  ornaments/corner-{tl,tr,bl,br}.png  15 x 15 each, transparent ground
  win32/quorbals.ico              the Windows program icon: 16, 32 and 48 in
                                  32-bit colour, 32 in 16 colours (the About
                                  box's), 256 as PNG
"""

import os
import struct
import sys
import zlib

# ---------------------------------------------------------------- PNG output


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_rgba_png(path, width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)  # no filter
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))
    png = b"\x89PNG\r\n\x1a\n"
    png += _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += _chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += _chunk(b"IEND", b"")
    with open(path, "wb") as out:
        out.write(png)


def write_palette_png(path, width, height, pixels, palette):
    """A 4-bit indexed PNG; palette entry 0 is fully transparent."""
    assert len(palette) <= 16
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        indices = [palette.index(p) if p[3] else 0 for p in row]
        if len(indices) % 2:
            indices.append(0)
        for i in range(0, len(indices), 2):
            raw.append((indices[i] << 4) | indices[i + 1])
    plte = b"".join(bytes(p[:3]) for p in palette)
    trns = bytes(p[3] for p in palette)
    png = b"\x89PNG\r\n\x1a\n"
    png += _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 4, 3, 0, 0, 0))
    png += _chunk(b"PLTE", plte)
    png += _chunk(b"tRNS", trns)
    png += _chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += _chunk(b"IEND", b"")
    with open(path, "wb") as out:
        out.write(png)


# ---------------------------------------------------------------- ICO output


def _and_mask(width, height, pixels):
    """The 1-bit transparency mask, bottom row first, rows padded to 4 bytes."""
    stride = (width + 31) // 32 * 4
    out = bytearray()
    for row in reversed(pixels):
        line = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def _dib_header(width, height, bits, colours=0):
    # The height counts the colour rows and the mask rows together.
    return struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0, 0, 0, 0, colours, 0)


def ico_bgra(width, height, pixels):
    """A 32-bit image with alpha, bottom row first, plus the mask for old readers."""
    body = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            body += bytes((b, g, r, a))
    return _dib_header(width, height, 32) + bytes(body) + _and_mask(width, height, pixels)


def ico_16colour(width, height, pixels, palette):
    """A 4-bit image over a 16-entry palette; transparency lies in the mask."""
    assert len(palette) <= 16 and width % 8 == 0
    table = b"".join(bytes((p[2], p[1], p[0], 0)) for p in palette)
    table += b"\0" * (4 * (16 - len(palette)))
    body = bytearray()
    for row in reversed(pixels):
        indices = [palette.index(p) if p[3] else 0 for p in row]
        for i in range(0, width, 2):
            body.append((indices[i] << 4) | indices[i + 1])
    return (_dib_header(width, height, 4, 16) + table + bytes(body) +
            _and_mask(width, height, pixels))


def png_bytes(width, height, pixels):
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for px in row:
            raw += bytes(px)
    png = b"\x89PNG\r\n\x1a\n"
    png += _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += _chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += _chunk(b"IEND", b"")
    return png


def write_ico(path, images):
    """images: (width, height, colour count or 0, bits per pixel, image bytes)."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    directory = bytearray()
    data = bytearray()
    for width, height, colours, bits, image in images:
        # A side of 256 is written as 0.
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0, 1, bits,
                                 len(image), offset + len(data))
        data += image
    with open(path, "wb") as out:
        out.write(header + bytes(directory) + bytes(data))


def blank(width, height):
    return [[(0, 0, 0, 0) for _ in range(width)] for _ in range(height)]


def over(dst, src):
    """Source-over blending of two straight-alpha RGBA tuples."""
    sa = src[3] / 255.0
    da = dst[3] / 255.0
    oa = sa + da * (1 - sa)
    if oa <= 0:
        return (0, 0, 0, 0)
    return tuple(int(round((src[i] * sa + dst[i] * da * (1 - sa)) / oa)) for i in range(3)) + (
        int(round(oa * 255)),)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


# ------------------------------------------------------------- program icon

# The classic 16-colour set: the small icon uses nothing else.
BLACK, WHITE = (0, 0, 0), (255, 255, 255)
RED, MAROON = (255, 0, 0), (128, 0, 0)
LIME, GREEN = (0, 255, 0), (0, 128, 0)
BLUE, NAVY = (0, 0, 255), (0, 0, 128)
SILVER = (192, 192, 192)


def square_layout(size):
    """Top-left corners and side of the three squares, top-left to bottom-right."""
    pad = max(1, round(size / 16))
    side = round(size * 0.375)
    step = (size - 2 * pad - side) // 2
    return [(pad + i * step, pad + i * step) for i in range(3)], side


def draw_classic_square(canvas, x0, y0, side, face, dark):
    """A raised square in the 16-colour style: white and face above and left,
    dark shade and black below and right, one pixel each."""
    last = side - 1
    # Small squares keep a one-pixel edge, or little face would be left.
    inner_shade = side >= 10
    for v in range(side):
        for u in range(side):
            if u == last or v == last:
                colour = BLACK
            elif u == 0 or v == 0:
                colour = WHITE
            elif inner_shade and (u == last - 1 or v == last - 1):
                colour = dark
            else:
                colour = face
            canvas[y0 + v][x0 + u] = colour + (255,)
    # A small shine in the face's upper left.
    if side >= 10:
        for du, dv in ((2, 2), (3, 2), (2, 3)):
            canvas[y0 + dv][x0 + du] = WHITE + (255,)


def classic_icon(size):
    canvas = blank(size, size)
    corners, side = square_layout(size)
    for (x0, y0), (face, dark) in zip(corners, ((RED, MAROON), (LIME, GREEN), (BLUE, NAVY))):
        draw_classic_square(canvas, x0, y0, side, face, dark)
    return canvas


SMOOTH_COLOURS = ((218, 36, 36), (34, 168, 58), (36, 78, 222))


def smooth_square_colour(u, v, side, base):
    """Colour of point (u, v) inside a square of the given side, or None.

    A mitred bevel: the lit band faces up and left, the shaded band down and
    right; the face has a soft top-to-bottom gradient."""
    if not (0 <= u < side and 0 <= v < side):
        return None
    outline = max(1.0, side / 48)
    bevel = side / 7
    top, left, bottom, right = v, u, side - v, side - u
    nearest = min(top, left, bottom, right)
    if nearest < outline:
        return mix(base, BLACK, 0.6)
    if nearest < bevel:
        if nearest in (top, left) and not (nearest == bottom or nearest == right):
            lit = 0.62 if nearest == top else 0.45
            return mix(base, WHITE, lit)
        shade = 0.45 if nearest == bottom else 0.32
        return mix(base, BLACK, shade)
    t = (v - bevel) / max(side - 2 * bevel, 1)
    colour = mix(mix(base, WHITE, 0.28), base, min(1.0, t * 1.3))
    # A soft shine near the upper left of the face.
    du, dv = (u - side * 0.34) / (side * 0.2), (v - side * 0.3) / (side * 0.12)
    glow = max(0.0, 1.0 - (du * du + dv * dv))
    return mix(colour, WHITE, 0.55 * glow)


def smooth_icon(size, samples=4):
    """The desktop icon: the same three squares with soft shading and a shadow."""
    corners, side = square_layout(size)
    canvas = blank(size, size)
    shadow_offset = max(1, round(size / 40))
    # Shadows first, under all three squares.
    shadow = [[0.0] * size for _ in range(size)]
    for x0, y0 in corners:
        for y in range(y0 + shadow_offset, min(size, y0 + side + shadow_offset)):
            for x in range(x0 + shadow_offset, min(size, x0 + side + shadow_offset)):
                shadow[y][x] = 1.0
    radius = max(1, size // 64)
    for y in range(size):
        for x in range(size):
            total = count = 0
            for yy in range(max(0, y - radius), min(size, y + radius + 1)):
                for xx in range(max(0, x - radius), min(size, x + radius + 1)):
                    total += shadow[yy][xx]
                    count += 1
            alpha = int(round(90 * total / count))
            if alpha:
                canvas[y][x] = (0, 0, 0, alpha)
    for (x0, y0), base in zip(corners, SMOOTH_COLOURS):
        for y in range(y0, y0 + side):
            for x in range(x0, x0 + side):
                acc = [0, 0, 0]
                hits = 0
                for sy in range(samples):
                    for sx in range(samples):
                        c = smooth_square_colour(x - x0 + (sx + 0.5) / samples,
                                                 y - y0 + (sy + 0.5) / samples, side, base)
                        if c is not None:
                            for i in range(3):
                                acc[i] += c[i]
                            hits += 1
                colour = tuple(int(round(a / hits)) for a in acc)
                canvas[y][x] = colour + (255,)
    return canvas


# ---------------------------------------------------------- corner ornaments

ORNAMENT = 15
ARM_FACE, ARM_LIGHT, ARM_DARK = (48, 80, 180), (130, 160, 245), (12, 24, 90)
# The ball: shadow, face, light and shine, lit from the upper left.
BALL_TONES = ((120, 0, 0), (205, 30, 30), (245, 110, 100), (255, 235, 230))
BALL_CENTRE, BALL_RADIUS = 4.0, 3.4


def arm_mask():
    """The top-left ornament's two arms along the top and left edges; each
    leaves the ball and ends in a small rounded tip."""
    cells = set()
    for i in range(6, 13):
        for j in (2, 3):
            cells.add((i, j))
            cells.add((j, i))
    cells.update({(13, 2), (2, 13)})  # the tips
    return cells


def ball_cells(flip_x, flip_y):
    """Cells of the corner ball with their tone, shaded after mirroring so
    that the light always comes from the upper left."""
    last = ORNAMENT - 1
    cx = last + 1 - BALL_CENTRE if flip_x else BALL_CENTRE
    cy = last + 1 - BALL_CENTRE if flip_y else BALL_CENTRE
    light = (-0.55, -0.55, 0.63)
    cells = {}
    for y in range(ORNAMENT):
        for x in range(ORNAMENT):
            nx = (x + 0.5 - cx) / BALL_RADIUS
            ny = (y + 0.5 - cy) / BALL_RADIUS
            rr = nx * nx + ny * ny
            if rr > 1.0:
                continue
            nz = (1.0 - rr) ** 0.5
            lit = nx * light[0] + ny * light[1] + nz * light[2]
            tone = 0 if lit < 0.25 else 1 if lit < 0.75 else 2 if lit < 0.97 else 3
            cells[(x, y)] = BALL_TONES[tone]
    return cells


def mirror(cells, flip_x, flip_y):
    last = ORNAMENT - 1
    return {(last - x if flip_x else x, last - y if flip_y else y) for x, y in cells}


def light_mask(canvas, cells, face, light, dark):
    """Raised look, always lit from the upper left whatever the corner."""
    for x, y in cells:
        if (x, y - 1) not in cells or (x - 1, y) not in cells:
            colour = light
        elif (x, y + 1) not in cells or (x + 1, y) not in cells:
            colour = dark
        else:
            colour = face
        canvas[y][x] = colour + (255,)


def ornament(flip_x, flip_y):
    canvas = blank(ORNAMENT, ORNAMENT)
    light_mask(canvas, mirror(arm_mask(), flip_x, flip_y), ARM_FACE, ARM_LIGHT, ARM_DARK)
    for (x, y), colour in ball_cells(flip_x, flip_y).items():
        canvas[y][x] = colour + (255,)
    return canvas


# --------------------------------------------------------------------- main


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.normpath(os.path.join(here, "..", "assets"))
    assets = sys.argv[1] if len(sys.argv) > 1 else default
    icons = os.path.join(assets, "icons")
    ornaments = os.path.join(assets, "ornaments")
    os.makedirs(icons, exist_ok=True)
    os.makedirs(ornaments, exist_ok=True)

    palette = [(0, 0, 0, 0), BLACK + (255,), WHITE + (255,), RED + (255,), MAROON + (255,),
               LIME + (255,), GREEN + (255,), BLUE + (255,), NAVY + (255,), SILVER + (255,)]
    write_palette_png(os.path.join(icons, "quorbals-32-16colour.png"), 32, 32, classic_icon(32),
                      palette)
    for size in (16, 32):
        write_rgba_png(os.path.join(icons, f"quorbals-{size}.png"), size, size,
                       classic_icon(size))
    # 192 and 512 are the browser build's app icons.
    for size in (48, 64, 128, 192, 256, 512):
        write_rgba_png(os.path.join(icons, f"quorbals-{size}.png"), size, size, smooth_icon(size))

    win32 = os.path.join(assets, "win32")
    os.makedirs(win32, exist_ok=True)
    write_ico(os.path.join(win32, "quorbals.ico"), [
        (16, 16, 0, 32, ico_bgra(16, 16, classic_icon(16))),
        (32, 32, 0, 32, ico_bgra(32, 32, classic_icon(32))),
        (32, 32, 16, 4, ico_16colour(32, 32, classic_icon(32), palette)),
        (48, 48, 0, 32, ico_bgra(48, 48, smooth_icon(48))),
        (256, 256, 0, 32, png_bytes(256, 256, smooth_icon(256))),
    ])

    for name, fx, fy in (("tl", False, False), ("tr", True, False), ("bl", False, True),
                         ("br", True, True)):
        write_rgba_png(os.path.join(ornaments, f"corner-{name}.png"), ORNAMENT, ORNAMENT,
                       ornament(fx, fy))


if __name__ == "__main__":
    main()
