#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it under Wine.
# Extra arguments go to Almanark.exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" program
mkdir -p "$root/build/run"
cd "$root/build/run"
if [ -n "${DISPLAY:-}" ]; then
    exec "$root/scripts/wine-run.sh" "$root/build/win32/Almanark.exe" "$@"
fi
echo "run: no DISPLAY set; running under Xvfb (nothing will be visible)"
export ALMANARK_HEADLESS=1
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$root/scripts/wine-run.sh" "$root/build/win32/Almanark.exe" "$@"
