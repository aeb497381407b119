#!/usr/bin/env bash
# Builds the sanitizer preset (build-asan/: Clang with ASan, LSan and UBSan; clazy checks src/ on the way) and runs
# the test suite there except the program's own tests (X server, printed sheets, package files: the program
# preset's), and beside it the libFuzzer targets' short runs (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

# The fuzz targets build and run beside the suite, whose monkey keeps one core for a minute.
mkdir -p build-asan build-fuzz
bash scripts/fuzz.sh > build-fuzz/beside.log 2>&1 &
fuzz=$!

# Preset asan: configure, build, then the rules, the offscreen windows and the monkey's full 20,000 events. Leaks are
# reported at exit; the offscreen Qt tests leak nothing of their own, so no suppressions are needed.
status=0
cmake --workflow --preset asan > build-asan/workflow.log 2>&1 || status=$?
[ "$status" -eq 0 ] && sed -n '/Test project/,$p' build-asan/workflow.log || cat build-asan/workflow.log

wait "$fuzz" || status=$?
cat build-fuzz/beside.log
exit "$status"
