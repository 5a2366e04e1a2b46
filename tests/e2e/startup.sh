#!/usr/bin/env bash
# The real program starts in a fresh folder, shows its frame, writes its
# settings and registry keys, and on closing writes its window placement.
source "$(dirname "$0")/lib.bash" "$1"

WINEDEBUG=+loaddll "$WINE_RUN" "$EXE" 2>"$WORK/loaddll.log" & pid=$!
# A message box before the frame (no printer, say) is named "Almanark" alone.
frame=$(wait_window ' - Almanark$' 60) || fail "no main window$(xdotool search --onlyvisible \
    --name '^Almanark$' >/dev/null 2>&1 && echo '; a message box named Almanark is open')"
# The common dialogs and the shell load at their first use, not at start.
exe_pid=$(grep -m1 'Almanark\.exe' "$WORK/loaddll.log" | cut -d: -f1)
[ -n "$exe_pid" ] || fail "no library trace of the program"
! grep "^$exe_pid:.*Loaded" "$WORK/loaddll.log" | grep -qi 'comdlg32\|shell32' ||
    fail "start-up loaded the common dialogs or the shell"
sleep 1
screenshot "$WORK/startup.png"
[ -f Almanark.ini ] || fail "no Almanark.ini in the start-up folder"
[ "$(ini_value Almanark 'Month Doc')" = "" ] || fail "Month Doc not emptied"
[ "$(ini_value Almanark 'Last Event File')" = "" ] || fail "Last Event File not written"
[ -n "$(ini_value Almanark Printer)" ] || fail "no printer recorded"
# The event file type is registered once the window is up.
evn_registered() { [ "$(reg_default .evn)" = "Almanark.Eventfile" ]; }
eventually 20 evn_registered || fail ".evn not registered"
[ "$(reg_default .kal)" = "Almanark.Document" ] || fail ".kal not registered"
case "$(reg_default 'Almanark.Eventfile\DefaultIcon')" in *,2) ;; *) fail "event-file icon";; esac

press "$frame" alt+F4
wait_exit "$pid" 30 || fail "the program did not end on Alt+F4"
[ "$(ini_value Almanark 'Show Window')" = 5 ] || fail "Show Window not written"
[ -n "$(ini_value Almanark 'Window SizeX')" ] || fail "window size not written"
[ -n "$(ini_value 'Recent File List' File1)" ] || [ -z "$(ini_value 'Recent File List' File1)" ]
echo "startup: ok"
