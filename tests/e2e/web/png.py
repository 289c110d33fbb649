"""Reads the pixels of a screenshot: 8-bit RGB or RGBA PNG, not interlaced,
as the browsers' drivers write them."""

import struct
import zlib


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


class Picture:
    def __init__(self, data, rows=None):
        """`rows`: decode only the rows above it (a screenshot's top)."""
        if data[:8] != b"\x89PNG\r\n\x1a\n":
            raise ValueError("not a PNG file")
        at, chunks = 8, []
        while at < len(data):
            length, kind = struct.unpack(">I4s", data[at:at + 8])
            body = data[at + 8:at + 8 + length]
            if kind == b"IHDR":
                self.width, self.height, depth, colour, _, _, interlace = struct.unpack(
                    ">IIBBBBB", body)
                if depth != 8 or colour not in (2, 6) or interlace:
                    raise ValueError(f"PNG of depth {depth}, colour type {colour}")
                self.channels = 3 if colour == 2 else 4
            elif kind == b"IDAT":
                chunks.append(body)
            at += 12 + length
        raw = zlib.decompress(b"".join(chunks))
        n, stride = self.channels, self.width * self.channels
        self.rows = []
        previous = bytearray(stride)
        for y in range(min(self.height, rows or self.height)):
            kind = raw[y * (stride + 1)]
            line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
            if kind == 1:
                for i in range(n, stride):
                    line[i] = (line[i] + line[i - n]) & 0xFF
            elif kind == 2:
                for i in range(stride):
                    line[i] = (line[i] + previous[i]) & 0xFF
            elif kind == 3:
                for i in range(stride):
                    left = line[i - n] if i >= n else 0
                    line[i] = (line[i] + ((left + previous[i]) >> 1)) & 0xFF
            elif kind == 4:
                for i in range(stride):
                    left = line[i - n] if i >= n else 0
                    corner = previous[i - n] if i >= n else 0
                    line[i] = (line[i] + _paeth(left, previous[i], corner)) & 0xFF
            self.rows.append(line)
            previous = line

    def pixel(self, x, y):
        """(r, g, b) at a pixel."""
        i = x * self.channels
        return tuple(self.rows[y][i:i + 3])

    def colours(self, left, top, width, height):
        """Every colour in a rectangle, with how many pixels show it."""
        seen = {}
        for y in range(top, top + height):
            for x in range(left, left + width):
                p = self.pixel(x, y)
                seen[p] = seen.get(p, 0) + 1
        return seen
