#!/usr/bin/env bash
# Installs what is missing, builds Sumora and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
ctest --preset release
# clang-format, clang-tidy and clazy, each with nothing to report.
bash scripts/analyse.sh
# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz targets.
bash scripts/sanitize.sh
