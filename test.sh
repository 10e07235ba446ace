#!/usr/bin/env bash
# Builds Quintor and runs every test: the normal build, then the core again under
# AddressSanitizer and UndefinedBehaviorSanitizer. Installs what it needs on Debian 12.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/pakete.sh
# shellcheck disable=SC2086
installiere_pakete $PAKETE_BAUEN $PAKETE_LAUFEN $PAKETE_TESTEN

# shellcheck disable=SC2046
cmake -S . -B build $(cmake_optionen) -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"

# shellcheck disable=SC2046
cmake -S . -B build-asan $(cmake_optionen) -DCMAKE_BUILD_TYPE=Debug -DQUINTOR_SANITIZE=ON \
    -DQUINTOR_BENCH=OFF
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)"

echo "Alle Tests bestanden."
