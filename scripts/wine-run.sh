#!/usr/bin/env bash
# Runs a Windows program under Wine in a prefix of the build's own.
# With ALMANARK_HEADLESS=1 (tests, Xvfb) the prefix draws its own window
# frames instead of waiting for a window manager that Xvfb does not have.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
if [ "${ALMANARK_HEADLESS:-0}" = 1 ]; then
    export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix-headless}
else
    export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
fi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
if [ ! -f "$WINEPREFIX/.almanark-ready" ]; then
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.almanark-ready" ]; then
            wineboot -i >/dev/null 2>&1
            # The glyphs of the caption buttons: Wine does not find its own
            # font folder here, so the prefix gets a copy of the font.
            if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
                cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
            fi
            if [ "${ALMANARK_HEADLESS:-0}" = 1 ]; then
                wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
            fi
            wineserver -w
            touch "$WINEPREFIX/.almanark-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
