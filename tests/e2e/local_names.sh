#!/usr/bin/env bash
# Month and weekday names in the user's language: December 2026 printed from
# the shell with the user's locale German, then French, shows the locale's
# names; the event file's "Dec 25" still puts its caption on the 25th. Without
# the choice in Almanark.ini the names stay English in any locale.
source "$(dirname "$0")/lib.bash" "$1"
for loc in de_DE fr_FR; do
    locale -a 2>/dev/null | grep -qix "$loc.utf-\?8" || { echo "local_names: no $loc locale"; exit 77; }
done

# December 2026 with the event file "Holidays": the empty month of the seeds
# with another event file name, year and month.
python3 - "$SRC/fuzz/fuzz_document/seeds/empty-month.kal" "$WORK/December.kal" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
notes = 42  # one empty string per box, then the event file's name
assert data[:notes + 1] == bytes(notes + 1)
name = b'Holidays'
open(sys.argv[2], 'wb').write(data[:notes] + bytes([len(name)]) + name +
                              struct.pack('<ii', 2026, 12) + data[notes + 9:])
PY
printf '[Events]\r\n0=Dec 25;Christmas Day\r\n' >"$WORK/Holidays.evn"

# print LOCALE LOCAL_NAMES: the printed page's text.
print() {
    local job="Names $1 $2 $$"
    cp "$WORK/December.kal" "$WORK/$job.kal"
    rm -f "$WORK/Almanark.ini"
    [ "$2" = 0 ] || printf '[Almanark]\r\nLocal Names=1\r\n' >"$WORK/Almanark.ini"
    LANG=$1.UTF-8 LC_ALL=$1.UTF-8 print_from_shell "$job.kal"
    local pdf
    pdf=$(wait_pdf "*Names*$1*$2*$$*.pdf" "$WORK/started") || fail "no printed page ($1)"
    pdftotext -layout "$pdf" - 2>/dev/null
    rm -f "$pdf"
}

# expect TEXT WORD...: every word is on the page, as a word.
expect() {
    local text=$1 word
    shift
    for word in "$@"; do
        LC_ALL=C.UTF-8 grep -qw -- "$word" <<<"$text" || { echo "$text"; fail "no \"$word\" on the page"; }
    done
}

# The caption is in the 25th's box: on the line below the week's day numbers,
# between the 24 and the 26.
caption_under_25() {
    awk 'match($0, /24 +25 +26/) { from = RSTART + 2; to = RSTART + RLENGTH - 2; getline
         at = index($0, "Christmas"); if (at > from && at < to) found = 1 } END { exit !found }' <<<"$1"
}

text=$(print de_DE 1)
expect "$text" Dezember 2026 Montag Sonntag Donnerstag Christmas
caption_under_25 "$text" || { echo "$text"; fail "the caption is not under the 25th (de_DE)"; }
text=$(print fr_FR 1)
expect "$text" décembre lundi dimanche Christmas
caption_under_25 "$text" || { echo "$text"; fail "the caption is not under the 25th (fr_FR)"; }
text=$(print de_DE 0)
expect "$text" December Monday Sunday Christmas
echo "local_names: ok"
