#!/usr/bin/env bash
# Runs every fuzzer in BUILD/fuzzers for SECONDS each, starting from its seed corpus,
# and prints how many inputs each one executed.
set -euo pipefail
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)

for fuzzer in "$build"/fuzzers/fuzz_*; do
  name=$(basename "$fuzzer")
  work=$build/corpus/$name
  mkdir -p "$work"
  log=$build/$name.log
  seeds=$root/fuzz/corpus/$name
  [ -d "$seeds" ] || seeds=
  if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 "$work" $seeds >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$name: FAILED (see $log)"
    exit 1
  fi
  runs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
  echo "$name: $runs executions in ${seconds}s, no finding"
done
