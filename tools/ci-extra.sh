#!/bin/sh
# The checks built with clang, AddressSanitizer and UndefinedBehaviorSanitizer:
#   fuzz   every libFuzzer target for a short while, as many at once as there
#          are cores (what CI runs after the main tests)
#   all    (the default) the whole test suite first, then the fuzzers; about
#          ten minutes more on two cores, so it is run by hand
# Safe to run again: it installs only what is missing and rebuilds only what
# changed; the fuzzers keep their corpus in the build folder between runs.
#   BRIVANTA_FUZZ_SECONDS   how long each fuzzer runs (default 60)
set -eu

mode="${1:-all}"
case "$mode" in
fuzz | all) ;;
*)
    echo "usage: $0 [fuzz|all]" >&2
    exit 2
    ;;
esac

here=$(cd "$(dirname "$0")/.." && pwd)
build="${BRIVANTA_SANITIZE_BUILD_DIR:-$here/build-sanitize}"
seconds="${BRIVANTA_FUZZ_SECONDS:-60}"

packages="clang libclang-rt-14-dev"
# shellcheck disable=SC2086 # one package a word
sh "$here/tools/install-missing.sh" $packages

jobs=$(nproc 2>/dev/null || echo 2)
started=$(date +%s)
# -O1 and line tables only: quick to build, and the reports still name the lines.
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None "-DCMAKE_CXX_FLAGS=-O1 -g1" \
    -DBRIVANTA_FUZZ=ON -DBRIVANTA_BENCHMARKS=OFF
fuzzers="fuzz_TSchedaCliente fuzz_TSchedaAppuntamento fuzz_TSchedaTrattamento fuzz_Decrypt fuzz_RollbackJournal
 fuzz_IdentifierChecks"
export ASAN_OPTIONS="abort_on_error=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
if [ "$mode" = all ]; then
    cmake --build "$build" -j "$jobs"
    built=$(date +%s)
    runtime="$build/xdg-runtime"
    mkdir -p "$runtime" && chmod 700 "$runtime"
    XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j "$jobs"
else
    # shellcheck disable=SC2086 # one target a word
    cmake --build "$build" -j "$jobs" --target $fuzzers
    built=$(date +%s)
fi
tested=$(date +%s)

# Each fuzzer writes its log and any crashing input beside itself.
fuzz() {
    name="$1"
    mkdir -p "$build/fuzz-corpus/$name"
    "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz/$name-" "$build/fuzz-corpus/$name" >"$build/fuzz/$name.log" 2>&1
}

status=0
# shellcheck disable=SC2086 # one fuzzer a word
set -- $fuzzers
while [ $# -gt 0 ]; do
    running=""
    while [ $# -gt 0 ] && [ "$(echo $running | wc -w)" -lt "$jobs" ]; do
        fuzz "$1" &
        running="$running $!:$1"
        shift
    done
    for entry in $running; do
        pid=${entry%%:*}
        name=${entry#*:}
        if wait "$pid"; then
            runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/fuzz/$name.log")
            echo "$name: ${runs:-?} inputs in ${seconds} s, no failure"
        else
            echo "FAIL: $name (log and input in $build/fuzz/)" >&2
            tail -n 40 "$build/fuzz/$name.log" >&2
            status=1
        fi
    done
done
finished=$(date +%s)
[ "$mode" = fuzz ] || echo "sanitizer tests $((tested - built)) s"
echo "sanitizer build $((built - started)) s, fuzzing $((finished - tested)) s"
exit $status
