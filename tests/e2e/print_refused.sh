#!/usr/bin/env bash
# A spooler queue that refuses jobs: printing says so and changes nothing.
# The queue is made for this test alone and removed again.
set -euo pipefail
build=${ALMANARK_BUILD_DIR:-$(dirname "$1")}
source_dir=${ALMANARK_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
queue=almanark-refuses-$$
lpadmin -p "$queue" -E -v cups-pdf:/ 2>/dev/null || { echo "print_refused: cannot add a queue"; exit 77; }
trap 'lpadmin -x "$queue" 2>/dev/null || true' EXIT
cupsreject "$queue"
run=("$source_dir/scripts/wine-run.sh" "$build/win32_view_tests.exe" --gtest_filter='*RefusedJob*')
[ -n "${DISPLAY:-}" ] || run=(xvfb-run -a "${run[@]}")
ALMANARK_REFUSING_PRINTER=$queue "${run[@]}" 2>&1 | tee /dev/stderr | grep -q "PASSED.*1 test" ||
    { echo "print_refused: failed"; exit 1; }
echo "print_refused: ok"
