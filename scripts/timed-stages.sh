#!/usr/bin/env bash
# Runs each make target given, one after another, and prints how long each took,
# also when one fails, so that a slow or failing stage is seen at once.
set -uo pipefail
times=()
status=0
for stage in "$@"; do
  start=$(date +%s)
  make --no-print-directory "$stage"
  status=$?
  times+=("$(printf '%-14s %5d s' "$stage" $(($(date +%s) - start)))")
  [ "$status" -eq 0 ] || break
done
echo "Stage times:"
printf '  %s\n' "${times[@]}"
[ "$status" -eq 0 ] || echo "stage ${stage} failed"
exit "$status"
