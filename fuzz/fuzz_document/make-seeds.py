#!/usr/bin/env python3
# Writes the seed calendars of fuzz_document: month and year calendars with
# and without an embedded picture, with every string prefix form.
import os
import struct

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "seeds")


def string(text, wide=False):
    data = text.encode("latin-1")
    n = len(data)
    if wide:
        return b"\xff\xfe\xff" + bytes([n]) + b"".join(bytes([c, 0]) for c in data)
    if n < 0xFF:
        prefix = bytes([n])
    elif n < 0xFFFE:
        prefix = b"\xff" + struct.pack("<H", n)
    else:
        prefix = b"\xff\xff\xff" + struct.pack("<I", n)
    return prefix + data


def font(height, weight, italic):
    return struct.pack("<iiiii8B", height, 0, 0, 0, weight, italic, 0, 0, 0, 3, 2, 1, 0x22)


def bitmap(width, height, bits):
    table = 1 << bits if bits <= 8 else 0
    row = (bits * width + 31) // 32 * 4
    pixels = bytes((i * 7) & 0xFF for i in range(row * height))
    colors = b"".join(struct.pack("<4B", i, i, i, 0) for i in range(table))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, 0, 0, 0, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 0, 0, 0, 54 + len(colors)) + info + colors + pixels


def calendar(notes=None, event_file="", year_doc=0, title="", picture=None, wide_note=False,
             long_note=0):
    notes = notes or {}
    out = b""
    for i in range(42):
        text = notes.get(i, "")
        if i == 0 and long_note:
            text = "x" * long_note
        out += string(text, wide=wide_note and i == 1 and bool(text))
    out += string(event_file)
    out += struct.pack("<iiii", 2024, 7, year_doc, 1)
    out += string(title)
    out += struct.pack("<dddd", 0.05, -1.0 if not notes else 0.4, 0.95, 0.97)
    out += font(-8, 700, 0) + string("Arial") + struct.pack("<ii", 0x112233, 2)
    out += font(-6, 400, 1) + string("Times New Roman") + struct.pack("<ii", 0x445566, 1)
    out += font(-20, 900, 0) + string("Courier New") + struct.pack("<ii", 0xFF, 1)
    out += font(-14, 400, 1) + string("Arial") + struct.pack("<iiii", 0xFF0000, 1, 1, -1)
    out += string("PDF") + struct.pack("<hhh", 2, 9, 1)
    out += struct.pack("<i", 1 if picture else 0)
    if picture:
        out += picture + string("C:\\lake.bmp") + struct.pack("<ddddd", 0.1, 0.05, 0.9, 0.38,
                                                              4 / 3)
    return out


month_notes = {i: "%d\r\n" % (i + 1) for i in range(31)}
month_notes[9] += "Dentist\r\nat 10"

seeds = {
    "empty-month.kal": calendar(),
    "july.kal": calendar(month_notes, "Family", title="Summer \xe9t\xe9"),
    "year.kal": calendar(year_doc=1, title="2024"),
    "wide-note.kal": calendar({1: "wide"}, wide_note=True),
    "long-note.kal": calendar(long_note=300),
    "gray-picture.kal": calendar(month_notes, "Family", picture=bitmap(5, 3, 8)),
    "rgb-picture.kal": calendar(picture=bitmap(3, 2, 24)),
}

os.makedirs(here, exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(here, name), "wb") as f:
        f.write(data)
