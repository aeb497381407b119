#!/usr/bin/env bash
# The field's analysers over the code, each with zero findings: clang-format (whole tree) and clang-tidy over src/,
# file by file, with the compile commands of a Release tree that compiles no batches (build/tidy/, configured only).
# clazy (level 1) checks src/ inside the sanitizer build (preset asan), where a finding fails the build.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release -B build/tidy -DSUMORA_UNITY=OFF -DSUMORA_BUILD_TESTS=OFF -DSUMORA_BUILD_BENCH=OFF \
    > build/tidy-configure.log 2>&1 || { cat build/tidy-configure.log; exit 1; }
status=0

mapfile -t code < <(git ls-files '*.cpp' '*.h')
if clang-format --dry-run --Werror "${code[@]}" 2> build/clang-format.log; then
    echo "clang-format: ${#code[@]} files as formatted"
else
    cat build/clang-format.log
    echo "clang-format: the files above differ from .clang-format (clang-format -i fixes them)"
    status=1
fi

mapfile -t sources < <(git ls-files 'src/*.cpp' | sed "s|^|$PWD/|")
if run-clang-tidy-14 -quiet -j 2 -p build/tidy "${sources[@]}" > build/clang-tidy.log 2>&1 &&
    ! grep -qE '(warning|error):' build/clang-tidy.log; then
    echo "clang-tidy: ${#sources[@]} files, no findings"
else
    grep -E '(warning|error):' build/clang-tidy.log || tail -n 20 build/clang-tidy.log
    echo "clang-tidy: findings above (checks in .clang-tidy)"
    status=1
fi

exit "$status"
