#!/usr/bin/env bash
# A full disk while saving keeps the old calendar whole, leaves no temporary
# file and says "Destination disk drive is full.": for the payload document
# and for a real calendar with a picture, which is written to the file in
# writes of its own. Each write of the save fails with ENOSPC in turn
# (strace), on every machine; where mounting is allowed, a small tmpfs mapped
# as drive T: fills up for real as well.
source "$(dirname "$0")/save_lib.bash" "$1"
command -v strace >/dev/null || fail "strace is missing"
start_server

FULL="message: Destination disk drive is full."$'\n'"not saved"
mkdir -p "$WORK/ref" "$WORK/cal"
helper --save-calendar "$(winpath "$WORK/ref/old.kal")" 40 1
[ "$OUT" = saved ] || fail "reference calendar: $OUT"
OLD=$WORK/ref/old.kal
TARGET=$WORK/cal/cal.kal TEMP=$WORK/cal/cal.kal.tmp

# enospc_save N ARGS...: the helper's save over the target, its Nth write to
# the temporary file failing with ENOSPC.
enospc_save() {
    local n=$1; shift
    RC=0
    OUT=$(timeout -k 5 60 strace -f -o /dev/null -e trace=write \
        -e inject="write:error=ENOSPC:when=$n" -P "$TEMP" \
        "$WINE_RUN" "$HELPER" "$@" 2>/dev/null) || RC=$?
    OUT=${OUT//$'\r'/}
    [ "$RC" != 124 ] || fail "the save hung (write $n)"
}

# refused_kept WHAT: the old calendar is in place, whole, and opens.
refused_kept() {
    [ "$RC" = 3 ] && [ "$OUT" = "$FULL" ] || fail "$1: expected the full-disk message, got: $OUT"
    same "$TARGET" "$OLD" "$1: the old calendar changed"
    [ ! -e "$TEMP" ] || fail "$1: a temporary file was left"
    helper --open-calendar "$(winpath "$TARGET")" no
    [ "$OUT" = "opened calendar 1 40" ] || fail "$1: the old calendar did not open: $OUT"
}

cp "$OLD" "$TARGET"
n=0
while :; do
    n=$((n + 1))
    [ "$n" -le 20 ] || fail "the calendar save did not end after 20 writes"
    enospc_save "$n" --save-calendar "$(winpath "$TARGET")" 100 2
    [ "$OUT" = saved ] && break
    refused_kept "calendar, write $n"
done
# The buffered start, the 30,000 bytes of the picture's pixels, the rest.
[ "$n" -gt 3 ] || fail "only $((n - 1)) writes: the picture's own writes were not failed"
helper --open-calendar "$(winpath "$TARGET")" no
[ "$OUT" = "opened calendar 2 100" ] || fail "the finished save does not open: $OUT"
echo "full disk at each of $((n - 1)) writes of a calendar with a picture: ok"

enospc_save 3 --save "$(winpath "$TARGET")" 100000 2
[ "$RC" = 3 ] && [ "$OUT" = "$FULL" ] || fail "payload: expected the full-disk message, got: $OUT"
[ ! -e "$TEMP" ] || fail "payload: a temporary file was left"
echo "full disk in a payload save: ok"

# A real full disk, where this machine lets us mount one: first the
# payload document, written through the archive's buffer and in large
# writes that the system cuts short, then the calendar with a picture.
reference 40000 1 old-payload.kal
reference 100000 2 new-payload.kal
PAYLOAD_OLD=$WORK/ref/old-payload.kal PAYLOAD_NEW=$WORK/ref/new-payload.kal
payload_refused() { # payload_refused [CHUNK]
    helper --save 'T:\cal.kal' 100000 2 ${1:-}
    [ "$RC" = 3 ] && [ "$OUT" = "$FULL" ] || fail "tmpfs: expected the full-disk message, got: $OUT"
    same "$DISK/cal.kal" "$PAYLOAD_OLD" "tmpfs: the old file changed"
    [ ! -e "$DISK/cal.kal.tmp" ] || fail "tmpfs: a temporary file was left"
    helper --open 'T:\cal.kal' no
    [ "$OUT" = "opened 40000 1" ] || fail "tmpfs: the old file did not open: $OUT"
}
DISK=$WORK/disk
mkdir "$DISK"
if mount -t tmpfs -o size=256k tmpfs "$DISK" 2>"$WORK/mount.log"; then
    MOUNTS+=("$DISK")
    ln -s "$DISK" "$PFX/dosdevices/t:"
    helper --save 'T:\cal.kal' 40000 1
    [ "$OUT" = saved ] || fail "no old calendar on T: ($OUT)"
    same "$DISK/cal.kal" "$PAYLOAD_OLD" "the old calendar on T: is not the reference"
    dd if=/dev/zero of="$DISK/filler" bs=4k 2>/dev/null || true
    truncate -s $(($(stat -c %s "$DISK/filler") - 20480)) "$DISK/filler"
    payload_refused
    payload_refused 65536
    # With room again the same save goes through.
    rm "$DISK/filler"
    helper --save 'T:\cal.kal' 100000 2
    [ "$OUT" = saved ] || fail "no save on T: with room: $OUT"
    same "$DISK/cal.kal" "$PAYLOAD_NEW" "the save on T: with room is not the new file"
    [ ! -e "$DISK/cal.kal.tmp" ] || fail "the save on T: left its temporary file"
    echo "full tmpfs with the payload: ok"

    # The calendar: 30,000 bytes of pixels do not fit in the 20 KB left.
    TARGET=$DISK/cal.kal TEMP=$DISK/cal.kal.tmp
    cp "$OLD" "$TARGET"
    dd if=/dev/zero of="$DISK/filler" bs=4k 2>/dev/null || true
    truncate -s $(($(stat -c %s "$DISK/filler") - 20480)) "$DISK/filler"
    helper --save-calendar 'T:\cal.kal' 100 2
    refused_kept "tmpfs"
    echo "full tmpfs with a calendar with a picture: ok"
else
    echo "NOTE: no tmpfs here ($(head -n1 "$WORK/mount.log")); the injected full disk stands for it"
fi
echo "save_disk_full: ok"
