#!/usr/bin/env bash
# Builds Quintor and runs every test: the normal build, then everything again under
# AddressSanitizer and UndefinedBehaviorSanitizer, then every fuzz target briefly over its
# corpus, then builds and checks the Debian package.
# Installs what it needs on Debian 12.
# No test depends on timing, so a busy machine only makes it slower. During development the
# quick tests alone: ctest --test-dir build -LE slow
set -euo pipefail
cd "$(dirname "$0")"
. scripts/pakete.sh
# shellcheck disable=SC2086
installiere_pakete $PAKETE_BAUEN $PAKETE_LAUFEN $PAKETE_TESTEN $PAKETE_FUZZ $PAKETE_PAKET

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

# Every reader of user input under the fuzzer, about 20 seconds each.
fuzz/run.sh 20

# The Debian package: built, listed and checked.
scripts/paket_pruefen.sh build

echo "Alle Tests bestanden."
