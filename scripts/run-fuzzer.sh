#!/usr/bin/env bash
# run-fuzzer.sh FUZZER DIR RUNS [-dict=FILE]
# Replays every kept crash input, then fuzzes RUNS inputs from the seeds and
# prints how many were run and how fast. A new crash input is copied into
# DIR/crashes so that it is kept.
set -eu
fuzzer=$1 dir=$2 runs=$3; shift 3
name=$(basename "$fuzzer")
mkdir -p "$dir/seeds" "$dir/crashes"
if compgen -G "$dir/crashes/*" >/dev/null; then
    "$fuzzer" "$@" "$dir"/crashes/* 2>&1 | tail -n 20
    echo "$name: replayed $(ls "$dir/crashes" | wc -l) kept crash inputs"
fi
# New inputs are written to the corpus as they are found: in memory where
# the machine has it, not on the disk.
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm=${TMPDIR:-/tmp}
work=$(mktemp -d -p "$shm")
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
status=0
# Inputs of at most 4 KB: every fuzzed rule shows itself well within that
# (longer strings and pictures are unit-tested), and a harness's work grows
# with its input, so larger ones would try far fewer inputs in the same time.
start=$(date +%s%N)
"$fuzzer" "$@" -runs="$runs" -rss_limit_mb=2048 -max_len=4096 \
    -artifact_prefix="$work/" -print_final_stats=1 "$work/corpus" "$dir/seeds" \
    >"$work/log" 2>&1 || status=$?
ms=$(( ($(date +%s%N) - start) / 1000000 ))
tail -n 12 "$work/log"
done=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
# libFuzzer's own rate counts whole seconds only; work it out from the wall clock.
rate=$(( ${done:-0} * 1000 / (ms > 0 ? ms : 1) ))
printf '%s: %s executions in %d.%03d s (%s exec/s)\n' "$name" "${done:-0}" $((ms / 1000)) $((ms % 1000)) "$rate"
for f in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
    [ -e "$f" ] && cp "$f" "$dir/crashes/" && echo "kept $(basename "$f") in $dir/crashes"
done
if [ "$status" = 0 ] && [ "${done:-0}" -lt "$runs" ]; then
    echo "$name: only ${done:-0} of $runs executions"
    status=1
fi
exit $status
