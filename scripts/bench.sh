#!/usr/bin/env bash
# Builds the benchmark programs in the Release build (build/) and runs them all, then prints one table of figures
# with their goals. Figures only: nothing here passes or fails on a time.
#
#   bash scripts/bench.sh [--runs N] [--with-peers] [--startup-only]
#
# --runs N        starts of each program in the interleaved start-up run (default 10, or SUMORA_BENCH_RUNS)
# --with-peers    installs the peer program (Debian's tuxmath, about 13 MB to download) when it is missing;
#                 without it the peer is measured only when it is installed already
# --startup-only  leaves out the sheet and printing benchmarks
# SUMORA_JOBS sets the build jobs (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."

jobs="${SUMORA_JOBS:-2}"
runs="${SUMORA_BENCH_RUNS:-10}"
with_peers=0
startup_only=0
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs="$2"; shift 2 ;;
        --with-peers) with_peers=1; shift ;;
        --startup-only) startup_only=1; shift ;;
        *) echo "usage: $0 [--runs N] [--with-peers] [--startup-only]" >&2; exit 2 ;;
    esac
done

peer=/usr/games/tuxmath
if [ "$with_peers" = 1 ] && [ ! -x "$peer" ]; then
    as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
    echo "Installing the peer program: tuxmath"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq tuxmath > /dev/null
fi

if [ ! -f build/build.ninja ] || ! grep -q '^SUMORA_BUILD_BENCH:BOOL=ON' build/CMakeCache.txt; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DSUMORA_BUILD_BENCH=ON > build-configure.log 2>&1 ||
        { cat build-configure.log; exit 1; }
    rm -f build-configure.log
fi
grep -q '^CMAKE_BUILD_TYPE:STRING=Release' build/CMakeCache.txt ||
    { echo "build/ is not a Release build: benchmark figures would mean nothing" >&2; exit 1; }
cmake --build --preset bench -j "$jobs"

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
mkdir -m 700 "$out/runtime" "$out/home"
export XDG_RUNTIME_DIR="$out/runtime" # Qt asks for one; a private one keeps runs apart
export HOME="$out/home"               # the peer keeps its settings and scores there; the same for every program

# The yardstick first, the program second, then the peer. Each Qt program carries the first-frame probe; the
# program's frame counts once its sheet's 20th row exists. The peer runs in a window, without sound.
programs=("one label=SUMORA_BENCH_REQUIRE= build/bench/sumora_bench_minimal"
          "Sumora=SUMORA_BENCH_REQUIRE=Label1_20 build/bench/sumora_bench_startup")
if [ -x "$peer" ]; then
    programs+=("tuxmath=$peer --windowed --nosound")
else
    echo "(tuxmath is not installed: bash scripts/bench.sh --with-peers measures it too)"
fi

echo "== start-up (exec to first map, seen through X) and peak memory under Xvfb: $runs starts each, interleaved"
dbus-run-session -- bash scripts/xsession.sh \
    build/bench/sumora_bench_startup_driver --runs "$runs" --goals "${programs[@]}" 2>&1 |
    grep -v 'Failed to set fd limit' | tee "$out/startup"

figures=("$out/startup")
if [ "$startup_only" = 0 ]; then
    for mode in times growth clock clamp; do
        echo "== sheet $mode (offscreen)"
        QT_QPA_PLATFORM=offscreen build/bench/sumora_bench_sheet "$mode" 2>&1 | grep -v 'does not support raise' |
            tee "$out/$mode"
        figures+=("$out/$mode")
    done
    # A run takes a tenth of a second: three times the starts keep the ratio steadier on a shared machine.
    echo "== printed sheets: sumora --pdf --sheets 100 against a bare QPdfWriter program, $((runs * 3)) each, interleaved"
    build/bench/sumora_bench_print build/sumora build/bench/sumora_bench_print_floor "$((runs * 3))" | tee "$out/print"
    figures+=("$out/print")
    echo "== print preview: a changed option to the pages shown, 40 and 1000 sheets (offscreen)"
    build/bench/sumora_bench_preview "$runs" 2>&1 | grep -v 'propagateSizeHints' | tee "$out/preview"
    figures+=("$out/preview")
    echo "== minimised by the window manager at every mapping, for 10 s (Xvfb with openbox)"
    dbus-run-session -- bash scripts/xsession.sh build/bench/sumora_bench_minimise build/sumora 2>&1 |
        grep -v 'Failed to set fd limit' | tee "$out/minimise"
    figures+=("$out/minimise")
fi

echo
cat "${figures[@]}" | awk -F'|' '
    BEGIN { n = 0; wn = 6; wv = 5 }
    $1 == "FIGURE" { name[n] = $2; value[n] = $3; goal[n] = ($4 == "" ? "-" : $4); met[n] = ($4 == "" ? "" : $5); n++
                     if (length($2) > wn) wn = length($2); if (length($3) > wv) wv = length($3) }
    END {
        printf "%-*s  %-*s  %-12s  %s\n", wn, "figure", wv, "value", "goal", "within goal"
        for (i = 0; i < n; i++) printf "%-*s  %-*s  %-12s  %s\n", wn, name[i], wv, value[i], goal[i], met[i]
    }'
