#!/bin/sh
# MeasureTimer with a line that never clears: ns per pass from Google Benchmark,
# and instructions per pass from callgrind (repeatable, unlike time).
# Usage: bench/run.sh BUILD_DIR
set -eu
build=${1:-build/linux}
passes=100000
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

for port in bare sim; do
  exe="$build/bench/timer_bench_$port"
  "$exe" --benchmark_min_time=0.5 | grep -E 'BM_|ns_per_pass' || true
  valgrind --tool=callgrind --callgrind-out-file="$out/$port.cg" "$exe" --once >/dev/null 2>&1
  callgrind_annotate --inclusive=yes "$out/$port.cg" >"$out/$port.txt"
  # Inclusive counts: the whole measurement, and the port reads inside it.
  total=$(grep -E ':MeasureTimer\(\) ' "$out/$port.txt" | head -n1 | awk '{gsub(",","",$1); print $1}')
  reads=$(grep -E ':Inp32 ' "$out/$port.txt" | head -n1 | awk '{gsub(",","",$1); print $1}')
  awk -v p="$port" -v t="$total" -v r="$reads" -v n="$passes" 'BEGIN {
    printf "%s: %.2f instructions per pass, of which the read %.2f, the loop %.2f\n", p, t / n, r / n, (t - r) / n }'
done
