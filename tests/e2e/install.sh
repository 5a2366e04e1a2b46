#!/usr/bin/env bash
# The setup program in a fresh Wine prefix of its own: a silent install puts
# the program, its Start menu shortcut and its uninstall entry in place; the
# program started from the shortcut works in the documents folder, answers
# F1 with its help and saves a calendar there, which then opens by its
# registered shell command; a silent uninstall removes the program, the
# shortcut, the entry and the file types and keeps the user's files.
source "$(dirname "$0")/lib.bash" "$1"
SETUP=$(ls "$SRC"/build/dist/Almanark-*-setup.exe 2>/dev/null | head -n 1 || true)
if [ -z "$SETUP" ]; then
    echo "install: no setup program; scripts/package.sh makes it" >&2
    exit 77
fi
SETUP=$(realpath "$SETUP")

# Its own prefix and home: the prefix links the user's Documents into $HOME,
# which must not be the real one. No menu entries on the Linux desktop.
export WINEPREFIX=$SRC/build/wineprefix-install
export HOME=$WORK/home
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
mkdir -p "$HOME/Documents"
rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
"$WINE_RUN" cmd /c exit >/dev/null 2>&1 || fail "Wine does not start in a fresh prefix"

UNINST_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Almanark'
reg_value() { # reg_value KEY NAME: a value of the 32-bit registry view, or nothing
    "$WINE_RUN" reg query "$1" /v "$2" /reg:32 2>/dev/null | tr -d '\r' |
        awk -v n="$2" '$1 == n {sub(/^ *[^ ]+ +REG_[A-Z_]+ +/, ""); print; exit}'
}
win_var() { "$WINE_RUN" cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unix_path() { WINEDEBUG=-all winepath -u "$1" 2>/dev/null; }

"$WINE_RUN" "$SETUP" /S || fail "the setup program failed"
wineserver -w

install_dir=$(reg_value "$UNINST_KEY" InstallLocation)
case "$install_dir" in *"Program Files"*\\Almanark) ;; *) fail "installed into '$install_dir'" ;; esac
program=$(unix_path "$install_dir\\Almanark.exe")
[ -f "$program" ] || fail "Almanark.exe was not installed"
[ -f "$(unix_path "$install_dir\\Uninstall.exe")" ] || fail "no uninstaller"
for set in "$SRC"/data/holidays/*.evn; do
    cmp -s "$set" "$(unix_path "$install_dir\\Holidays\\$(basename "$set")")" ||
        fail "the holiday set $(basename "$set") was not installed"
done
[ "$(reg_value "$UNINST_KEY" DisplayName)" = Almanark ] || fail "no name in the uninstall entry"
version=$(sed -n 's/^#define ALMANARK_VERSION_TEXT "\(.*\)"$/\1/p' "$SRC/resources/Version.h")
[ "$(reg_value "$UNINST_KEY" DisplayVersion)" = "$version" ] || fail "version of the uninstall entry"
cmp -s "$program" "$SRC/build/release/Almanark.exe" || fail "the installed program is not the release build"
[ "$(reg_value "$UNINST_KEY" DisplayIcon)" = "$install_dir\\Almanark.exe,0" ] || fail "no icon"
case "$(reg_value "$UNINST_KEY" UninstallString)" in *Uninstall.exe*) ;; *) fail "no uninstall command" ;; esac

docs_win="$(win_var USERPROFILE)\\Documents"
docs=$(unix_path "$docs_win")
shortcut=$(unix_path "$(win_var APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Almanark.lnk")
[ -f "$shortcut" ] || fail "no Start menu shortcut"
lnk_strings=$(strings -a -el "$shortcut"; strings -a "$shortcut")
grep -qiF "$docs_win" <<<"$lnk_strings" || fail "the shortcut does not start in the documents folder"
grep -qiF "Almanark.exe" <<<"$lnk_strings" || fail "the shortcut does not name the program"

# Started from the Start menu entry: settings and file types appear.
"$WINE_RUN" start "$(win_var APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Almanark.lnk"
frame=$(wait_window ' - Almanark$' 90) || fail "the installed program did not start"
sleep 1
[ -f "$docs/Almanark.ini" ] || fail "no Almanark.ini in the documents folder"
[ "$(reg_default .kal)" = "Almanark.Document" ] || fail ".kal not registered"
[ "$(reg_default .evn)" = "Almanark.Eventfile" ] || fail ".evn not registered"

# F1 on the Events page opens the help at the topic of that page.
press "$frame" alt+e
sleep 0.5
xdotool key F1
help=$(wait_window '^Almanark Help$' 30) || fail "F1 showed no help window"
sleep 0.5
screenshot "$WORK/help.png"
[ -z "${ALMANARK_SHOTS:-}" ] || cp "$WORK/help.png" "$ALMANARK_SHOTS/install-help.png"
xdotool key --window "$help" Escape 2>/dev/null || true
sleep 0.3

# Save a calendar into the documents folder (its first save asks a name).
press "$frame" ctrl+s
save=$(wait_window '^Save As$' 30) || fail "no Save As dialog"
sleep 0.5
xdotool type --delay 50 "Family Trip"
xdotool key Return
for _ in $(seq 50); do [ -f "$docs/Family Trip.kal" ] && break; sleep 0.2; done
[ -f "$docs/Family Trip.kal" ] || fail "the calendar was not saved in the documents folder"
printf '[Events]\r\n0=Jul 04;Picnic\r\n' >"$docs/Family.evn"
press "$frame" alt+F4
wineserver -w

# Opened as the shell opens it: the registered open command with the file.
open_cmd=$(reg_default 'Almanark.Document\shell\open\command')
case "$open_cmd" in *'"%1"') ;; *) fail "open command '$open_cmd'" ;; esac
"$WINE_RUN" start "$docs_win\\Family Trip.kal"
frame=$(wait_window '^Family Trip.* - Almanark$' 60) || fail "the calendar did not open from the shell"
press "$frame" alt+F4
wineserver -w

"$WINE_RUN" "$install_dir\\Uninstall.exe" /S || fail "the uninstaller failed"
wineserver -w
[ ! -e "$program" ] || fail "Almanark.exe is still there"
[ ! -e "$(unix_path "$install_dir")" ] || fail "the program's folder is still there"
[ ! -e "$shortcut" ] || fail "the Start menu shortcut is still there"
[ -z "$(reg_value "$UNINST_KEY" DisplayName)" ] || fail "the uninstall entry is still there"
[ -z "$(reg_default .kal)" ] || fail ".kal is still registered"
[ -z "$(reg_default .evn)" ] || fail ".evn is still registered"
[ -z "$(reg_default Almanark.Document)" ] || fail "the document type is still registered"
for kept in "Family Trip.kal" Family.evn Almanark.ini; do
    [ -s "$docs/$kept" ] || fail "the uninstall removed $kept"
done
# Passed: the prefix goes (a failed run keeps it to be looked at).
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
rm -rf "$WINEPREFIX" "$WINEPREFIX.lock" 2>/dev/null || true
echo "install: ok"
