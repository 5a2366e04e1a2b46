#!/usr/bin/env bash
# Without any printer the program says so and ends before opening its window.
# Wine learns its printers from CUPS: a prefix that never reached CUPS has none.
source "$(dirname "$0")/lib.bash" "$1"
export CUPS_SERVER=/nonexistent/cups.sock
export WINEPREFIX=${ALMANARK_BUILD_DIR:-$SRC/build}/wineprefix-noprinter

"$WINE_RUN" "$EXE" & pid=$!
box=$(wait_window '^Almanark$' 120) || fail "no message box"
press "$box" Return
wait_exit "$pid" 30 || fail "the program did not end"
xdotool search --name ' - Almanark$' >/dev/null 2>&1 && fail "a main window appeared"
[ -z "$(ini_value Almanark 'Month Doc')" ] || fail "start-up went past the printer check"
echo "no_printer: ok"
