#!/usr/bin/env bash
# The field's analysers over the code, each with zero findings: clang-format (whole tree) and clang-tidy over src/.
# clang-tidy reads each library as one batch of its sources (CMake's unity build, in a Release tree configured only):
# most of its time goes to matching its checks over Qt's headers, which a batch does once for all its sources. Every
# source of src/ must be in a batch or compiled on its own. clazy (level 1) checks src/ inside the sanitizer build
# (preset asan), where a finding fails the build.
set -euo pipefail
cd "$(dirname "$0")/.."

# build/tidy: one batch a library (a batch size of 0; the build's batches of 8 cost clang-tidy a third more);
# build/tidy-sources: each source on its own.
for unity in ON OFF; do
    tree=build/tidy$([ $unity = ON ] || echo -sources)
    cmake --preset release -B "$tree" -DSUMORA_UNITY=$unity -DCMAKE_UNITY_BUILD_BATCH_SIZE=0 \
        -DSUMORA_BUILD_TESTS=OFF -DSUMORA_BUILD_BENCH=OFF > build/tidy-configure.log 2>&1 ||
        { cat build/tidy-configure.log; exit 1; }
done
status=0

mapfile -t code < <(git ls-files '*.cpp' '*.h')
if clang-format --dry-run --Werror "${code[@]}" 2> build/clang-format.log; then
    echo "clang-format: ${#code[@]} files as formatted"
else
    cat build/clang-format.log
    echo "clang-format: the files above differ from .clang-format (clang-format -i fixes them)"
    status=1
fi

# tidy LOG WHAT CLANG-TIDY-ARGUMENTS...: no finding, or the findings and WHAT, and a failure.
tidy() {
    local log=$1 what=$2
    shift 2
    run-clang-tidy-14 -quiet -j 2 "$@" > "$log" 2>&1 && ! grep -qE '(warning|error):' "$log" && return 0
    grep -E '(warning|error):' "$log" || tail -n 20 "$log"
    echo "clang-tidy: findings above ($what)"
    return 1
}

mapfile -t sources < <(git ls-files 'src/*.cpp' | sed "s|^|$PWD/|")
units=$(python3 scripts/tidy-units.py build/tidy "${sources[@]}") || status=1
mapfile -t units <<< "$units"
# A batch includes its sources as .cpp files, which is what bugprone-suspicious-include warns of; the sources
# themselves include headers only, which the grep keeps true.
if git grep -nE '#include.*\.(c|cc|cpp|cxx)"' -- src; then
    echo "clang-tidy: the includes above name sources, not headers"
    status=1
elif tidy build/clang-tidy.log "checks in .clang-tidy" -checks=-bugprone-suspicious-include -p build/tidy "${units[@]}"
then
    echo "clang-tidy: ${#sources[@]} sources in ${#units[@]} batches, no findings"
else
    status=1
fi

# Two checks look at the main file alone, which in a batch is the batch: the sources that hold a using-declaration
# or a namespace alias are read on their own for them.
mainfile=misc-unused-using-decls,misc-unused-alias-decls
mapfile -t aliasing < <(git grep -lE '\busing\s+(typename\s+)?(::)?\w+::|\bnamespace\s+\w+\s*=' -- 'src/*.cpp' |
    sed "s|^|$PWD/|")
if [ "${#aliasing[@]}" -eq 0 ] ||
    tidy build/clang-tidy-mainfile.log "$mainfile" -checks="-*,$mainfile" -p build/tidy-sources "${aliasing[@]}"; then
    echo "clang-tidy: ${#aliasing[@]} sources with using-declarations or aliases on their own, no findings"
else
    status=1
fi

exit "$status"
