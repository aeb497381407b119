#!/usr/bin/env bash
# Builds the sanitizer preset (build-asan/: ASan, LSan, UBSan) and runs the test suite there except the tests that
# need an X server (label x11), then the libFuzzer targets' short runs (scripts/fuzz.sh). SUMORA_JOBS: build jobs.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs="${SUMORA_JOBS:-2}"

mkdir -p build-asan
cmake --preset asan > build-asan/configure.log 2>&1 || { cat build-asan/configure.log; exit 1; }
cmake --build --preset asan -j "$jobs"

# Leaks are reported at exit. The offscreen Qt tests leak nothing of their own, so no suppressions are needed.
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The monkey test's full 20,000 events take over a minute under the sanitizers; a shorter run of the same seed.
export SUMORA_MONKEY_EVENTS="${SUMORA_MONKEY_EVENTS:-8000}"
ctest --test-dir build-asan -LE x11 --output-on-failure -j "$jobs"

bash scripts/fuzz.sh
