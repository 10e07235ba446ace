#!/usr/bin/env bash
# Runs every fuzz target for SECONDS (default 20) over its corpus, two at a time per core pair.
# Builds the targets with clang first (build-fuzz). A finding stops with a non-zero status and
# leaves the input in build-fuzz/funde/<target>/; add it as a row to tests/fuzzfunde_test.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden="${1:-20}"
. scripts/pakete.sh
# shellcheck disable=SC2086
installiere_pakete $PAKETE_BAUEN $PAKETE_FUZZ

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUINTOR_FUZZ=ON -DQUINTOR_GUI=OFF -DQUINTOR_TESTS=OFF -DQUINTOR_BENCH=OFF >/dev/null
cmake --build build-fuzz

ziele=(rechte_seite modell zahltext profil textdatei messdatei messtext)
parallel=$(nproc)
status=0
lauf() {
    local ziel=$1
    local korpus=build-fuzz/korpus/$ziel funde=build-fuzz/funde/$ziel
    mkdir -p "$korpus" "$funde"
    # Whole exponents up to 2^31-1 are multiplied out one by one: one such input takes about
    # 20 s in a normal build and several times that with the sanitizers on a busy machine. The
    # per-input time-out only catches a real hang, so it is libFuzzer's own generous default.
    if build-fuzz/fuzz/fuzz_"$ziel" "$korpus" fuzz/korpus/"$ziel" -max_total_time="$sekunden" \
        -timeout=1200 -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$funde/" \
        >build-fuzz/"$ziel".log 2>&1; then
        echo "$ziel: $(grep -m1 'number_of_executed_units' build-fuzz/"$ziel".log | awk '{print $2}') Eingaben, kein Fund"
    else
        echo "$ziel: FUND, siehe build-fuzz/$ziel.log und $funde/" >&2
        return 1
    fi
}
laufend=0
for ziel in "${ziele[@]}"; do
    lauf "$ziel" &
    laufend=$((laufend + 1))
    if [ "$laufend" -ge "$parallel" ]; then
        wait -n || status=1
        laufend=$((laufend - 1))
    fi
done
while [ "$laufend" -gt 0 ]; do
    wait -n || status=1
    laufend=$((laufend - 1))
done
exit "$status"
