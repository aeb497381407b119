#!/usr/bin/env bash
# Builds the libFuzzer targets with Clang 14 (preset "fuzz", build-fuzz/) and runs them: by default the short
# ctest runs from the seed corpora (the preset's workflow); with --runs N each target in turn for N executions.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=""
if [ "${1:-}" = "--runs" ]; then
    runs="${2:?--runs needs a count}"
fi

mkdir -p build-fuzz
if [ -z "$runs" ]; then
    cmake --workflow --preset fuzz > build-fuzz/workflow.log 2>&1 || { cat build-fuzz/workflow.log; exit 1; }
    sed -n '/Test project/,$p' build-fuzz/workflow.log
    exit 0
fi
cmake --preset fuzz > build-fuzz/configure.log 2>&1 || { cat build-fuzz/configure.log; exit 1; }
cmake --build --preset fuzz

export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# Long runs, one target at a time on one core; new inputs go to the scratch corpus in the build tree.
for name in numbers grading generator; do
    work="build-fuzz/fuzz/work/$name"
    mkdir -p "$work/corpus" "$work/artifacts"
    echo "== fuzz_$name: $runs executions"
    status=0
    "build-fuzz/fuzz/fuzz_$name" -runs="$runs" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/" "$work/corpus" "fuzz/corpus/$name" > "$work/last-run.log" 2>&1 || status=$?
    grep -E '^(#[0-9]+ +DONE|Done |stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)|SUMMARY|property broken)' \
        "$work/last-run.log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$work/last-run.log"
        echo "fuzz_$name failed (exit $status); the input is in $work/artifacts"
        exit 1
    fi
done
