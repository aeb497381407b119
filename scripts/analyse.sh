#!/usr/bin/env bash
# The field's analysers over the code, each with zero findings: clang-format (whole tree) and clang-tidy over src/.
# clang-tidy reads the batches the build compiles (a Release tree, build/tidy/, configured only): most of its time goes
# to matching its checks over Qt's headers, which a batch does once for several sources. Every source of src/ must be
# in a batch or read on its own. clazy (level 1) checks src/ inside the sanitizer build (preset asan), where a finding
# fails the build.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release -B build/tidy -DSUMORA_BUILD_TESTS=OFF -DSUMORA_BUILD_BENCH=OFF \
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
units=$(python3 scripts/tidy-units.py build/tidy "${sources[@]}") || status=1
mapfile -t units <<< "$units"
# A batch includes its sources as .cpp files, which is what bugprone-suspicious-include warns of; the sources
# themselves include headers only, which the grep keeps true.
if git grep -nE '#include.*\.(c|cc|cpp|cxx)"' -- src; then
    echo "clang-tidy: the includes above name sources, not headers"
    status=1
elif run-clang-tidy-14 -quiet -j 2 -checks=-bugprone-suspicious-include -p build/tidy "${units[@]}" \
        > build/clang-tidy.log 2>&1 && ! grep -qE '(warning|error):' build/clang-tidy.log; then
    echo "clang-tidy: ${#sources[@]} sources in ${#units[@]} batches, no findings"
else
    grep -E '(warning|error):' build/clang-tidy.log || tail -n 20 build/clang-tidy.log
    echo "clang-tidy: findings above (checks in .clang-tidy)"
    status=1
fi

exit "$status"
