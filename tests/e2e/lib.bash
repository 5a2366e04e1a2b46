# Shared by the end-to-end tests: run the real program under Wine in a
# fresh folder, find its windows, answer them, look at what it leaves behind.
set -euo pipefail
EXE=$(realpath "$1")
SRC=${ALMANARK_SOURCE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
WINE_RUN="$SRC/scripts/wine-run.sh"
# The Python the tests run from their heredocs imports helpers kept here (netpbm.py).
export PYTHONPATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)${PYTHONPATH:+:$PYTHONPATH}"
export ALMANARK_HEADLESS=1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"

# Wine's spooler drops every printer that the CUPS scheduler does not list
# when a program starts, and the program then reports that there is no
# printer: start only once the scheduler answers with its default queue.
for _ in $(seq 150); do
    lpstat -d 2>/dev/null | grep -q ': ' && break
    sleep 0.2
done

# A failure says what was on the screen, keeps the screenshot where the
# test output points to it, and ends the programs this test started, so
# that ctest does not wait for them until its timeout.
fail() {
    echo "FAIL: $*" >&2
    local id
    echo "visible windows:" >&2
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        echo "  $(xdotool getwindowname "$id" 2>/dev/null)" >&2
    done
    local kept=${TMPDIR:-/tmp}/almanark-e2e-$(basename "$0" .sh).png
    import -window root "$kept" 2>/dev/null && echo "screen: $kept" >&2
    kill $(jobs -p) 2>/dev/null || true
    exit 1
}

# eventually SECONDS COMMAND...: true once COMMAND succeeds within SECONDS.
eventually() {
    local seconds=$1; shift
    for _ in $(seq $((seconds * 5))); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}

# wait_window NAME SECONDS: prints the X id of the first window whose name
# matches NAME (a regular expression) once it is visible.
wait_window() {
    local name=$1 seconds=$2 id
    for _ in $(seq $((seconds * 5))); do
        id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.2
    done
    return 1
}

# wait_exit PID SECONDS
wait_exit() {
    local pid=$1 seconds=$2
    for _ in $(seq $((seconds * 5))); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; return 0; }
        sleep 0.2
    done
    kill "$pid" 2>/dev/null || true
    return 1
}

ini_value() { # ini_value SECTION KEY: the value of KEY in section SECTION of Almanark.ini
    tr -d '\r' < "$WORK/Almanark.ini" | awk -F= -v s="[$1]" -v k="$2" '
        $0 == s {in_s = 1; next} /^\[/ {in_s = 0} in_s && $1 == k {print substr($0, length(k) + 2); exit}'
}

reg_default() { # reg_default KEY: the default value of HKEY_CLASSES_ROOT\KEY, or nothing
    "$WINE_RUN" reg query "HKCR\\$1" /ve 2>/dev/null | tr -d '\r' | awk -F'REG_SZ' 'NF > 1 {sub(/^ +/, "", $2); print $2}'
}

press() { # press WINDOW KEY...: a click on the caption gives the window the focus
    local id=$1; shift
    xdotool mousemove --window "$id" 20 45 click 1
    sleep 0.3
    xdotool key "$@"
}

# choose_independence_day DIALOG: in the Insert Date dialog, a click on the
# "Holidays" tab, one on the list's first line, then down to Independence Day.
choose_independence_day() {
    xdotool mousemove --window "$1" 194 45 click 1
    sleep 0.3
    xdotool mousemove --window "$1" 39 86 click 1
    sleep 0.3
    for _ in $(seq 13); do xdotool key Down; done
    sleep 0.5
}

screenshot() { import -window root "$1" 2>/dev/null || true; }

gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; } # gone NAME: no window named NAME

# open_options: Tools > Options from the main window; the dialog's X id in
# dlg. The weekday list has the focus.
open_options() {
    press "$frame" alt+t o
    dlg=$(wait_window '^Options$' 20) || fail "no Options dialog"
    sleep 0.5
}

# wait_pdf GLOB [NEWER]: prints the path of the spooler's PDF named GLOB
# (newer than the file NEWER, when given) once it has stopped growing.
wait_pdf() {
    local glob=$1 newer=${2:-} pdf size=-1 now
    for _ in $(seq 120); do
        sleep 0.5
        pdf=$(find "$HOME/PDF" /var/spool/cups-pdf -maxdepth 2 -name "$glob" \
              ${newer:+-newer "$newer"} 2>/dev/null | head -n 1)
        [ -n "$pdf" ] || continue
        now=$(stat -c %s "$pdf" 2>/dev/null || echo 0)
        [ "$now" -gt 0 ] && [ "$now" -eq "$size" ] && { echo "$pdf"; return 0; }
        size=$now
    done
    return 1
}

# start_program [ARG...]: starts the program with ARGs; its process id in
# pid, its main window's X id in frame.
start_program() {
    "$WINE_RUN" "$EXE" "$@" & pid=$!
    frame=$(wait_window ' - Almanark$' 60) || fail "no main window"
}

# open_insert_date NAME: on the Events page, types NAME as the event file and
# opens Insert Date (Tab past the empty date list); sets $dlg.
open_insert_date() {
    press "$frame" alt+e
    sleep 0.5
    xdotool type --delay 50 "$1"
    sleep 0.3
    xdotool key Tab Tab space
    dlg=$(wait_window '^Insert Date$' 20) || fail "no Insert Date dialog"
    sleep 0.5
}

# open_print_dialog: Ctrl+P in the main window (after touching
# $WORK/started, for wait_pdf) until the Print dialog is up.
open_print_dialog() {
    touch "$WORK/started"
    press "$frame" ctrl+p
    wait_window '^Print$' 30 >/dev/null || fail "no print dialog"
    sleep 0.5
}

# print_from_shell FILE: prints FILE with "/p" (after touching
# $WORK/started, for wait_pdf) and waits for the program to end. A calendar
# saved for a printer this machine lacks is printed on the default printer
# after a message; that message is answered if it comes.
print_from_shell() {
    touch "$WORK/started"
    "$WINE_RUN" "$EXE" /p "$1" & pid=$!
    local box
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        if box=$(wait_window '^Almanark$' 1); then press "$box" Return; fi
    done
    wait_exit "$pid" 60 || fail "the program did not end after printing"
}

# print_job NAME [CLEANUP]: a print job title of this run in job; the PDFs
# printed under it, the programs still running and $WORK go when the test
# ends, after the shell command CLEANUP (which may undo what lies in $WORK).
print_job() {
    job=almanark-$1-$$-$RANDOM
    job_cleanup=${2:-}
    trap 'kill $(jobs -p) 2>/dev/null || true; eval "$job_cleanup" || true; rm -rf "$WORK"; find "$HOME/PDF" /var/spool/cups-pdf -maxdepth 2 -name "$job*" -delete 2>/dev/null || true' EXIT
}

# run_view_tests FILTER: runs the view tests' program on the tests FILTER
# names (under a display of its own when there is none), with the job title
# in ALMANARK_PRINT_JOB; its output in $WORK/run.log. Fails the script
# unless exactly one test ran and passed.
run_view_tests() {
    local tests=${ALMANARK_BUILD_DIR:-$(dirname "$EXE")}/win32_view_tests.exe
    [ -f "$tests" ] || { echo "$(basename "$0" .sh): $tests is missing"; exit 1; }
    local run=("$WINE_RUN" "$tests" --gtest_filter="$1")
    [ -n "${DISPLAY:-}" ] || run=(xvfb-run -a "${run[@]}")
    ALMANARK_PRINT_JOB=$job "${run[@]}" >"$WORK/run.log" 2>&1 ||
        { cat "$WORK/run.log"; echo "$(basename "$0" .sh): printing failed"; exit 1; }
    grep -q "1 test.*PASSED\|PASSED.*1 test" "$WORK/run.log" || { cat "$WORK/run.log"; exit 1; }
}
