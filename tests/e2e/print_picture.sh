#!/usr/bin/env bash
# Prints a month page over a red picture, without and with show-through,
# once more with show-through and a red picture larger than its place
# (which reaches the printer as the program's own PostScript), and a 6x2
# year page (by the view tests' PrintedPictureTest), then reads the printed
# files back: red only where the picture shows through, in the same place
# from either picture, and every month name of the year page once.
source "$(dirname "$0")/lib.bash" "$1"
work=$WORK
print_job print-picture
run_view_tests 'PrintedPictureTest.*'

# red_pixels PDF: how many pixels of the page at 30 dpi are clearly red.
red_pixels() {
    pdftoppm -r 30 -singlefile "$1" "$work/red"
    python3 - "$work/red.ppm" <<'PY'
import sys
from netpbm import read_netpbm
w, h, pixels = read_netpbm(sys.argv[1])
print(sum(1 for i in range(0, len(pixels) - 2, 3)
          if pixels[i] > 200 and pixels[i + 1] < 80 and pixels[i + 2] < 80))
PY
}

fail=0
hidden=$(wait_pdf "$job-hidden*.pdf") || { echo "print_picture: no PDF for job $job-hidden"; exit 1; }
through=$(wait_pdf "$job-through*.pdf") || { echo "print_picture: no PDF for job $job-through"; exit 1; }
large=$(wait_pdf "$job-large*.pdf") || { echo "print_picture: no PDF for job $job-large"; exit 1; }
year=$(wait_pdf "$job-year*.pdf") || { echo "print_picture: no PDF for job $job-year"; exit 1; }
n=$(red_pixels "$hidden")
[ "$n" -eq 0 ] || { echo "print_picture: $n red pixels where the calendar hides the picture"; fail=1; }
n=$(red_pixels "$through")
[ "$n" -gt 1000 ] || { echo "print_picture: only $n red pixels with show-through"; fail=1; }
# The large picture covers the same place on paper as the small one.
m=$(red_pixels "$large")
[ "$((m * 100))" -ge "$((n * 97))" ] && [ "$((m * 100))" -le "$((n * 103))" ] ||
    { echo "print_picture: $m red pixels from the large picture, $n from the small one"; fail=1; }

pdftotext "$year" "$work/year.txt"
for month in January February March April May June July August September October November December; do
    n=$(grep -ow "$month" "$work/year.txt" | wc -l)
    [ "$n" -eq 1 ] || { echo "print_picture: $month printed $n times"; fail=1; }
done
grep -q 1999 "$work/year.txt" || { echo "print_picture: no year in the title band"; fail=1; }
[ "$fail" -eq 0 ] || { cat "$work/year.txt"; exit 1; }
echo "print_picture: the pictures and the year page are on paper"
