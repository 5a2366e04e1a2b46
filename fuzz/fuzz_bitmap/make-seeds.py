#!/usr/bin/env python3
# Writes the seed pictures of fuzz_bitmap: small bitmap files of each bit
# depth, with and without image size and colours-used values.
import os
import struct

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "seeds")


def bitmap(width, height, bits, colors_used=0, size_image=0, table=None):
    if table is None:
        table = colors_used or (1 << bits if bits <= 8 else 0)
    row = (bits * width + 31) // 32 * 4
    pixels = bytes((i * 7) & 0xFF for i in range(max(size_image, row * height)))
    colors = b"".join(struct.pack("<4B", i, 255 - i, i // 2, 0) for i in range(table))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, size_image, 2835, 2835,
                       colors_used, 0)
    head = struct.pack("<2sIHHI", b"BM", 0, 0, 0, 54 + len(colors))
    return head + info + colors + pixels


seeds = {
    "mono-9x3.bmp": bitmap(9, 3, 1),
    "nibble-5x2.bmp": bitmap(5, 2, 4),
    "gray-5x3.bmp": bitmap(5, 3, 8),
    "used20-4x4.bmp": bitmap(4, 4, 8, colors_used=20),
    "rgb16-3x2.bmp": bitmap(3, 2, 16),
    "rgb24-3x3.bmp": bitmap(3, 3, 24),
    "rgb24-sized.bmp": bitmap(3, 3, 24, size_image=40),
    "rgb32-2x2.bmp": bitmap(2, 2, 32),
}
os.makedirs(here, exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(here, name), "wb") as f:
        f.write(data)
