#!/usr/bin/env bash
# Runs every benchmark in BUILD/benchmarks; the ones that draw run under Xvfb.
set -euo pipefail
build=$1
for bench in "$build"/benchmarks/bench_*; do
  echo "== $(basename "$bench")"
  case $(basename "$bench") in
    bench_render*|bench_ui*) xvfb-run -a -s "-screen 0 1280x1024x24" "$bench" ;;
    *) "$bench" ;;
  esac
done
