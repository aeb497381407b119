#!/usr/bin/env bash
# Long libFuzzer runs: builds the fuzz targets in the sanitizer tree (preset asan, build-asan/) and runs each in turn
# for N executions (default 1,000,000) on one core. Their short runs are tests (label fuzz) of ctest --preset asan.
# Usage: fuzz.sh [--runs N]
set -euo pipefail
cd "$(dirname "$0")/.."

runs=1000000
if [ "${1:-}" = "--runs" ]; then
    runs="${2:?--runs needs a count}"
fi

mkdir -p build-asan
cmake --preset asan > build-asan/configure.log 2>&1 || { cat build-asan/configure.log; exit 1; }
cmake --build --preset fuzz

export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# New inputs go to the scratch corpus in the build tree, which the short runs read too.
for name in numbers grading generator; do
    work="build-asan/fuzz/work/$name"
    mkdir -p "$work/corpus" "$work/artifacts"
    echo "== fuzz_$name: $runs executions"
    status=0
    "build-asan/fuzz/fuzz_$name" -runs="$runs" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/" "$work/corpus" "fuzz/corpus/$name" > "$work/last-run.log" 2>&1 || status=$?
    grep -E '^(#[0-9]+ +DONE|Done |stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)|SUMMARY|property broken)' \
        "$work/last-run.log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$work/last-run.log"
        echo "fuzz_$name failed (exit $status); the input is in $work/artifacts"
        exit 1
    fi
done
