#!/usr/bin/env python3
# Writes the seed pictures of fuzz_bitmap: small bitmap files of each bit
# depth, with and without image size and colours-used values; bitmaps of the
# kinds the codecs read (top-down, run-length, OS/2, bit fields, V5); and the
# headers of PNG, JPEG, GIF and TIFF files that state size and depth.
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


def header(size, width, height, bits, compression=0, colors_used=0):
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, 0, 0, 0,
                       colors_used, 0)
    return struct.pack("<I", size) + info[4:] + bytes(max(0, size - 40))


def other_bitmap(info, extra, pixels):
    return struct.pack("<2sIHHI", b"BM", 0, 0, 0, 14 + len(info) + len(extra)) + info + extra + pixels


def tiff(big, entries):
    order = ">" if big else "<"
    ifd = struct.pack(order + "H", len(entries))
    for tag, value in entries:
        ifd += struct.pack(order + "HHIHH", tag, 3, 1, value, 0)
    return (b"MM\0*" if big else b"II*\0") + struct.pack(order + "I", 8) + ifd + b"\0" * 4


seeds = {
    "mono-9x3.bmp": bitmap(9, 3, 1),
    "nibble-5x2.bmp": bitmap(5, 2, 4),
    "gray-5x3.bmp": bitmap(5, 3, 8),
    "used20-4x4.bmp": bitmap(4, 4, 8, colors_used=20),
    "rgb16-3x2.bmp": bitmap(3, 2, 16),
    "rgb24-3x3.bmp": bitmap(3, 3, 24),
    "rgb24-sized.bmp": bitmap(3, 3, 24, size_image=40),
    "rgb32-2x2.bmp": bitmap(2, 2, 32),
    "top-down-2x2.bmp": other_bitmap(header(40, 2, -2, 24), b"", bytes(16)),
    "rle8-2x2.bmp": other_bitmap(header(40, 2, 2, 8, 1, 2), bytes(8), b"\2\0\0\0\2\1\0\1"),
    "os2-2x2.bmp": other_bitmap(struct.pack("<IHHHH", 12, 2, 2, 1, 24), b"", bytes(16)),
    "fields565-2x2.bmp": other_bitmap(header(40, 2, 2, 16, 3),
                                      struct.pack("<3I", 0xF800, 0x07E0, 0x001F), bytes(8)),
    "v5-2x2.bmp": other_bitmap(header(124, 2, 2, 24), b"", bytes(16)),
    "deep.png": b"\x89PNG\r\n\x1a\n" + struct.pack(">I4sIIBBBBB", 13, b"IHDR", 5000, 5000, 16, 6,
                                                      0, 0, 0),
    "cmyk.jpg": bytes([0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0, 0xFF, 0xC2, 0, 20, 8, 0, 2, 0, 3, 4,
                       1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0, 4, 0x11, 0]),
    "anim.gif": b"GIF89a" + struct.pack("<HHBBB", 40, 30, 0, 0, 0),
    "cmyk-le.tif": tiff(False, [(256, 600), (257, 400), (258, 8), (262, 5), (277, 4)]),
    "grey-be.tif": tiff(True, [(256, 7), (257, 9), (258, 16), (262, 1)]),
}
os.makedirs(here, exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(here, name), "wb") as f:
        f.write(data)
