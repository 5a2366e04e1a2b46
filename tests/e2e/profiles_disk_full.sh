#!/usr/bin/env bash
# The settings file and an event file on a full disk: what the program
# writes to them does not fit. Both keep every line they had (an event
# inserted there is refused with a message; settings are not reported);
# with room again the next changes are written whole. Without the right to
# mount a small file system the test is skipped (exit 77).
source "$(dirname "$0")/lib.bash" "$1"
DISK=$WORK/disk
mkdir "$DISK"
if ! mount -t tmpfs -o size=64k tmpfs "$DISK" 2>"$WORK/mount.log"; then
    echo "SKIPPED: cannot mount here ($(head -n1 "$WORK/mount.log"))"
    exit 77
fi
trap 'umount -l "$DISK" 2>/dev/null; rm -rf "$WORK"' EXIT

# fill_page FILE PREFIX: a last line PREFIX followed by x's, so long that
# the file fills its last page but for two bytes: nothing more fits.
fill_page() {
    local size pad
    size=$(stat -c %s "$1")
    pad=$(( (size / 4096 + 1) * 4096 - 2 - size - ${#2} - 2 ))
    printf '%s%s\r\n' "$2" "$(head -c "$pad" /dev/zero | tr '\0' x)" >>"$1"
}
# Settings of an earlier run; start-up adds keys to them.
{
    printf '[Almanark]\r\nPrinter=PDF\r\n'
    for i in $(seq 150); do printf 'Old Key %03d=an earlier setting %03d\r\n' "$i" "$i"; done
    printf '[PDF]\r\nOrientation=1\r\n[Kept]\r\n'
} >"$WORK/old.ini"
fill_page "$WORK/old.ini" "Line="
# 280 December entries, sorted after the July holiday to come, so that a
# file cut short would lose some of them.
{
    printf '[Events]\r\n'
    for i in $(seq 0 279); do printf '%d=Dec %02d;Entry %03d\r\n' "$i" $((i % 28 + 1)) "$i"; done
} >"$WORK/old.evn"
fill_page "$WORK/old.evn" "280=Dec 31;"
cp "$WORK/old.ini" "$DISK/Almanark.ini"
cp "$WORK/old.evn" "$DISK/Party.evn"
dd if=/dev/zero of="$DISK/filler" bs=1k 2>/dev/null || true
entries() { tr -d '\r' <"$DISK/Party.evn" | grep -c '^[0-9]*=Dec' || true; }

cd "$DISK"
start_program /Party.evn
sleep 1
cmp -s "$DISK/Almanark.ini" "$WORK/old.ini" || fail "the settings file changed on the full disk"
press "$frame" alt+e
sleep 0.5
xdotool mousemove --window "$frame" 490 327 click 1
dlg=$(wait_window '^Insert Date$' 20) || fail "no Insert Date dialog"
sleep 0.5
# Independence Day, then OK.
choose_independence_day "$dlg"
xdotool mousemove --window "$dlg" 40 290 click 1
box=$(wait_window '^Almanark$' 20) || fail "no message that the event file was not saved"
cmp -s "$DISK/Party.evn" "$WORK/old.evn" || fail "the event file changed on the full disk"
[ -z "$(ls "$DISK"/*.tmp 2>/dev/null)" ] || fail "a temporary file was left"
press "$box" Return
echo "full disk: both files kept, the user told of the event"

# The list is the file's again, its first line selected. With room again,
# removing that line writes the rest whole, and so does closing the settings.
rm "$DISK/filler"
sleep 0.5
xdotool mousemove --window "$frame" 592 327 click 1
sleep 2
[ "$(entries)" = 280 ] || fail "the rewritten file has $(entries) of 280 entries"
! grep -q 'Jul 04\|Entry 000' "$DISK/Party.evn" || fail "the file holds a line the list does not"
gone '^Almanark$' || fail "a message after a save with room"
press "$frame" alt+F4
wait_exit "$pid" 30 || fail "the program did not end on Alt+F4"
tr -d '\r' <"$DISK/Almanark.ini" | grep -qx 'Show Window=5' || fail "the settings of the closed window are missing"
tr -d '\r' <"$WORK/old.ini" | grep -v '^Printer=' >"$WORK/old-lines"
missing=$(tr -d '\r' <"$DISK/Almanark.ini" | { grep -vxFf - "$WORK/old-lines" || true; } | head -n 3)
[ -z "$missing" ] || fail "settings lost: $missing"
echo "profiles_disk_full: ok"
