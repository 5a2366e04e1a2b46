#!/usr/bin/env bash
# The uninstall switch removes the registry keys and ends without a window;
# a second run finds nothing left to delete. A normal start brings them back.
source "$(dirname "$0")/lib.bash" "$1"

answer_message_box() { # the program's message box, answered with Return
    local id
    id=$(wait_window '^Almanark$' 60) || fail "no message box"
    press "$id" Return
}

start_program
press "$frame" alt+F4
wait_exit "$pid" 30 || fail "first start did not end"
[ "$(reg_default .evn)" = "Almanark.Eventfile" ] || fail "keys missing before uninstall"
rm -f Almanark.ini

for run in first second; do
    "$WINE_RUN" "$EXE" /uninst & pid=$!
    answer_message_box
    wait_exit "$pid" 30 || fail "$run uninstall did not end"
    [ -z "$(reg_default .evn)" ] || fail ".evn still registered after the $run uninstall"
    [ -z "$(reg_default Almanark.Document)" ] || fail "document type still registered"
    xdotool search --name ' - Almanark$' >/dev/null 2>&1 && fail "a main window appeared"
done
[ ! -f Almanark.ini ] || fail "the uninstall wrote a settings file"

"$WINE_RUN" "$EXE" & pid=$!
frame=$(wait_window ' - Almanark$' 60) || fail "no main window after uninstall"
[ "$(reg_default .evn)" = "Almanark.Eventfile" ] || fail "keys not registered again"
press "$frame" alt+F4
wait_exit "$pid" 30 || fail "last start did not end"
echo "uninstall: ok"
