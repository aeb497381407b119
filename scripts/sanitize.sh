#!/usr/bin/env bash
# Builds the sanitizer preset (build-asan/: Clang with ASan, LSan and UBSan; clazy checks src/ on the way) and runs
# the test suite there except the program's own tests (X server, printed sheets, package files: the program
# preset's), then the libFuzzer targets' short runs (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

# Preset asan: configure, build, then the rules, the offscreen windows and the monkey's full 20,000 events. Leaks are
# reported at exit; the offscreen Qt tests leak nothing of their own, so no suppressions are needed.
mkdir -p build-asan
cmake --workflow --preset asan > build-asan/workflow.log 2>&1 || { cat build-asan/workflow.log; exit 1; }
sed -n '/Test project/,$p' build-asan/workflow.log

bash scripts/fuzz.sh
