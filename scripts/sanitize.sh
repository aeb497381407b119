#!/usr/bin/env bash
# Builds the sanitizer preset (build-asan/: ASan, LSan, UBSan) and runs the test suite there except the tests that
# need an X server (label x11), then the libFuzzer targets' short runs (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

# Preset asan: configure, build, then the suite without the X server tests. Leaks are reported at exit; the
# offscreen Qt tests leak nothing of their own, so no suppressions are needed. The monkey test's full 20,000 events
# take over a minute under the sanitizers: the preset asks for a shorter run of the same seed.
mkdir -p build-asan
cmake --workflow --preset asan > build-asan/workflow.log 2>&1 || { cat build-asan/workflow.log; exit 1; }
sed -n '/Test project/,$p' build-asan/workflow.log

bash scripts/fuzz.sh
