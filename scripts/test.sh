#!/usr/bin/env bash
# Installs what is missing, builds Sumora and runs every test once: the program's own tests, the analysers, the rest
# of the suite under the sanitizers and the fuzz targets, and the Debian package with its checks. Ends with a table
# of each stage's duration.
#
# Three stages run beside the others. The test tools are installed (mostly waiting on the network and the disk) while
# the sanitizer build compiles. The package is built and checked beside the sanitizer tests, whose monkey keeps one
# core for a minute. The analysers, at the lowest priority, take whatever the other stages leave of the two cores: the
# window tests' waits on their X servers, lintian's on one.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p build

stages=()
declare -A pids=()
record() { # record NAME SECONDS CODE: a failure waits for the stages still running beside it, then ends the run
    local verdict=ok
    [ "$3" -eq 0 ] || verdict="FAIL ($3)"
    stages+=("$(printf '%-44s %5d s  %s' "$1" "$2" "$verdict")")
    [ "$3" -eq 0 ] || { wait || true; summary; exit "$3"; }
}
stage() { # stage NAME COMMAND...: runs it, notes its duration and whether it passed
    local name=$1 start=$SECONDS code=0
    shift
    echo "== $name"
    "$@" || code=$?
    record "$name" $((SECONDS - start)) "$code"
}
begin() { # begin KEY NAME COMMAND...: starts a stage beside the next ones, its output kept in build/KEY.log
    local key=$1 name=$2
    shift 2
    echo "== $name: begun beside the next stages (build/$key.log)"
    (
        start=$SECONDS code=0
        "$@" || code=$?
        echo $((SECONDS - start)) > "build/$key.seconds"
        exit "$code"
    ) > "build/$key.log" 2>&1 &
    pids[$key]=$!
}
finish() { # finish KEY NAME: waits for a stage begun earlier, shows its output and records it
    local key=$1 name=$2 code=0
    wait "${pids[$key]}" || code=$?
    echo "== $name: its output"
    cat "build/$key.log"
    record "$name (beside)" "$(cat "build/$key.seconds" 2> /dev/null || echo 0)" "$code"
}
summary() {
    echo
    echo "== test.sh stages (beside: ran while the stages before it did)"
    printf '%s\n' "${stages[@]}"
    printf '%-44s %5d s\n' "total" "$SECONDS"
}

stage "set-up: build packages, program" bash scripts/setup.sh run
stage "packages.txt against debian/control" python3 scripts/check-packages.py
stage "set-up: Clang, clazy, clang-tidy" bash scripts/setup.sh analyse
begin tools "set-up: test tools, German locale" bash scripts/setup.sh tools
# The benchmarks are built here too, so that they keep building; scripts/bench.sh builds and runs them in Release.
stage "sanitizer build, clazy over src/" bash -c 'cmake --preset asan > /dev/null && cmake --build --preset asan'
# The analysers need no test tool: they start while the installation may still run. Not sooner: beside the
# sanitizer build, even at the lowest priority, they slowed it more than they gained.
begin analysers "clang-format, clang-tidy" nice -n 19 bash scripts/analyse.sh
finish tools "set-up: test tools, German locale"

# Everything a test needs has been installed just now: a test that would skip for want of a tool fails here.
export SUMORA_TESTS_NO_SKIP=1
# Each test runs once: the Release program's own tests here (X server, printed sheets, package files), every other
# test under the sanitizers below; a plain Release build with all of them is the release preset.
stage "program's tests (preset program)" bash -c 'cmake --build --preset program && ctest --preset program'
# The suite has just run: the package build inside this command skips it (a plain package build still runs it).
begin package "Debian package and its checks" env SUMORA_PACKAGE_NOCHECK=1 bash scripts/package-check.sh
stage "sanitizer tests, then fuzz" bash scripts/sanitize.sh
finish package "Debian package and its checks"
finish analysers "clang-format, clang-tidy"
summary
