#!/usr/bin/env bash
# Prints a month page on the PDF printer and reads the printed file back:
# its texts with pdftotext and its grid lines with pdftoppm. The page is
# printed by the view tests' program (PrintedPageTest), which also writes
# where the layout puts the grid lines.
source "$(dirname "$0")/lib.bash" "$1"
work=$WORK
print_job print-month
export ALMANARK_PRINT_LAYOUT="Z:$work/layout.txt"
run_view_tests 'PrintedPageTest.*'

pdf=$(wait_pdf "$job*.pdf") || { echo "print_month: no PDF for job $job"; exit 1; }

fail=0
check() { # description, command...
    local what=$1
    shift
    if ! "$@"; then
        echo "print_month: missing $what"
        fail=1
    fi
}

pdftotext -layout "$pdf" "$work/page.txt"
check "the month and year" grep -q "May 1999" "$work/page.txt"
check "the title" grep -q "Family Calendar" "$work/page.txt"
for day in Sunday Monday Tuesday Wednesday Thursday Friday Saturday; do
    check "$day" grep -qw "$day" "$work/page.txt"
done
grep -ow '[0-9]\+' "$work/page.txt" | sort -un >"$work/numbers.txt"
for n in $(seq 31); do
    check "day $n" grep -qx "$n" "$work/numbers.txt"
done
check "the note" grep -q "Dentist at nine" "$work/page.txt"
check "the event caption" grep -q "Memorial Day" "$work/page.txt"

# The grid: dark pixels where the layout puts each row's top edge and each
# column's left edge, light ones half-way between.
pdftoppm -gray -r 60 -singlefile "$pdf" "$work/page"
convert "$work/page.pgm" -compress none "$work/plain.pgm"
read -r _ paper_w paper_h < <(grep '^paper' "$work/layout.txt")
read -r -a columns < <(grep '^columns' "$work/layout.txt")
read -r -a rows < <(grep '^rows' "$work/layout.txt")
columns=("${columns[@]:1}")
rows=("${rows[@]:1}")
awk -v pw="$paper_w" -v ph="$paper_h" -v cols="${columns[*]}" -v rws="${rows[*]}" '
    NR == 1 { next }
    NR == 2 { w = $1; h = $2; next }
    NR == 3 { next }
    { for (i = 1; i <= NF; i++) px[n++] = $i }
    function at(x, y) { return px[int(y) * w + int(x)] }
    # Darkest pixel within 2 pixels of (x, y) along one axis.
    function darkest(x, y, horizontal,   d, v, m) {
        m = 255
        for (d = -2; d <= 2; d++) {
            v = horizontal ? at(x + d, y) : at(x, y + d)
            if (v < m) m = v
        }
        return m
    }
    END {
        if (w <= h) { print "print_month: the page is not landscape"; exit 1 }
        sx = w / pw; sy = h / ph
        nc = split(cols, c, " "); nr = split(rws, r, " ")
        # A column through the right part of Wednesday, a row through week 3.
        x = (c[4] + 0.9 * (c[5] - c[4])) * sx
        y = (r[3] + 0.5 * (r[4] - r[3])) * sy
        bad = 0
        for (i = 1; i <= nr; i++) {
            if (darkest(x, r[i] * sy, 0) > 128) { print "print_month: no line at row " i; bad = 1 }
            if (i < nr && at(x, (r[i] + r[i + 1]) / 2 * sy) < 200) {
                print "print_month: ink between rows " i " and " i + 1; bad = 1
            }
        }
        for (i = 2; i <= nc; i++) {
            if (darkest(c[i] * sx, y, 1) > 128) { print "print_month: no line at column " i; bad = 1 }
            if (at((c[i - 1] + 0.95 * (c[i] - c[i - 1])) * sx, y) < 200) {
                print "print_month: ink before column " i; bad = 1
            }
        }
        exit bad
    }' "$work/plain.pgm" || fail=1

if [ "$fail" -ne 0 ]; then
    cat "$work/page.txt"
    exit 1
fi
echo "print_month: $pdf has the page"
