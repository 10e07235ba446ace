#!/usr/bin/env bash
# Builds Quintor and starts it. Installs what it needs on Debian 12.
# Arguments go to the program (for example the path of a measurement file).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/pakete.sh
# shellcheck disable=SC2086
installiere_pakete $PAKETE_BAUEN $PAKETE_LAUFEN

# shellcheck disable=SC2046
cmake -S . -B build-run $(cmake_optionen) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTOR_TESTS=OFF \
    -DQUINTOR_BENCH=OFF
cmake --build build-run --target quintor quintor-batch
exec build-run/src/main/quintor "$@"
