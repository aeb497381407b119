#!/usr/bin/env bash
# The test command: installs what is missing, then runs every test once, each where it tells most, and ends with a
# table of how long each stage took. The stages run one after the other; CMake and ctest -j keep both cores busy.
#   build/       Release, as users get it: the program on a virtual X server under four window managers, its printed
#                sheets, its package files (test preset "program": labels x11, print, packaging, resources)
#   build-asan/  Clang with ASan and UBSan, clazy checking src/ as it compiles: every other test, and the fuzz
#                targets' short runs (test preset "asan": labels core, app, widgets, monkey, fuzz)
#   analysers    clang-format and clang-tidy (scripts/analyse.sh)
#   package      the Debian package from a clean copy, with lintian, reuse lint and the validators
#                (scripts/package-check.sh)
# The test presets let no test skip for want of a tool: everything has been installed by then.
set -euo pipefail
cd "$(dirname "$0")/.."

table=()
# record NAME SECONDS CODE: a line of the table. A failure ends the run with the table so far, once the step in the
# background, if it runs, has ended.
record() {
    local verdict=ok
    [ "$3" -eq 0 ] || verdict="FAIL ($3)"
    table+=("$(printf '%-48s %5d s  %s' "$1" "$2" "$verdict")")
    [ "$3" -eq 0 ] || { wait || true; summary; exit "$3"; }
}
stage() { # stage NAME COMMAND...
    local name=$1 start=$SECONDS code=0
    shift
    echo "== $name"
    "$@" || code=$?
    record "$name" $((SECONDS - start)) "$code"
}
summary() {
    echo
    echo "== test.sh stages"
    printf '%s\n' "${table[@]}"
    printf '%-48s %5d s\n' "total" "$SECONDS"
}

stage "set-up: build packages, Release program" bash scripts/setup.sh run
stage "packages.txt against debian/control" python3 scripts/check-packages.py
stage "set-up: Clang, clazy, clang-tidy" bash scripts/setup.sh analyse

# The one step in the background: apt installs the test tools, waiting mostly on the network and the disk, while the
# sanitizer build compiles. Its seconds are written down for the table.
install_tools() {
    local start=$SECONDS code=0
    bash scripts/setup.sh tools || code=$?
    echo $((SECONDS - start)) > build/tools.seconds
    return "$code"
}
echo "== set-up: test tools, German locale (beside the sanitizer build)"
install_tools &
tools=$!
stage "sanitizer build (clazy over src/, fuzz targets)" bash -c 'cmake --preset asan && cmake --build --preset asan'
code=0
wait "$tools" || code=$?
record "set-up: test tools (beside the sanitizer build)" "$(cat build/tools.seconds)" "$code"

stage "Release: program's tests" bash -c 'cmake --build --preset program && ctest --preset program'
stage "sanitizers: other tests, fuzz short runs" ctest --preset asan
stage "clang-format, clang-tidy" bash scripts/analyse.sh
stage "Debian package and its checks" bash scripts/package-check.sh
summary
