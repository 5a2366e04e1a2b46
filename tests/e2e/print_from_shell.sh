#!/usr/bin/env bash
# "/p" prints a calendar from the shell without showing the program: the
# page reaches the PDF printer and the program ends by itself.
source "$(dirname "$0")/lib.bash" "$1"
cp "$SRC/fuzz/fuzz_document/seeds/july.kal" "$WORK/Shell Print.kal"
touch "$WORK/started"

"$WINE_RUN" "$EXE" /p "Shell Print.kal" & pid=$!
# A calendar saved for a printer this machine lacks is printed on the
# default printer after a message; answer it if it comes.
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    if box=$(wait_window '^Almanark$' 1); then press "$box" Return; fi
done
wait_exit "$pid" 60 || fail "the program did not end after printing"
xdotool search --onlyvisible --name ' - Almanark$' >/dev/null 2>&1 && fail "the main window was shown"

pdf=$(wait_pdf '*Shell*Print*.pdf' "$WORK/started") || fail "no printed page"
text=$(pdftotext -layout "$pdf" - 2>/dev/null)
rm -f "$pdf"
grep -q "July" <<<"$text" || fail "the month is not on the page"
grep -q "Dentist" <<<"$text" || fail "the note is not on the page"
echo "print_from_shell: ok"
