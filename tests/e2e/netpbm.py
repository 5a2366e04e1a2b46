"""Reads the binary netpbm pictures that pdftoppm and convert write."""


def read_netpbm(path):
    """(width, height, pixels) of an 8-bit P5 (grey) or P6 (RGB) file:
    one byte a pixel, or three (red, green, blue), row after row."""
    data = open(path, "rb").read()
    fields, at = [], 0
    while len(fields) < 4:  # magic, width, height, largest value
        while data[at:at + 1].isspace():
            at += 1
        end = at
        while end < len(data) and not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    if fields[0] not in (b"P5", b"P6") or int(fields[3]) > 255:
        raise ValueError("%s: not an 8-bit binary netpbm picture" % path)
    w, h = int(fields[1]), int(fields[2])
    size = w * h * (3 if fields[0] == b"P6" else 1)
    pixels = data[at + 1:at + 1 + size]
    if len(pixels) != size:
        raise ValueError("%s: %d of %d bytes of pixels" % (path, len(pixels), size))
    return w, h, pixels
