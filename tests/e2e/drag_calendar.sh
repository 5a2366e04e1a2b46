#!/usr/bin/env bash
# The calendar block moved with the real mouse: a double click on it switches
# its positioning on, a drag of its middle down and to the right pushes it
# against the printable edges, which cut it there. Saved and read back, the
# block starts further in and still ends at the printable edges.
source "$(dirname "$0")/lib.bash" "$1"

# cal_fractions FILE: the calendar's left, top, right and bottom as stored.
cal_fractions() {
    python3 - "$1" <<'PY'
import struct, sys
d = open(sys.argv[1], 'rb').read()
p = 0
def skip_string():
    global p
    n = d[p]; p += 1
    if n == 0xFF:
        n = struct.unpack_from('<H', d, p)[0]; p += 2
        if n == 0xFFFF:
            n = struct.unpack_from('<I', d, p)[0]; p += 4
    p += n
for _ in range(42 + 1):  # the notes, the event file
    skip_string()
p += 16                  # year, month, kind, shows-through
skip_string()            # the title
print(' '.join('%.6f' % v for v in struct.unpack_from('<4d', d, p)))
PY
}

cp "$SRC/fuzz/fuzz_document/seeds/styled.kal" "$WORK/cal.kal"
read -r l0 t0 r0 b0 < <(cal_fractions "$WORK/cal.kal")
start_program cal.kal
sleep 2
eval "$(xdotool getwindowgeometry --shell "$frame")"
# Well inside the page at the left of the frame, and so inside the block,
# which fills the printable area.
x=$((X + HEIGHT * 3 / 10)) y=$((Y + HEIGHT / 2))
xdotool mousemove "$x" "$y" click --repeat 2 --delay 120 1
sleep 1
screenshot "$WORK/positioning.png"
xdotool mousedown 1
for i in $(seq 10); do
    xdotool mousemove $((x + 6 * i)) $((y + 6 * i))
    sleep 0.05
done
xdotool mouseup 1
sleep 1
screenshot "$WORK/dragged.png"
xdotool key ctrl+s
sleep 2
read -r l t r b < <(cal_fractions "$WORK/cal.kal")
echo "before: $l0 $t0 $r0 $b0; after: $l $t $r $b"
xdotool key alt+F4
wait_exit "$pid" 30 || fail "the program did not end on Alt+F4"
[ -n "${ALMANARK_SHOT_DIR:-}" ] && cp "$WORK"/*.png "$ALMANARK_SHOT_DIR/" 2>/dev/null
awk -v l="$l" -v t="$t" -v r="$r" -v b="$b" -v r0="$r0" -v b0="$b0" 'BEGIN {
    # Moved in by 60 pixels of a page some hundreds of pixels wide; the far
    # edges still at the printable edges, at most 0.1 in from the paper edge.
    exit !(l > 0.06 && t > 0.05 && l < 0.5 && t < 0.5 && r > 0.9 && b > 0.9 && r <= r0 && b <= b0)
}' || fail "the saved placement is not the dragged one: $l $t $r $b"
echo "drag_calendar: ok"
