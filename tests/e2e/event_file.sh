#!/usr/bin/env bash
# A new user makes an event file: types its name on the Events page and
# inserts Independence Day from the Holidays tab. The file is on disk, and a
# calendar that names it prints the caption.
source "$(dirname "$0")/lib.bash" "$1"
shots=${ALMANARK_SHOTS:-$WORK}

start_program
sleep 1
# Alt+E shows the Events page with the focus in the event-file name.
open_insert_date Family
choose_independence_day "$dlg"
screenshot "$shots/holidays.png"
xdotool key Return
eventually 10 gone '^Insert Date$' || fail "Insert Date did not close"
eventually 10 test -s Family.evn || { screenshot "$shots/nofile.png"; fail "Family.evn was not written"; }

expected=$'[Events]\n0=Jul 04;Independence Day'
[ "$(tr -d '\r' < Family.evn)" = "$expected" ] || { cat Family.evn; fail "the file is not the list"; }
[ -n "$(ini_value Almanark 'Last Event File')" ] || fail "Last Event File not recorded"

press "$frame" alt+F4
wait_exit "$pid" 30 || fail "the program did not end on Alt+F4"

# A July calendar that names the event file "Family" prints the caption.
cp "$SRC/fuzz/fuzz_document/seeds/july.kal" "$WORK/Event Print.kal"
print_from_shell "Event Print.kal"
pdf=$(wait_pdf '*Event*Print*.pdf' "$WORK/started") || fail "no printed page"
text=$(pdftotext -layout "$pdf" - 2>/dev/null)
rm -f "$pdf"
grep -q "Independence Day" <<<"$text" || fail "the caption is not on the printed page"
echo "event_file: ok"
