#!/usr/bin/env bash
# Save as Picture in the real program: an A4 portrait calendar at the
# default 300 dots per inch is 2480 x 3508 pixels with a 300 dpi tag, and
# its grid lines stand where the printed PDF has them. A full disk leaves
# no file, not even a partial one, and says so.
source "$(dirname "$0")/lib.bash" "$1"
disk=""
print_job picture '[ -z "$disk" ] || umount -l "$disk" 2>/dev/null'

# The July seed turned to portrait on A4.
python3 - "$SRC/fuzz/fuzz_document/seeds/july.kal" "$WORK/$job.kal" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
old = b"\x03PDF" + struct.pack("<hhh", 2, 9, 1)
assert data.count(old) == 1
open(sys.argv[2], "wb").write(data.replace(old, b"\x03PDF" + struct.pack("<hhh", 1, 9, 1)))
PY
start_program "$job.kal"
sleep 1
open_print_dialog
xdotool key Return
pdf=$(wait_pdf "$job*.pdf" "$WORK/started") || fail "no PDF printed"

# save_as NAME: File > Save as Picture, OK at 300 dpi, NAME into the file dialog.
save_as() {
    press "$frame" alt+f
    sleep 0.5
    xdotool key u
    wait_window "^Save as Picture$" 30 >/dev/null || fail "no Save as Picture dialog"
    sleep 0.5
    screenshot "$WORK/resolution.png"
    xdotool key Return
    sleep 1.5
    xdotool key ctrl+a
    xdotool type "$1"
    xdotool key Return
}
# Full Windows paths: the file dialog opens in the folder it used last.
winpath() { echo "Z:${1//\//\\}"; }
save_as "$(winpath "$WORK/$job.png")"
eventually 60 test -s "$WORK/$job.png" || fail "no picture written"
sleep 1
[ ! -e "$WORK/$job.png.tmp" ] || fail "the temporary file was left"
size=$(identify -format "%w x %h" "$WORK/$job.png")
[ "$size" = "2480 x 3508" ] || fail "the picture is $size pixels"
dpi=$(identify -units PixelsPerInch -format "%x" "$WORK/$job.png")
[ "$(printf '%.0f' "$dpi")" = 300 ] || fail "the picture records $dpi dots per inch"

# Grid lines: columns and rows of dark pixels across much of the page, in
# the picture and in the PDF rendered at the same resolution.
pdftoppm -gray -r 300 -singlefile "$pdf" "$WORK/printed"
convert "$WORK/$job.png" -colorspace gray -depth 8 "$WORK/saved.pgm"
python3 - "$WORK/saved.pgm" "$WORK/printed.pgm" <<'PY' || fail "the grid lines differ from the printed page's"
import sys
from netpbm import read_netpbm

def lines(w, h, pixels, vertical):
    n, m = (w, h) if vertical else (h, w)
    counts = [0] * n
    for y in range(h):
        row = pixels[y * w:(y + 1) * w]
        for x in range(w):
            if row[x] < 160:
                counts[x if vertical else y] += 1
    found, last = [], -10
    for i, c in enumerate(counts):
        if c > m * 0.2:
            if i - last > 4:
                found.append(i)
            last = i
    return found

saved, printed = read_netpbm(sys.argv[1]), read_netpbm(sys.argv[2])
for vertical in (True, False):
    a, b = lines(*saved, vertical), lines(*printed, vertical)
    print("saved", a, "printed", b)
    if len(a) < 6 or len(a) != len(b) or any(abs(p - q) > 4 for p, q in zip(a, b)):
        sys.exit(1)
PY

# A full disk: a small file system in the work folder, reached through Z:.
disk=$WORK/disk
mkdir "$disk"
if mount -t tmpfs -o size=48k tmpfs "$disk" 2>/dev/null; then
    save_as "$(winpath "$disk/page.png")"
    box=$(wait_window '^Almanark$' 60) || { disk=""; fail "no message about the full disk"; }
    screenshot "$WORK/full.png"
    [ -z "${ALMANARK_SHOT_DIR:-}" ] || cp "$WORK/full.png" "$ALMANARK_SHOT_DIR/"
    press "$box" Return
    sleep 1
    [ -z "$(ls -A "$disk")" ] || fail "the full disk holds $(ls "$disk")"
    echo "full disk: ok"
else
    disk=""
    echo "NOTE: no tmpfs here; the full disk is not tried"
fi
[ -z "${ALMANARK_SHOT_DIR:-}" ] || cp "$WORK/$job.png" "$WORK/resolution.png" "$ALMANARK_SHOT_DIR/"
echo "save_picture: ok"
