#!/usr/bin/env python3
"""Draws the program icon, res/feldora.ico: one group with a 32x32 and a
16x16 image in 16 colours and a 32x32 image in 256 colours.

The picture: a dark blue tile with a white arrow leaving a box, for a model
sent away to the server.
"""
import struct
import sys

# 16-colour VGA palette (B, G, R, 0); index 1 is navy, 15 white, 11 cyan.
VGA = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
       (128, 128, 0), (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0),
       (0, 255, 255), (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255)]


def picture(size):
    """Palette index per pixel (top row first): 1 navy, 15 white, 11 cyan; None transparent."""
    s = size / 32.0
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            X, Y = x / s, y / s
            if X < 1 or Y < 1 or X >= 31 or Y >= 31:
                row.append(None)
                continue
            colour = 1
            # the box the model leaves
            if 6 <= X < 20 and 12 <= Y < 26 and (X < 8 or X >= 18 or Y < 14 or Y >= 24):
                colour = 15
            # the arrow: shaft and head, up and to the right
            if 14 <= X < 26 and 10 <= Y < 12 + 0 * X:
                colour = 11
            if 24 <= X < 26 and 6 <= Y < 18:
                colour = 11
            if 14 <= X < 26 and abs((X - 14) - (18 - Y)) < 1.5 and Y < 18:
                colour = 11
            row.append(colour)
        rows.append(row)
    return rows


def bitmap(size, bpp):
    rows = picture(size)
    if bpp == 4:
        palette = VGA
    else:
        palette = VGA + [(i, i, i) for i in range(240)]
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    xor = b""
    and_mask = b""
    for row in reversed(rows):  # bottom-up
        idx = [0 if c is None else c for c in row]
        if bpp == 4:
            line = bytes((idx[i] << 4) | idx[i + 1] for i in range(0, size, 2))
        else:
            line = bytes(idx)
        line += b"\0" * ((4 - len(line) % 4) % 4)
        xor += line
        bits = 0
        mask = b""
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c is None else 0)
            if i % 8 == 7:
                mask += bytes([bits])
                bits = 0
        mask += b"\0" * ((4 - len(mask) % 4) % 4)
        and_mask += mask
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0,
                         len(xor) + len(and_mask), 0, 0, 1 << bpp, 0)
    return header + pal + xor + and_mask


def main(out):
    images = [(32, 4), (16, 4), (32, 8)]
    blobs = [bitmap(size, bpp) for size, bpp in images]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, bpp), blob in zip(images, blobs):
        colours = 16 if bpp == 4 else 0
        data += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
    data += b"".join(blobs)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/feldora.ico")
