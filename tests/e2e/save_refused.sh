#!/usr/bin/env bash
# Saves that the disk refuses keep the old calendar whole and leave no
# temporary file: a full disk (a small tmpfs mapped as drive T:) says
# "Destination disk drive is full.", a read-only file or a read-only folder
# "Failed to save document.". The messages are answered through the seam.
# Without the right to mount, the tmpfs and read-only-folder cases are
# skipped (exit 77) after the read-only file has been checked.
source "$(dirname "$0")/save_lib.bash" "$1"
start_server

reference 40000 1 old.kal
reference 100000 2 new.kal
OLD=$WORK/ref/old.kal NEW=$WORK/ref/new.kal

# refused DIR WINDIR MESSAGE [CHUNK]: saving the new calendar over DIR/cal.kal
# (DIR as Windows sees it: WINDIR) fails with MESSAGE and keeps the old file.
refused() {
    helper --save "$2\\cal.kal" 100000 2 ${4:-}
    [ "$RC" = 3 ] && [ "$OUT" = "message: $3"$'\n'"not saved" ] ||
        fail "$1: expected \"$3\", got: $OUT"
    same "$1/cal.kal" "$OLD" "$1: the old file changed"
    [ ! -e "$1/cal.kal.tmp" ] || fail "$1: a temporary file was left"
    helper --open "$2\\cal.kal" no
    [ "$OUT" = "opened 40000 1" ] || fail "$1: the old file did not open: $OUT"
}

# A read-only file.
mkdir "$WORK/rofile"
cp "$OLD" "$WORK/rofile/cal.kal"
chmod a-w "$WORK/rofile/cal.kal"
refused "$WORK/rofile" "$(winpath "$WORK/rofile")" "Failed to save document."
echo "read-only file: ok"

skipped=()
# A full disk: the old calendar, then the disk filled up to 20 KB.
DISK=$WORK/disk
mkdir "$DISK"
if mount -t tmpfs -o size=256k tmpfs "$DISK" 2>"$WORK/mount.log"; then
    MOUNTS+=("$DISK")
    ln -s "$DISK" "$PFX/dosdevices/t:"
    helper --save 'T:\cal.kal' 40000 1
    [ "$OUT" = saved ] || fail "no old calendar on T: ($OUT)"
    same "$DISK/cal.kal" "$OLD" "the old calendar on T: is not the reference"
    dd if=/dev/zero of="$DISK/filler" bs=4k 2>/dev/null || true
    truncate -s $(($(stat -c %s "$DISK/filler") - 20480)) "$DISK/filler"
    # Written through the archive's buffer, and in large writes that the
    # system cuts short.
    refused "$DISK" 'T:' "Destination disk drive is full."
    refused "$DISK" 'T:' "Destination disk drive is full." 65536
    # With room again the same save goes through.
    rm "$DISK/filler"
    helper --save 'T:\cal.kal' 100000 2
    [ "$OUT" = saved ] || fail "no save on T: with room: $OUT"
    same "$DISK/cal.kal" "$NEW" "the save on T: with room is not the new file"
    [ ! -e "$DISK/cal.kal.tmp" ] || fail "the save on T: left its temporary file"
    echo "full disk: ok"
else
    skipped+=("full disk: cannot mount a tmpfs here ($(head -n1 "$WORK/mount.log"))")
fi

# A read-only folder: a read-only bind mount, as the system refuses even root.
RO=$WORK/rofolder
mkdir "$RO"
cp "$OLD" "$RO/cal.kal"
if mount --bind "$RO" "$RO" 2>"$WORK/mount.log"; then
    MOUNTS+=("$RO")
    mount -o remount,bind,ro "$RO" 2>"$WORK/mount.log" || fail "cannot make $RO read-only"
    ! touch "$RO/probe" 2>/dev/null || fail "the read-only folder takes files"
    refused "$RO" "$(winpath "$RO")" "Failed to save document."
    echo "read-only folder: ok"
else
    skipped+=("read-only folder: cannot mount here ($(head -n1 "$WORK/mount.log"))")
fi

if [ ${#skipped[@]} -gt 0 ]; then
    printf 'SKIPPED %s\n' "${skipped[@]}"
    exit 77
fi
echo "save_refused: ok"
