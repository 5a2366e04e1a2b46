#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: native
# (sanitizers), fuzzers, Win32 tests and end-to-end tests under Wine and Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" all
# The release build, its setup program and portable zip: the install test
# runs the setup program made here.
"$root/scripts/package.sh"
export ALMANARK_HEADLESS=1
# First start of the Wine prefix outside the timed tests.
"$root/scripts/wine-run.sh" cmd /c exit >/dev/null 2>&1 || true
cat > "$root/build/CTestTestfile.cmake" <<'CT'
subdirs("native" "win32")
CT
export WINEPREFIX=$root/build/wineprefix-headless WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A Wine server left from another display would keep its desktop there:
# start one afresh inside the test display and keep it for the whole run.
wineserver -k 2>/dev/null || true
cd "$root/build"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wineserver -p 60
    # Bring up the Wine desktop once, before tests start programs in parallel.
    wine win32/win32_framework_tests.exe --gtest_filter=-* >/dev/null 2>&1
    # The fuzzers first, by themselves on the cores: their rates are then
    # their own, and the window tests do not run beside them.
    ctest --output-on-failure -j2 -L fuzz "$@"; fuzz_status=$?
    # What each fuzzer tried, passed or not.
    fuzzed=$(grep -h "executions in\|kept crash inputs" Testing/Temporary/LastTest.log 2>/dev/null)
    ctest --output-on-failure -j2 -LE fuzz "$@"; status=$?
    echo "$fuzzed"
    wineserver -k 2>/dev/null
    [ $fuzz_status = 0 ] || status=$fuzz_status
    exit $status' ctest "$@"
