#!/usr/bin/env bash
# A calendar styled on the Style page prints with its own look: bold italic
# red notes, the title in a face of its own, the heading at the left with
# the year first. Opening it leaves the look in the settings file alone.
source "$(dirname "$0")/lib.bash" "$1"
name="Styled Print $$"
cp "$SRC/fuzz/fuzz_document/seeds/styled.kal" "$WORK/$name.kal"

"$WINE_RUN" "$EXE" /p "$name.kal" & pid=$!
wait_exit "$pid" 90 || fail "the program did not end after printing"

pdf=$(wait_pdf "*Styled*Print*$$*.pdf") || fail "no printed page"
fonts=$(pdffonts "$pdf")
text=$(pdftotext -layout "$pdf" -)
pdftoppm -r 50 -png -singlefile "$pdf" "$WORK/page"
rm -f "$pdf"
grep -q "LiberationSans-BoldItalic" <<<"$fonts" || fail "the notes are not bold italic"
grep -q "LiberationSerif" <<<"$fonts" || fail "the title lacks its own face"
grep -qE "^ *2026 December +The Smith Family" <<<"$text" || fail "the heading is not year first at the left"
grep -q "Dentist at nine" <<<"$text" || fail "the note is not on the page"
red=$(convert "$WORK/page.png" -fuzz 25% -fill white +opaque red -fill black -opaque red \
      -colorspace gray -format "%[fx:int(w*h*(1-mean))]" info:)
[ "$red" -gt 20 ] || fail "the notes are not red ($red red pixels)"
[ -z "$(ini_value Almanark "Notes Font")" ] || fail "opening the calendar wrote its look to the settings"
echo "styled_print: ok"
