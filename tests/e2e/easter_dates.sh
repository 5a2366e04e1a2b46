#!/usr/bin/env bash
# A user inserts "99 days after Easter" from the Calculated Date page; a July
# 2024 calendar that names the event file prints it on 8 July (Easter was 31
# March), beside a birthday that counts the years since 1879.
source "$(dirname "$0")/lib.bash" "$1"
print_job easter

start_program
sleep 1
open_insert_date Family
# The Calculated Date tab, "Easter", 99 in the number of days, the caption.
for click in "123 49" "188 144"; do
    xdotool mousemove --window "$dlg" $click click 1
    sleep 0.4
done
xdotool mousemove --window "$dlg" 234 144 click 1
xdotool key End shift+Home
xdotool type --delay 50 99
xdotool mousemove --window "$dlg" 162 270 click 1
xdotool type --delay 50 "Walk"
sleep 0.5
screenshot "$WORK/easter.png"
xdotool key Return
eventually 10 test -s Family.evn || fail "Family.evn was not written"
expected=$'[Events]\n0=EASTER+99;Walk'
[ "$(tr -d '\r' < Family.evn 2>/dev/null)" = "$expected" ] || { cat Family.evn; fail "the file is not the list"; }
press "$frame" alt+F4
wait_exit "$pid" 30 || fail "the program did not end on Alt+F4"

printf '1=Jul 04 *1879;Albert\r\n' >> Family.evn
cp "$SRC/fuzz/fuzz_document/seeds/july.kal" "$WORK/$job.kal"
print_from_shell "$job.kal"
pdf=$(wait_pdf "$job*.pdf" "$WORK/started") || fail "no printed page"
text=$(pdftotext -layout "$pdf" - 2>/dev/null)
grep -q "Walk" <<<"$text" || fail "the Easter caption is not on the printed page"
grep -q "Albert (145)" <<<"$text" || fail "the age is not on the printed page"
echo "easter_dates: ok"
