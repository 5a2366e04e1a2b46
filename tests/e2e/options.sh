#!/usr/bin/env bash
# Tools > Options from the keyboard: the dialog opens, the user chooses
# Monday, week numbers and the system's names and presses Enter; the choices
# are in Almanark.ini. Opened again and cancelled, it changes nothing.
source "$(dirname "$0")/lib.bash" "$1"
shots=${ALMANARK_SHOTS:-$WORK}

start_program
sleep 1
open_options
# One down in the weekday list is Monday; then the mnemonics of the check
# box and of the second names button. (A click on the label gives the dialog
# the X focus; the keyboard focus stays in the list.)
press "$dlg" Down
press "$dlg" alt+w
press "$dlg" alt+s
sleep 0.3
screenshot "$shots/options.png"
press "$dlg" Return
eventually 10 gone '^Options$' || fail "the Options dialog did not close on Enter"
# The keys are written once the dialog has gone.
stored() {
    [ "$(ini_value Almanark 'First Weekday')" = 1 ] && [ "$(ini_value Almanark 'Week Numbers')" = 1 ] &&
        [ "$(ini_value Almanark 'Local Names')" = 1 ]
}
eventually 10 stored || { cat Almanark.ini; fail "the choices are not in Almanark.ini"; }

open_options
press "$dlg" Down Escape
eventually 10 gone '^Options$' || fail "the Options dialog did not close on Esc"
sleep 1
stored || fail "Cancel changed the choices"
screenshot "$shots/after.png"

press "$frame" alt+F4
wait_exit "$pid" 30 || fail "the program did not end on Alt+F4"
echo "options: ok"
