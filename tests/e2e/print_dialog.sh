#!/usr/bin/env bash
# Ctrl+P and OK in the real print dialog print the calendar on its own
# printer, at its paper size and orientation; Print Preview takes the
# control panel's place and gives it back when closed with Esc.
source "$(dirname "$0")/lib.bash" "$1"
lpstat -v PDF-Legal >/dev/null 2>&1 || { echo "print_dialog: no PDF-Legal printer (scripts/setup.sh)"; exit 77; }
print_job dialog

# calendar NAME PRINTER ORIENTATION PAPER: the July seed saved for another printer.
calendar() {
    python3 - "$SRC/fuzz/fuzz_document/seeds/july.kal" "$WORK/$1.kal" "$2" "$3" "$4" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
old = b"\x03PDF" + struct.pack("<hhh", 2, 9, 1)
assert data.count(old) == 1
new = bytes([len(sys.argv[3])]) + sys.argv[3].encode() + struct.pack("<hhh", int(sys.argv[4]), int(sys.argv[5]), 1)
open(sys.argv[2], "wb").write(data.replace(old, new))
PY
}

# pixel X Y FILE: "r,g,b" of a screenshot
pixel() { convert "$3" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" -crop "1x1+$1+$2" info: 2>/dev/null; }

for case in "PDF 2 9 842x595" "PDF-Legal 1 5 612x1008"; do
    read -r printer orientation paper size <<<"$case"
    name=$job-$printer
    calendar "$name" "$printer" "$orientation" "$paper"
    start_program "$name.kal"
    sleep 1
    open_print_dialog
    xdotool key Return
    pdf=$(wait_pdf "$name*.pdf" "$WORK/started") || fail "no PDF printed on $printer"
    # The page as it is seen: a page turned by a quarter shows its sides swapped.
    got=$(pdfinfo "$pdf" | awk '/^Page size:/ {w = int($3 + 0.5); h = int($5 + 0.5)}
        /^Page rot:/ {r = $3} END {if (r == 90 || r == 270) {t = w; w = h; h = t}; printf "%dx%d", w, h}')
    [ "$got" = "$size" ] || { pdfinfo "$pdf"; fail "$printer: page of $got points, not $size"; }
    pdftotext "$pdf" - | grep -q "July" || fail "$printer: the month is not on the page"

    if [ "$printer" = PDF ]; then
        # The right part of the frame: the panel, then the preview's backdrop.
        eval "$(xdotool getwindowgeometry --shell "$frame")"
        x=$((X + WIDTH - 60)) y=$((Y + HEIGHT / 2))
        screenshot "$WORK/before.png"
        press "$frame" alt+f
        sleep 0.5
        xdotool key v
        sleep 2
        screenshot "$WORK/preview.png"
        xdotool key Escape
        sleep 2
        screenshot "$WORK/after.png"
        [ "$(pixel $x $y "$WORK/before.png")" != "$(pixel $x $y "$WORK/preview.png")" ] ||
            fail "print preview did not take the panel's place"
        [ "$(pixel $x $y "$WORK/before.png")" = "$(pixel $x $y "$WORK/after.png")" ] ||
            fail "the panel did not come back after print preview"
        [ -z "${ALMANARK_SHOT_DIR:-}" ] || cp "$WORK/preview.png" "$ALMANARK_SHOT_DIR/preview.png"
    fi
    kill "$pid" 2>/dev/null || true
    wait_exit "$pid" 20 || true
    pid=""
done
echo "print_dialog: ok"
