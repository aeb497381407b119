#!/usr/bin/env bash
# The field's analysers over the code, each with zero findings: clang-format (whole tree), clang-tidy and clazy
# (level 1) over src/ with the Release build's compile commands. Needs build/ from scripts/setup.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

[ -f build/compile_commands.json ] || { echo "build/compile_commands.json is missing: run scripts/setup.sh" >&2; exit 1; }
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
if run-clang-tidy-14 -quiet -j 2 -p build "${sources[@]}" > build/clang-tidy.log 2>&1 &&
    ! grep -qE '(warning|error):' build/clang-tidy.log; then
    echo "clang-tidy: ${#sources[@]} files, no findings"
else
    grep -E '(warning|error):' build/clang-tidy.log || tail -n 20 build/clang-tidy.log
    echo "clang-tidy: findings above (checks in .clang-tidy)"
    status=1
fi

printf '%s\n' "${sources[@]}" | xargs -P 2 -n 4 clazy-standalone -p build -checks=level1 > build/clazy.log 2>&1 || true
if grep -qE '(warning|error):' build/clazy.log; then
    grep -E '(warning|error):' build/clazy.log
    echo "clazy: findings above (level 1)"
    status=1
else
    echo "clazy: ${#sources[@]} files, no level-1 findings"
fi
exit "$status"
