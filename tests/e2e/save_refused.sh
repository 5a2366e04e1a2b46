#!/usr/bin/env bash
# Saves that the disk refuses keep the old calendar whole and leave no
# temporary file: a read-only file or a read-only folder says "Failed to save
# document." (a full disk: save_disk_full.sh). The messages are answered
# through the seam. Without the right to mount, the read-only-folder case is
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
