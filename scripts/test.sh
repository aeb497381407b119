#!/usr/bin/env bash
# Installs what is missing, builds Sumora and runs every test once: the program's own tests, the analysers, the rest
# of the suite under the sanitizers and the fuzz targets, then the Debian package and its checks. Ends with a table
# of each stage's duration.
set -euo pipefail
cd "$(dirname "$0")/.."

stages=()
status=0
stage() { # stage NAME COMMAND...: runs it, notes its duration and whether it passed; a failure ends the run
    local name=$1 start=$SECONDS code=0
    shift
    echo "== $name"
    "$@" || code=$?
    local verdict=ok
    [ "$code" -eq 0 ] || verdict="FAIL ($code)"
    stages+=("$(printf '%-34s %5d s  %s' "$name" $((SECONDS - start)) "$verdict")")
    [ "$code" -eq 0 ] || { status=$code; summary; exit "$status"; }
}
summary() {
    echo
    echo "== test.sh stages"
    printf '%s\n' "${stages[@]}"
    printf '%-34s %5d s\n' "total" "$SECONDS"
}

stage "set-up: packages, locale, program" bash scripts/setup.sh test
stage "packages.txt against debian/control" python3 scripts/check-packages.py
# Everything a test needs has been installed just now: a test that would skip for want of a tool fails here.
export SUMORA_TESTS_NO_SKIP=1
# Each test runs once: the Release program's own tests here (X server, printed sheets, package files), every other
# test under the sanitizers below; a plain Release build with all of them is the release preset.
# The benchmarks are built too, so that they keep building; scripts/bench.sh runs them.
stage "program's tests (preset program)" bash -c \
    'cmake --build --preset program && cmake --build --preset bench && ctest --preset program'
stage "clang-format, clang-tidy, clazy" bash scripts/analyse.sh
stage "sanitizers: the rest, and fuzz" bash scripts/sanitize.sh
# The suite has just run: the package build inside this command skips it (a plain package build still runs it).
stage "Debian package and its checks" env SUMORA_PACKAGE_NOCHECK=1 bash scripts/package-check.sh
summary
