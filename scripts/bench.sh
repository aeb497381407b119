#!/usr/bin/env bash
# Builds the benchmark programs in the Release build (build/) and runs them all, then prints one table of figures
# with their goals. Figures only: nothing here passes or fails on a time. SUMORA_JOBS sets the build jobs (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."

jobs="${SUMORA_JOBS:-2}"
runs="${SUMORA_BENCH_RUNS:-20}" # starts of each program

if [ ! -f build/build.ninja ] || ! grep -q '^SUMORA_BUILD_BENCH:BOOL=ON' build/CMakeCache.txt; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DSUMORA_BUILD_BENCH=ON > build-configure.log 2>&1 ||
        { cat build-configure.log; exit 1; }
    rm -f build-configure.log
fi
grep -q '^CMAKE_BUILD_TYPE:STRING=Release' build/CMakeCache.txt ||
    { echo "build/ is not a Release build: benchmark figures would mean nothing" >&2; exit 1; }
cmake --build build -j "$jobs" --target \
    sumora_bench_startup sumora_bench_minimal sumora_bench_startup_driver sumora_bench_sheet

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
mkdir -m 700 "$out/runtime"
export XDG_RUNTIME_DIR="$out/runtime" # Qt asks for one; a private one keeps runs apart

echo "== start-up and peak memory under Xvfb: $runs starts each, interleaved"
dbus-run-session -- bash scripts/xsession.sh \
    build/bench/sumora_bench_startup_driver "$runs" build/bench/sumora_bench_startup build/bench/sumora_bench_minimal |
    tee "$out/startup"

for mode in times growth clock; do
    echo "== sheet $mode (offscreen)"
    QT_QPA_PLATFORM=offscreen build/bench/sumora_bench_sheet "$mode" 2>&1 | grep -v 'does not support raise' | tee "$out/$mode"
done

echo
cat "$out/startup" "$out/times" "$out/growth" "$out/clock" | awk -F'|' '
    BEGIN { n = 0; wn = 6; wv = 5 }
    $1 == "FIGURE" { name[n] = $2; value[n] = $3; goal[n] = ($4 == "" ? "-" : $4); met[n] = ($4 == "" ? "" : $5); n++
                     if (length($2) > wn) wn = length($2); if (length($3) > wv) wv = length($3) }
    END {
        printf "%-*s  %-*s  %-12s  %s\n", wn, "figure", wv, "value", "goal", "within goal"
        for (i = 0; i < n; i++) printf "%-*s  %-*s  %-12s  %s\n", wn, name[i], wv, value[i], goal[i], met[i]
    }'
