#!/usr/bin/env bash
# A picture belongs to the calendar once it is loaded: its file emptied, or
# rewritten smaller, by another program after loading, Save As still writes
# the picture as it was loaded, the program goes on, and no temporary file is
# left. The program is driven with the mouse and keyboard under Xvfb.
source "$(dirname "$0")/lib.bash" "$1"
shots=${ALMANARK_SHOTS:-$WORK}

# bitmap W H R G B: a 24-bit bitmap file of one colour.
bitmap() {
    python3 - "$@" <<'PY'
import struct, sys
w, h, r, g, b = map(int, sys.argv[1:])
row = (bytes([b, g, r]) * w).ljust((3 * w + 3) // 4 * 4, b"\0")
pixels = row * h
sys.stdout.buffer.write(struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54) +
                        struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, 0, 0, 0, 0, 0) + pixels)
PY
}

# menu_save_as FRAME NAME: File, Save As..., the name typed into the dialog.
menu_save_as() {
    press "$1" alt+f
    sleep 0.5
    xdotool key a
    local dlg
    dlg=$(wait_window '^Save As$' 20) || fail "no Save As dialog"
    xdotool windowfocus "$dlg"
    sleep 0.3
    xdotool key ctrl+a
    xdotool type --delay 30 "Z:${WORK//\//\\}\\$2"
    xdotool key Return
    eventually 20 test -s "$WORK/$2" || fail "$2 was not written"
    sleep 1
}

# holds_picture KAL PICTURE: the calendar holds the picture's header and rows.
holds_picture() {
    python3 - "$1" "$2" <<'PY'
import sys
kal, bmp = (open(p, "rb").read() for p in sys.argv[1:])
stored = b"BM" + bytes(8) + (54).to_bytes(4, "little") + bmp[14:]
sys.exit(0 if stored in kal else 1)
PY
}

bitmap 600 400 200 30 30 > photo.bmp
cp photo.bmp loaded.bmp
start_program
sleep 1
# The Image tab, then its "New" button.
xdotool mousemove --window "$frame" 565 53 click 1
sleep 0.5
xdotool mousemove --window "$frame" 501 126 click 1
open=$(wait_window '^Open$' 20) || fail "no Open dialog"
xdotool windowfocus "$open"
sleep 0.3
xdotool type --delay 30 "Z:${WORK//\//\\}\\photo.bmp"
xdotool key Return
sleep 2
screenshot "$shots/loaded.png"

# Emptied by another program, as a shell does: the program is not told.
: > photo.bmp
menu_save_as "$frame" emptied.kal
kill -0 "$pid" 2>/dev/null || fail "the program ended after the picture file was emptied"
holds_picture emptied.kal loaded.bmp || fail "emptied.kal does not hold the loaded picture"

# Rewritten smaller with another picture.
bitmap 40 20 0 0 255 > photo.bmp
menu_save_as "$frame" smaller.kal
screenshot "$shots/saved.png"
kill -0 "$pid" 2>/dev/null || fail "the program ended after the picture file was rewritten"
holds_picture smaller.kal loaded.bmp || fail "smaller.kal does not hold the loaded picture"
cmp -s emptied.kal smaller.kal || fail "the two saves differ"
[ -z "$(find "$WORK" -name '*.tmp')" ] || fail "a temporary file was left: $(find "$WORK" -name '*.tmp')"
gone '^Almanark$' || fail "a message was shown"

press "$frame" alt+F4
wait_exit "$pid" 30 || fail "the program did not end on Alt+F4"
echo "picture_changed: ok"
