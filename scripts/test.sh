#!/usr/bin/env bash
# Installs what is missing, builds Sumora and runs every test through ctest, then checks the Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# Everything a test needs has been installed just now: a test that would skip for want of a tool fails here.
export SUMORA_TESTS_NO_SKIP=1
ctest --preset release
# clang-format, clang-tidy and clazy, each with nothing to report.
bash scripts/analyse.sh
# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz targets.
bash scripts/sanitize.sh
# The Debian package, built from a clean copy of the tracked files, and what a distribution checks in it.
bash scripts/package-check.sh
