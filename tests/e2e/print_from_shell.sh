#!/usr/bin/env bash
# "/p" prints a calendar from the shell without showing the program: the
# page reaches the PDF printer and the program ends by itself.
source "$(dirname "$0")/lib.bash" "$1"
cp "$SRC/fuzz/fuzz_document/seeds/july.kal" "$WORK/Shell Print.kal"

print_from_shell "Shell Print.kal"
gone ' - Almanark$' || fail "the main window was shown"

pdf=$(wait_pdf '*Shell*Print*.pdf' "$WORK/started") || fail "no printed page"
text=$(pdftotext -layout "$pdf" - 2>/dev/null)
rm -f "$pdf"
grep -q "July" <<<"$text" || fail "the month is not on the page"
grep -q "Dentist" <<<"$text" || fail "the note is not on the page"
echo "print_from_shell: ok"
