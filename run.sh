#!/usr/bin/env bash
# Builds Quintor and starts it. Installs what it needs on Debian 12.
# Until the windows exist this runs the batch runner on the oscillator example.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/pakete.sh
# shellcheck disable=SC2086
installiere_pakete $PAKETE_BAUEN

# shellcheck disable=SC2046
cmake -S . -B build-run $(cmake_optionen) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTOR_TESTS=OFF \
    -DQUINTOR_BENCH=OFF
cmake --build build-run --target quintor-batch
exec build-run/src/batch/quintor-batch "$@" examples/oszillator.sim
