#!/usr/bin/env bash
# An event file on a full disk: a date inserted there cannot be written. The
# program says so and the file keeps every entry it had; with room again the
# next change is written whole. Without the right to mount a small file
# system the test is skipped (exit 77).
source "$(dirname "$0")/lib.bash" "$1"
DISK=$WORK/disk
mkdir "$DISK"
if ! mount -t tmpfs -o size=64k tmpfs "$DISK" 2>"$WORK/mount.log"; then
    echo "SKIPPED: cannot mount here ($(head -n1 "$WORK/mount.log"))"
    exit 77
fi
trap 'umount -l "$DISK" 2>/dev/null; rm -rf "$WORK"' EXIT

# 280 December entries, sorted after the July holiday to come, so that a
# file cut short would lose some of them. The last caption fills the file's
# last page but for two bytes: the holiday's line does not fit.
{
    printf '[Events]\r\n'
    for i in $(seq 0 279); do printf '%d=Dec %02d;Entry %03d\r\n' "$i" $((i % 28 + 1)) "$i"; done
} >"$WORK/old.evn"
size=$(stat -c %s "$WORK/old.evn")
pad=$(( (size / 4096 + 1) * 4096 - 2 - size - 14 ))
printf '280=Dec 31;%s\r\n' "$(head -c "$pad" /dev/zero | tr '\0' x)" >>"$WORK/old.evn"
cp "$WORK/old.evn" "$DISK/Party.evn"
dd if=/dev/zero of="$DISK/filler" bs=1k 2>/dev/null || true
entries() { tr -d '\r' <"$DISK/Party.evn" | grep -c '^[0-9]*=Dec' || true; }

"$WINE_RUN" "$EXE" "/Z:${DISK//\//\\}\\Party.evn" & pid=$!
frame=$(wait_window ' - Almanark$' 60) || fail "no main window"
sleep 1
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
[ ! -e "$DISK/Party.evn.tmp" ] || fail "a temporary file was left"
press "$box" Return
echo "full disk: the file is kept, the user told"

# The list is the file's again, its first line selected. With room again,
# removing that line writes the rest whole.
rm "$DISK/filler"
sleep 0.5
xdotool mousemove --window "$frame" 592 327 click 1
sleep 2
[ "$(entries)" = 280 ] || fail "the rewritten file has $(entries) of 280 entries"
! grep -q 'Jul 04\|Entry 000' "$DISK/Party.evn" || fail "the file holds a line the list does not"
! xdotool search --onlyvisible --name '^Almanark$' >/dev/null 2>&1 || fail "a message after a save with room"
press "$frame" alt+F4
wait_exit "$pid" 30 || fail "the program did not end on Alt+F4"
echo "event_disk_full: ok"
