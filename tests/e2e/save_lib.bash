# Shared by the save scripts: a Wine prefix and server of their own (they
# kill the server, map drives and mount file systems), and the save helper,
# the save tests' program in its one-shot modes (see tests/win32/save).
source "$(dirname "${BASH_SOURCE[0]}")/lib.bash" "$1"
BUILD=${ALMANARK_BUILD_DIR:-$(dirname "$EXE")}
HELPER=$BUILD/win32_save_tests.exe
[ -f "$HELPER" ] || fail "$HELPER is missing"
# The real paths: strace matches the paths of the calls as they are.
WORK=$(realpath "$WORK")
cd "$WORK"

PFX="" WS_PID="" WS_DIR="" HOLD_PID="" MOUNTS=()

# end_session: ends the processes of this prefix, also those that a killed
# server left behind (they run on, not knowing it is gone).
end_session() {
    rm -f "$WORK/hold"
    WINEPREFIX=$PFX wineserver -k >/dev/null 2>&1 || true
    local p
    for p in /proc/[0-9]*; do
        tr '\0' '\n' 2>/dev/null <"$p/environ" | grep -qxF "WINEPREFIX=$PFX" && kill -9 "${p#/proc/}" 2>/dev/null
    done
    [ -z "$WS_PID" ] || wait "$WS_PID" 2>/dev/null || true
    [ -z "$HOLD_PID" ] || wait "$HOLD_PID" 2>/dev/null || true
    WS_PID="" HOLD_PID=""
}

cleanup() {
    set +e
    [ -z "$PFX" ] || end_session
    for m in "${MOUNTS[@]}"; do umount -l "$m" 2>/dev/null; done
    case "$WS_DIR" in /tmp/*/server-*) rm -rf "$WS_DIR" ;; esac
    case "$PFX" in */wineprefix-save.*) rm -rf "$PFX" ;; esac
    rm -rf "$WORK"
}
trap cleanup EXIT

winpath() { echo "Z:${1//\//\\}"; }

# A copy of the shared headless prefix made of hard links: no time, no room
# (a full copy where links cannot be made). A first run in the shared prefix
# creates or updates it before, so that nothing rewrites the linked files;
# the registry files, which this prefix's server rewrites, are copied for real.
SHARED=${WINEPREFIX:-$SRC/build/wineprefix-headless}
"$WINE_RUN" "$HELPER" --hold "$WORK/none" 0 >/dev/null 2>&1 || fail "Wine does not start"
PFX=$(mktemp -d "$(dirname "$SHARED")/wineprefix-save.XXXXXX")
cp -al "$SHARED/." "$PFX/" 2>/dev/null || cp -a "$SHARED/." "$PFX/"
for f in "$PFX"/*.reg; do cp "$f" "$f.copy" && mv -f "$f.copy" "$f"; done
export WINEPREFIX=$PFX

# start_server: this prefix's server in the foreground of a background job,
# and a client that keeps the session (its desktop) alive between the runs,
# so that no traced run starts a process that outlives it.
start_server() {
    wineserver -f -p & WS_PID=$!
    local dir=""
    for _ in $(seq 100); do
        dir=$(readlink "/proc/$WS_PID/cwd" 2>/dev/null || true)
        case "$dir" in */server-*) [ -S "$dir/socket" ] && break ;; esac
        sleep 0.1
    done
    [ -S "$dir/socket" ] || fail "the Wine server did not start"
    WS_DIR=$dir
    touch "$WORK/hold"
    "$WINE_RUN" "$HELPER" --hold "$WORK/hold" 280 >"$WORK/hold.log" 2>&1 & HOLD_PID=$!
    for _ in $(seq 300); do
        grep -q holding "$WORK/hold.log" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "the session did not start"
}

# helper ARGS...: runs the save helper (at most 60 s); its output in $OUT, its
# exit code in $RC.
helper() {
    RC=0
    OUT=$(timeout -k 5 60 "$WINE_RUN" "$HELPER" "$@" 2>/dev/null) || RC=$?
    OUT=${OUT//$'\r'/}
    [ "$RC" != 124 ] && [ "$RC" != 137 ] || fail "the helper hung: $*"
}

# reference SIZE TAG FILE: the bytes a save of that payload writes.
reference() {
    mkdir -p "$WORK/ref"
    helper --save "$(winpath "$WORK/ref/$3")" "$1" "$2"
    [ "$OUT" = saved ] || fail "reference $3: $OUT"
}

# same FILE REFERENCE WHAT: fails unless FILE holds exactly the reference bytes.
same() { cmp -s "$1" "$2" || fail "$3"; }
