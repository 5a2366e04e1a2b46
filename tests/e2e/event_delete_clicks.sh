#!/usr/bin/env bash
# The file button turns from "Load" into "Delete" under the mouse. A second
# click that follows the click on Load, fast (a double click) or anywhere
# else, never asks to delete the file; a click made on "Delete" does.
source "$(dirname "$0")/lib.bash" "$1"
shots=${ALMANARK_SHOTS:-$WORK}
printf '[Events]\r\n0=Jan 01;New Year\r\n1=Dec 25;Christmas\r\n' > Holidays.evn

start_program
sleep 1
press "$frame" alt+e
sleep 0.5
# Places in the frame's client area: the name box, the file button, Insert
# Date, the Calendar tab and a day of the calendar.
name="491 98" button="605 98" insert="493 326" tab="468 53" day="157 209"
events_tab="614 53"
asked() { wait_window '^Almanark$' 1; }
# The name typed afresh, then a click on the file button, which reads "Load".
click_load() {
    xdotool mousemove --window "$frame" $name click 1
    sleep 0.2
    xdotool key End shift+Home BackSpace
    xdotool type --delay 20 HOLIDAYS
    sleep 0.4
    xdotool mousemove --window "$frame" $button click 1
}

# The second click on the button itself comes within the double-click time;
# one that comes later is a click on "Delete".
for delay in 0 0.05 0.15 0.3; do
    seconds="name tab day"
    [ "$delay" = 0.3 ] || seconds="button $seconds"
    for second in $seconds; do
        click_load
        sleep "$delay"
        xdotool mousemove --window "$frame" ${!second} click 1
        sleep 0.8
        if box=$(asked); then
            screenshot "$shots/asked.png"
            xdotool windowfocus "$box"; xdotool key n
            fail "a click $delay s after Load on the $second asked to delete the file"
        fi
        [ -f Holidays.evn ] || fail "Holidays.evn is gone"
        xdotool mousemove --window "$frame" $events_tab click 1
        sleep 0.3
    done
done

# A deliberate click on "Delete" asks; No keeps the file.
click_load
sleep 1
xdotool mousemove --window "$frame" $button click 1
box=$(wait_window '^Almanark$' 10) || { screenshot "$shots/noask.png"; fail "Delete did not ask"; }
screenshot "$shots/delete_asked.png"
xdotool windowfocus "$box"; xdotool key n
sleep 0.5
[ -f Holidays.evn ] || fail "No deleted the file"

press "$frame" alt+F4
wait_exit "$pid" 30 || fail "the program did not end on Alt+F4"
echo "event_delete_clicks: ok"
