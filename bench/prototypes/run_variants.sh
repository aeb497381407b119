#!/usr/bin/env bash
# Builds a scratch copy of the program with start-up variants switched by environment variables, and measures them.
#
#   bash bench/prototypes/run_variants.sh [--runs N] [--callgrind]
#
# The copy is the committed tree (git archive HEAD) in build-variants/tree with startup_variants.patch applied and
# the subset font made by make_song_subset.py; src/ itself is never touched. The patch is written against the
# sources of this commit: after a restructuring of src/ it has to be redone. Without --callgrind the variants run
# interleaved under Xvfb through the start-up driver (exec to first map and frame, processor time, peak memory);
# with it each variant runs once under callgrind to its first frame and the instruction counts are printed.
# Needs python3-fonttools and, for --callgrind, valgrind.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
runs=15
callgrind=0
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs="$2"; shift 2 ;;
        --callgrind) callgrind=1; shift ;;
        *) echo "usage: $0 [--runs N] [--callgrind]" >&2; exit 2 ;;
    esac
done

scratch="$root/build-variants"
rm -rf "$scratch/tree"
mkdir -p "$scratch/tree" "$scratch/home"
git -C "$root" archive HEAD | tar -x -C "$scratch/tree"
patch -d "$scratch/tree" -p1 --quiet < "$root/bench/prototypes/startup_variants.patch"
/usr/bin/python3 "$root/bench/prototypes/make_song_subset.py" "$scratch/tree/src" \
    "$scratch/tree/resources/song-subset.ttf" 2>&1 | grep -v 'NOT subset'
cmake -S "$scratch/tree" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSUMORA_BUILD_TESTS=OFF \
    > "$scratch/configure.log"
cmake --build "$scratch/build" -j "${SUMORA_JOBS:-2}" --target \
    sumora_bench_startup sumora_bench_minimal sumora_bench_startup_driver > "$scratch/build.log" ||
    { tail -20 "$scratch/build.log"; exit 1; }

b="$scratch/build/bench"
program="SUMORA_BENCH_REQUIRE=Label1_20 $b/sumora_bench_startup"
# NAME=COMMAND as the driver takes them; the first is the yardstick, the second the unchanged program.
variants=(
    "one label=SUMORA_BENCH_REQUIRE= $b/sumora_bench_minimal"
    "unchanged=$program"
    "subset font=SUMORA_X_FONT=subset $program"
    "UMing named=SUMORA_X_FONT=direct $program"
    "subset substituted=SUMORA_X_FONT=subset-substituted $program"
    "no UMing=FONTCONFIG_FILE=$root/bench/prototypes/no-uming.conf $program"
    "no dialog=SUMORA_X_LAZY_OPTIONS=1 $program"
    "picture late=SUMORA_X_NO_PICTURE=1 $program"
    "native late=SUMORA_X_LATE_NATIVE=1 $program"
    "no rows=SUMORA_BENCH_REQUIRE=Label1_0 SUMORA_X_NO_ROWS=1 $b/sumora_bench_startup"
    "no icon=SUMORA_X_NO_ICON=1 $program"
    "icon via QImage=SUMORA_X_ICON_PNG=1 $program"
    "no taskbar=SUMORA_X_NO_TASKBAR=1 $program"
    "no D-Bus=DBUS_SESSION_BUS_ADDRESS=disabled: $program"
    "label no D-Bus=DBUS_SESSION_BUS_ADDRESS=disabled: SUMORA_BENCH_REQUIRE= $b/sumora_bench_minimal"
    "subset+no dialog=SUMORA_X_FONT=subset SUMORA_X_LAZY_OPTIONS=1 $program"
)

runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime" HOME="$scratch/home"

if [ "$callgrind" = 0 ]; then
    dbus-run-session -- bash "$root/scripts/xsession.sh" "$b/sumora_bench_startup_driver" --runs "$runs" \
        "${variants[@]}" 2>&1 | grep -v 'Failed to set fd limit'
    exit 0
fi

# One callgrind run of each variant to its first frame: instruction counts, the same from run to run.
mkdir -p "$scratch/callgrind"
dbus-run-session -- bash "$root/scripts/xsession.sh" bash -c '
    out="$1"; shift
    for spec in "$@"; do
        name="${spec%%=*}"; file="$out/${name// /_}"; assign=(); command=()
        for word in ${spec#*=}; do
            if [ ${#command[@]} -eq 0 ] && [[ "$word" == *=* && "$word" != /* ]]; then assign+=("$word"); else command+=("$word"); fi
        done
        export SUMORA_BENCH_T0=0 SUMORA_BENCH_EXIT_AT_FRAME=1
        timeout 60 env "${assign[@]}" "${command[@]}" > /dev/null 2>&1 || true # a dry start first: caches filled
        timeout 300 env "${assign[@]}" valgrind --tool=callgrind --callgrind-out-file="$file.out" "${command[@]}" \
            > "$file.log" 2>&1 || true
        printf "%-20s %8.1f M instructions to the first frame\n" "$name" \
            "$(grep -o "Collected : [0-9]*" "$file.log" | awk "{print \$3 / 1e6}")"
    done' variants "$scratch/callgrind" "${variants[@]}" 2>&1 | grep -v 'Failed to set fd limit'
