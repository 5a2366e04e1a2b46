#!/usr/bin/env bash
# "/p" with several calendars prints them as one job: one PDF, one page
# each in month order (the year calendar first in its year), each with its
# own title and picture; a file that cannot be read is named at the end and stops
# nothing; the program ends by itself.
source "$(dirname "$0")/lib.bash" "$1"
print_job several
seeds=$SRC/fuzz/fuzz_document/seeds
cp "$seeds/styled.kal" "$WORK/$job December.kal" # December 2026, "The Smith Family"
cp "$seeds/year.kal" "$WORK/$job Year.kal"       # the year 2024
cp "$seeds/july.kal" "$WORK/$job July.kal"       # July 2024, "Summer"
cp "$seeds/rgb-picture.kal" "$WORK/$job Picture.kal" # July 2024 too, with a picture
echo "not a calendar" >"$WORK/$job Broken.kal"
touch "$WORK/started"

"$WINE_RUN" "$EXE" /p "$job December.kal" "$job Broken.kal" "$job July.kal" "$job Year.kal" \
    "$job Picture.kal" & pid=$!
box=$(wait_window '^Almanark$' 90) || fail "the unreadable file was not named"
screenshot "$WORK/message.png"
press "$box" Return
wait_exit "$pid" 60 || fail "the program did not end after printing"

pdf=$(wait_pdf "${job}_Year*.pdf" "$WORK/started") || fail "no PDF named after the calendars in month order"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 4 ] || fail "$pages pages, not 4"
page() { pdftotext -f "$1" -l "$1" "$pdf" - 2>/dev/null; }
page 1 | grep -q "January" && page 1 | grep -q "December" || fail "page 1 is not the year 2024"
page 2 | grep -q "July" && page 2 | grep -q "Summer" || fail "page 2 is not July 2024"
page 2 | grep -q "Dentist" || fail "page 2 lacks its day note"
# Calendars of the same month keep the order they were given in.
images() { pdfimages -list -f "$1" -l "$1" "$pdf" 2>/dev/null | tail -n +3 | wc -l; }
[ "$(images 2)" = 0 ] && [ "$(images 3)" -gt 0 ] || fail "page 3 does not carry its own picture"
page 4 | grep -q "December" && page 4 | grep -q "Smith Family" || fail "page 4 is not December 2026"
[ -z "${ALMANARK_SHOT_DIR:-}" ] || cp "$pdf" "$ALMANARK_SHOT_DIR/several.pdf"
echo "print_several: ok"
