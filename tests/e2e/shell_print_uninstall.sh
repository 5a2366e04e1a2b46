#!/usr/bin/env bash
# A print from the shell ("/p") leaves the registry as a full start does:
# no ".kal\ShellNew", so that the uninstall that follows deletes every key
# and reports success.
source "$(dirname "$0")/lib.bash" "$1"
# Not "uninst" anywhere after the slash: that would be the uninstall switch.
cp "$SRC/fuzz/fuzz_document/seeds/july.kal" "$WORK/Print Then Remove.kal"
touch "$WORK/started"

answer_message_box() { # the program's message box, answered with Return
    local id
    id=$(wait_window '^Almanark$' "$1") || return 1
    press "$id" Return
}
reg_exists() { "$WINE_RUN" reg query "HKCR\\$1" >/dev/null 2>&1; }

"$WINE_RUN" "$EXE" /p "Print Then Remove.kal" & pid=$!
# A calendar saved for a printer this machine lacks is printed on the
# default printer after a message; answer it if it comes.
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    answer_message_box 1 || true
done
wait_exit "$pid" 60 || fail "the program did not end after printing"
reg_exists ".kal" || fail "the print did not register the document type"
! reg_exists ".kal\\ShellNew" || fail ".kal\\ShellNew is left after /p"

"$WINE_RUN" "$EXE" /uninst & pid=$!
answer_message_box 60 || fail "no message box from the uninstall"
wait_exit "$pid" 30 || fail "the uninstall did not end"
! reg_exists ".kal" || fail ".kal is left: the uninstall was partial"
! reg_exists "Almanark.Document" || fail "the document type is left"

# Put the registration back for the tests that follow, and drop the page.
"$WINE_RUN" "$EXE" & pid=$!
frame=$(wait_window ' - Almanark$' 60) || fail "no main window after the uninstall"
press "$frame" alt+F4
wait_exit "$pid" 30 || fail "the last start did not end"
for _ in $(seq 60); do
    pdf=$(find "$HOME/PDF" /var/spool/cups-pdf -maxdepth 2 -name '*Print*Then*Remove*.pdf' \
          -newer "$WORK/started" 2>/dev/null | head -n 1)
    [ -n "$pdf" ] && { sleep 1; rm -f "$pdf"; break; }
    sleep 0.5
done
echo "shell_print_uninstall: ok"
