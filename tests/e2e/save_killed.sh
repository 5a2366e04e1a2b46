#!/usr/bin/env bash
# A save killed at any point leaves the old calendar whole: the program is
# killed at each write of the temporary file, at its flush and close, and the
# Wine server (which does the rename) at the rename. After each kill the
# target is the old file byte for byte, it opens, and the left-over temporary
# file is offered for deletion and does not stand in the way of the next save.
source "$(dirname "$0")/save_lib.bash" "$1"
command -v strace >/dev/null || fail "strace is missing"
start_server

reference 40000 1 old.kal
reference 50000 2 new.kal
OLD=$WORK/ref/old.kal NEW=$WORK/ref/new.kal
mkdir "$WORK/cal"
TARGET=$WORK/cal/cal.kal TEMP=$WORK/cal/cal.kal.tmp
cp "$OLD" "$TARGET"

# killed_save SYSCALL N [SAVE...]: saves the new calendar (or what the
# helper arguments SAVE say) over the target, the program killed by strace at
# the Nth SYSCALL on the temporary file (or the target).
killed_save() {
    local call=$1 n=$2; shift 2
    [ $# -gt 0 ] || set -- --save "$(winpath "$TARGET")" 50000 2
    RC=0
    OUT=$(timeout -k 5 60 strace -f -o /dev/null -e trace="$call" -e inject="$call:signal=SIGKILL:when=$n" \
        -P "$TEMP" -P "$TARGET" "$WINE_RUN" "$HELPER" "$@" 2>/dev/null) || RC=$?
    OUT=${OUT//$'\r'/}
    [ "$RC" != 124 ] || fail "the save hung ($call $n)"
}

# after_kill WHAT ANSWER: the target is the old file; opening it offers to
# delete the temporary file and does as answered.
after_kill() {
    same "$TARGET" "$OLD" "$1: the target is not the old file"
    [ -f "$TEMP" ] || fail "$1: no temporary file left"
    helper --open "$(winpath "$TARGET")" "$2"
    [ "$RC" = 0 ] && grep -qx "opened 40000 1" <<<"$OUT" || fail "$1: the old file did not open: $OUT"
    grep -q "^message: A save of this calendar was interrupted" <<<"$OUT" ||
        fail "$1: the left-over was not offered for deletion: $OUT"
    if [ "$2" = yes ]; then
        [ ! -e "$TEMP" ] || fail "$1: the left-over was not deleted"
    else
        [ -f "$TEMP" ] || fail "$1: the left-over was deleted though kept"
    fi
}

# Every write of the temporary file, until a save runs to its end.
last=-1 n=0
while :; do
    n=$((n + 1))
    [ "$n" -le 40 ] || fail "the save did not end after 40 writes"
    killed_save write "$n"
    if [ "$RC" = 0 ]; then
        [ "$OUT" = saved ] || fail "write $n: $OUT"
        break
    fi
    [ "$OUT" != saved ] || fail "write $n: saved though killed"
    same "$TARGET" "$OLD" "write $n: the target is not the old file"
    [ -f "$TEMP" ] || fail "write $n: no temporary file"
    size=$(stat -c %s "$TEMP")
    [ "$size" -gt "$last" ] && [ "$size" -lt "$(stat -c %s "$NEW")" ] ||
        fail "write $n: the kill was not at write $n (temporary file of $size bytes)"
    last=$size
    # Delete every other left-over: the next save then meets one.
    after_kill "write $n" "$([ $((n % 2)) = 1 ] && echo yes || echo no)"
done
[ "$n" -ge 10 ] || fail "only $((n - 1)) writes: too few to cut the save in many places"
same "$TARGET" "$NEW" "the finished save is not the new file"
[ ! -e "$TEMP" ] || fail "the finished save left its temporary file"
echo "killed at each of $((n - 1)) writes"

# At the flush and at the close the new file is whole but not yet in place.
for call in fsync close; do
    cp "$OLD" "$TARGET"
    killed_save "$call" 1
    [ "$RC" != 0 ] || fail "$call: the program was not killed"
    same "$TEMP" "$NEW" "$call: the temporary file is not the whole new file"
    after_kill "$call" no
done

# The rename is the Wine server's: kill the server at it.
echo "killing the Wine server at the rename"
cp "$OLD" "$TARGET"
strace -p "$WS_PID" -o /dev/null -e trace=rename,renameat,renameat2 \
    -e inject=rename,renameat,renameat2:signal=SIGKILL -P "$TEMP" 2>"$WORK/strace.log" & tracer=$!
for _ in $(seq 100); do
    grep -q attached "$WORK/strace.log" && break
    sleep 0.1
done
grep -q attached "$WORK/strace.log" || fail "strace did not attach to the Wine server"
helper --save "$(winpath "$TARGET")" 50000 2
[ "$OUT" != saved ] || fail "rename: saved though the server was killed"
timeout 30 tail --pid="$tracer" -f /dev/null || fail "the Wine server was not killed at the rename"
wait "$tracer" 2>/dev/null || true
end_session
same "$TEMP" "$NEW" "rename: the temporary file is not the whole new file"
start_server
after_kill rename yes

# A real calendar with a picture, whose picture goes to the file in writes
# of its own: killed at each of them the old calendar stays whole.
helper --save-calendar "$(winpath "$WORK/ref/old-calendar.kal")" 40 1
[ "$OUT" = saved ] || fail "reference calendar: $OUT"
n=0
while :; do
    n=$((n + 1))
    [ "$n" -le 20 ] || fail "the calendar save did not end after 20 writes"
    cp "$WORK/ref/old-calendar.kal" "$TARGET"
    rm -f "$TEMP"
    killed_save write "$n" --save-calendar "$(winpath "$TARGET")" 100 2
    [ "$RC" = 0 ] && break
    same "$TARGET" "$WORK/ref/old-calendar.kal" "calendar write $n: the target is not the old file"
    helper --open-calendar "$(winpath "$TARGET")" yes
    grep -qx "opened calendar 1 40" <<<"$OUT" || fail "calendar write $n: the old file did not open: $OUT"
done
[ "$n" -gt 3 ] || fail "only $((n - 1)) writes of the calendar: the picture's own writes were not cut"
helper --open-calendar "$(winpath "$TARGET")" no
[ "$OUT" = "opened calendar 2 100" ] || fail "the finished calendar save does not open: $OUT"
echo "calendar killed at each of $((n - 1)) writes"

# And a save with nothing in its way.
helper --save "$(winpath "$TARGET")" 50000 2
[ "$OUT" = saved ] || fail "the last save: $OUT"
same "$TARGET" "$NEW" "the last save is not the new file"
[ ! -e "$TEMP" ] || fail "the last save left its temporary file"
echo "save_killed: ok"
