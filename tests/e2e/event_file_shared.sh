#!/usr/bin/env bash
# An event file changed on disk while the program shows it (another copy of
# the program, an editor): inserting and removing entries keeps what the
# other wrote, and a removal made there is not undone here.
source "$(dirname "$0")/lib.bash" "$1"
shots=${ALMANARK_SHOTS:-$WORK}
evn() { printf '[Events]\r\n'; local i=0 v; for v in "$@"; do printf '%d=%s\r\n' $((i++)) "$v"; done; }
evn "Jan 01;Start" > Shared.evn

start_program
sleep 1
press "$frame" alt+e
sleep 0.5
xdotool type --delay 50 "Shared"
sleep 0.3
xdotool mousemove --window "$frame" 605 98 click 1
sleep 1

# Another copy inserts an entry; this one inserts Independence Day.
evn "Jan 01;Start" "Feb 02;Other copy" > Shared.evn
xdotool mousemove --window "$frame" 493 326 click 1
dlg=$(wait_window '^Insert Date$' 20) || { screenshot "$shots/fail.png"; fail "no Insert Date dialog"; }
sleep 0.5
choose_independence_day "$dlg"
xdotool mousemove --window "$dlg" 40 292 click 1 # OK
eventually 10 gone '^Insert Date$' || fail "Insert Date did not close"
sleep 1
values() { tr -d '\r' < Shared.evn | sed -n 's/^[0-9]*=//p' | sort | paste -sd '|'; }
[ "$(values)" = "Feb 02;Other copy|Jan 01;Start|Jul 04;Independence Day" ] ||
    { cat Shared.evn; fail "the insertion lost the other copy's entry"; }
screenshot "$shots/merged.png"

# The other copy removes Start and inserts Third; this one removes Other copy
# (the second line of its list).
evn "Feb 02;Other copy" "Jul 04;Independence Day" "Mar 03;Third" > Shared.evn
xdotool mousemove --window "$frame" 470 149 click 1
sleep 0.3
xdotool mousemove --window "$frame" 590 326 click 1
sleep 1
[ "$(values)" = "Jul 04;Independence Day|Mar 03;Third" ] ||
    { cat Shared.evn; screenshot "$shots/removed.png"; fail "the removal did not merge"; }
screenshot "$shots/removed.png"
gone '^Almanark$' || fail "a message appeared"

press "$frame" alt+F4
wait_exit "$pid" 30 || fail "the program did not end on Alt+F4"
echo "event_file_shared: ok"
