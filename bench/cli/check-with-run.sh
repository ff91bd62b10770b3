#!/usr/bin/env bash
# Checking hand-ins the way it is done without --check: a loop around
# `tessivar --run` per program and case that compares the register asked for.
# Usage: check-with-run.sh TESSIVAR MAX_STEPS TABLE PROGRAM...
# TABLE has a line per case: the inputs, a tab, the register, a tab, its value.
# Prints "N passed, M failed", as --check does.
set -u
tessivar=$1 maxSteps=$2 table=$3
shift 3
passed=0 failed=0
for program in "$@"; do
  while IFS=$'\t' read -r inputs register value; do
    # The inputs are words of their own.
    # shellcheck disable=SC2086
    output=$("$tessivar" --run "$program" $inputs --max-steps "$maxSteps" 2>/dev/null)
    status=$?
    mapfile -t registers <<<"$output"
    if [ "$status" -eq 0 ] && [ "${registers[register - 1]:-0}" = "$value" ]; then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
    fi
  done <"$table"
done
echo "$passed passed, $failed failed"
