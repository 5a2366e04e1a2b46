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
TIMEFORMAT='%3U %3S'
{ time "$fuzzer" "$@" -runs="$runs" -rss_limit_mb=2048 -max_len=4096 \
    -artifact_prefix="$work/" -print_final_stats=1 "$work/corpus" "$dir/seeds" \
    >"$work/log" 2>&1 || status=$?; } 2>"$work/cpu"
ms=$(( ($(date +%s%N) - start) / 1000000 ))
tail -n 12 "$work/log"
done=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
# libFuzzer's own rate counts whole seconds only; work it out from the wall
# clock, and from the fuzzer's own CPU time, which other work on the machine
# does not stretch.
cpu_ms=$(awk '{printf "%d", ($1 + $2) * 1000}' "$work/cpu")
rate=$(( ${done:-0} * 1000 / (ms > 0 ? ms : 1) ))
cpu_rate=$(( ${done:-0} * 1000 / (cpu_ms > 0 ? cpu_ms : 1) ))
printf '%s: %s executions in %d.%03d s (%s exec/s; %s exec/s of CPU time)\n' "$name" "${done:-0}" \
    $((ms / 1000)) $((ms % 1000)) "$rate" "$cpu_rate"
for f in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
    [ -e "$f" ] && cp "$f" "$dir/crashes/" && echo "kept $(basename "$f") in $dir/crashes"
done
if [ "$status" = 0 ] && [ "${done:-0}" -lt "$runs" ]; then
    echo "$name: only ${done:-0} of $runs executions"
    status=1
fi
exit $status
