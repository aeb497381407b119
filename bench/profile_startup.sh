#!/usr/bin/env bash
# Counts the instructions of the one-label window and of Sumora up to their first frame with callgrind, and prints
# where they go (bench/callgrind_table.py). Instruction counts repeat from run to run, unlike times.
#
#   bash bench/profile_startup.sh [OUTDIR]     (build/ must hold the benchmark programs: bash scripts/bench.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

out="${1:-build/callgrind}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
for program in build/bench/sumora_bench_minimal build/bench/sumora_bench_startup; do
    [ -x "$program" ] || { echo "$program is missing: bash scripts/bench.sh builds it" >&2; exit 1; }
done
command -v valgrind > /dev/null || { echo "valgrind is missing (Debian package valgrind)" >&2; exit 1; }

runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"

# The probe ends each program at its first frame (SUMORA_BENCH_EXIT_AT_FRAME); its clock reading is not used here.
dbus-run-session -- bash scripts/xsession.sh bash -c '
    set -euo pipefail
    for name in minimal startup; do
        required=""; [ "$name" = startup ] && required=Label1_20
        SUMORA_BENCH_T0=0 SUMORA_BENCH_EXIT_AT_FRAME=1 SUMORA_BENCH_REQUIRE="$required" \
            valgrind --tool=callgrind --callgrind-out-file="$1/$name.out" build/bench/sumora_bench_$name \
            > "$1/$name.log" 2>&1
    done' profile "$out" 2>&1 | grep -v 'Failed to set fd limit' || true
[ -s "$out/minimal.out" ] && [ -s "$out/startup.out" ] || { echo "callgrind wrote no profile; see $out/*.log" >&2; exit 1; }

/usr/bin/python3 bench/callgrind_table.py "$out/minimal.out" "$out/startup.out"
echo
echo "profiles: $out/minimal.out $out/startup.out (callgrind_annotate --inclusive=yes FILE shows more)"
