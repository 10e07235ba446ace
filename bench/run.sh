#!/bin/sh
# Builds the step benchmark (Release, in build-bench), runs it and prints the median nanoseconds
# per step with the ratios Rechenschritt/muparser and Rechenschritt/hand loop.
# Extra arguments go to the benchmark, e.g. --benchmark_min_time=2 or --benchmark_repetitions=9.
set -eu
cd "$(dirname "$0")/.."

generator=""
[ -d build-bench ] || ! command -v ninja >/dev/null 2>&1 || generator="-G Ninja"
launcher=""
! command -v ccache >/dev/null 2>&1 || launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
# shellcheck disable=SC2086
cmake -S . -B build-bench $generator $launcher -DCMAKE_BUILD_TYPE=Release -DQUINTOR_TESTS=OFF >/dev/null
cmake --build build-bench --target schritt_bench

# One core of its own keeps the numbers steadier on a small machine.
pin=""
if command -v taskset >/dev/null 2>&1 && [ "$(nproc)" -gt 1 ]; then pin="taskset -c 1"; fi

json=build-bench/schritt_bench.json
status=0
$pin build-bench/bench/schritt_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_out="$json" --benchmark_out_format=json "$@" || status=$?

python3 - "$json" <<'EOF'
import json, sys

daten = json.load(open(sys.argv[1]))
median, cv, gestoert = {}, {}, []
for b in daten["benchmarks"]:
    if b.get("run_type") != "aggregate":
        continue
    modell, weg = b["run_name"].split("/", 1)
    if b["aggregate_name"] == "median":
        median[(modell, weg)] = b["t_step"] * 1e9  # from CPU time
        # Wall time well above CPU time: something else got the core.
        if b["real_time"] > 1.05 * b["cpu_time"]:
            gestoert.append(b["run_name"])
    elif b["aggregate_name"] == "cv":
        cv[(modell, weg)] = b["t_step"] * 100

wege = ["Rechenschritt", "tree_walk", "hand_loop", "muparser"]
modelle = sorted({m for m, _ in median})
print()
print("median ns/step (cv of the repetitions in brackets)")
kopf = f"{'model':<16}" + "".join(f"{w:>19}" for w in wege) + f"{'Q/muparser':>12}{'Q/hand':>9}"
print(kopf)
print("-" * len(kopf))
for m in modelle:
    zeile = f"{m:<16}"
    for w in wege:
        wert = median.get((m, w))
        zeile += f"{'-':>19}" if wert is None else f"{wert:>11.1f} ({cv.get((m, w), 0):4.1f}%)"
    q = median.get((m, "Rechenschritt"))
    for n in ("muparser", "hand_loop"):
        v = median.get((m, n))
        breite = 12 if n == "muparser" else 9
        zeile += f"{q / v:>{breite}.2f}" if q and v else f"{'-':>{breite}}"
    print(zeile)
if gestoert:
    print("\nWARNING: wall time more than 5% above CPU time (machine busy?):", ", ".join(gestoert))
print(f"\n{daten['context'].get('date', '')}, {daten['context'].get('num_cpus', '?')} CPUs, "
      f"load average {daten['context'].get('load_avg', '?')}")
EOF

if [ "$status" -ne 0 ]; then
    echo "schritt_bench exited with $status (a check before the timing failed?)" >&2
fi
exit "$status"
