#!/bin/sh
# Runs every benchmark once on archives of 10,000 appointments and 10,000
# clients, to show that they all still work; the times are not judged here.
# The full run, with its table of targets, is made by hand (README.md, "Benchmarks").
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
build="${BRIVANTA_BUILD_DIR:-$here/build}"
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target brivanta_bench

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
runtime="$build/xdg-runtime"
mkdir -p "$runtime" && chmod 700 "$runtime"
XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen "$build/bench/brivanta_bench" --data="$data" \
    --sizes=10000 --clients=10000 --benchmark_repetitions=1 --benchmark_min_time=0.01 \
    --benchmark_min_warmup_time=0
