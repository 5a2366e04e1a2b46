#!/usr/bin/env bash
# Weeks from Monday with week numbers, chosen in Tools > Options of the
# running program: December 2026 printed with Ctrl+P has Monday in its first
# column, the ISO weeks 49 to 53 down its rows, and the notes a Sunday-first
# calendar saved on their dates.
source "$(dirname "$0")/lib.bash" "$1"
shots=${ALMANARK_SHOTS:-$WORK}
print_job week-start
# The July seed made into December 2026, its notes by the boxes of a
# Sunday-first December (the 1st is a Tuesday): the 1st, the 6th and the 31st.
python3 - "$SRC/fuzz/fuzz_document/seeds/july.kal" "$WORK/$job.kal" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
pos = 0
for _ in range(42):
    pos += 1 + data[pos]
rest = bytearray(data[pos:])
name_end = 1 + rest[0]
rest[name_end:name_end + 8] = struct.pack('<ii', 2026, 12)
notes = {2 * 6 + 0: '1\r\nPlanning day', 0 * 6 + 1: '6\r\nSaint Nicholas', 4 * 6 + 4: "31\r\nNew Year's Eve"}
out = bytearray()
for box in range(42):
    note = notes.get(box, '').encode()
    out += bytes([len(note)]) + note
open(sys.argv[2], 'wb').write(out + rest)
PY

start_program "$job.kal"
sleep 1
open_options
# One down in the weekday list is Monday; Alt+W the week numbers.
press "$dlg" Down
press "$dlg" alt+w
press "$dlg" Return
eventually 10 gone '^Options$' || fail "the Options dialog did not close on Enter"
sleep 1
screenshot "$shots/week-start.png"
open_print_dialog
xdotool key Return
pdf=$(wait_pdf "$job*.pdf" "$WORK/started") || fail "no printed page"
pdftotext -layout "$pdf" "$WORK/page.txt"
grep -q "December" "$WORK/page.txt" && grep -q "2026" "$WORK/page.txt" || fail "the month is not on the page"
headings=$(grep -o 'Monday.*Sunday' "$WORK/page.txt" | head -n 1)
[ "$(tr -s ' ' '\n' <<<"$headings" | grep -c .)" = 7 ] || fail "the weekday headings are not Monday to Sunday: $headings"
grep -o '[0-9]\+' "$WORK/page.txt" | sort -un >"$WORK/numbers.txt"
for week in 49 50 51 52 53; do
    grep -qx "$week" "$WORK/numbers.txt" || fail "week $week is not on the page"
done
grep -qx "48\|54" "$WORK/numbers.txt" && fail "a week the month does not show is on the page"
# The notes were kept in the boxes of a Sunday-first calendar.
grep -q "Planning day" "$WORK/page.txt" || fail "the note of the 1st is lost"
grep -q "Saint Nicholas" "$WORK/page.txt" || fail "the note of the 6th is lost"
grep -q "New Year's Eve" "$WORK/page.txt" || fail "the note of the 31st is lost"
press "$frame" alt+F4
wait_exit "$pid" 30 || fail "the program did not end on Alt+F4"
echo "week_start: ok"
