#!/usr/bin/env bash
# run-fuzzer.sh FUZZER DIR SECONDS [-dict=FILE]
# Replays every kept crash input, then fuzzes for SECONDS from the seeds.
# A new crash input is copied into DIR/crashes so that it is kept.
set -eu
fuzzer=$1 dir=$2 seconds=$3; shift 3
mkdir -p "$dir/seeds" "$dir/crashes"
if compgen -G "$dir/crashes/*" >/dev/null; then
    "$fuzzer" "$@" "$dir"/crashes/* 2>&1 | tail -n 20
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
status=0
"$fuzzer" "$@" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$work/" -print_final_stats=1 "$work/corpus" "$dir/seeds" \
    >"$work/log" 2>&1 || status=$?
tail -n 12 "$work/log"
for f in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
    [ -e "$f" ] && cp "$f" "$dir/crashes/" && echo "kept $(basename "$f") in $dir/crashes"
done
exit $status
