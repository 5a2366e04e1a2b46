#!/usr/bin/env bash
# A January calendar printed with pages 1 to 12 chosen in the real print
# dialog: one PDF of twelve pages, the months in order, the calendar's day
# notes on its own page only.
source "$(dirname "$0")/lib.bash" "$1"
print_job months

# The July 2024 seed made January 2024: both begin on a Monday, so its
# notes stay on their days.
python3 - "$SRC/fuzz/fuzz_document/seeds/july.kal" "$WORK/$job.kal" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
at = data.find(struct.pack("<ii", 2024, 7))
assert at > 0
data[at + 4] = 1
open(sys.argv[2], "wb").write(data)
PY
start_program "$job.kal"
sleep 1
open_print_dialog
# "Pages", then the "to" field.
xdotool key alt+g
sleep 0.3
xdotool key Tab Tab ctrl+a
xdotool type 12
sleep 0.3
screenshot "$WORK/dialog.png"
xdotool key Return
pdf=$(wait_pdf "$job*.pdf" "$WORK/started") || fail "no PDF printed"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 12 ] || fail "$pages pages, not 12"
months=(January February March April May June July August September October November December)
for k in $(seq 1 12); do
    text=$(pdftotext -layout -f "$k" -l "$k" "$pdf" - 2>/dev/null)
    # The page's own month comes first; the small neighbour months follow.
    first=$(grep -oE "$(IFS='|'; echo "${months[*]}")" <<<"$text" | head -n 1)
    [ "$first" = "${months[k - 1]}" ] || fail "page $k shows $first, not ${months[k - 1]}"
    grep -q "Summer" <<<"$text" || fail "page $k lacks the calendar's title"
    if [ "$k" = 1 ]; then
        grep -q "Dentist" <<<"$text" || fail "the day note is not on the first page"
    else
        ! grep -q "Dentist" <<<"$text" || fail "the day note is on page $k"
    fi
done
[ -z "${ALMANARK_SHOT_DIR:-}" ] || cp "$pdf" "$ALMANARK_SHOT_DIR/months.pdf"
echo "print_months: ok"
