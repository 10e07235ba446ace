# Installs the Debian packages a script needs, when they are missing. Sourced by run.sh and test.sh.

# Packages by purpose.
PAKETE_BAUEN="g++ cmake make ninja-build ccache pkg-config qt6-base-dev qt6-svg-dev"
PAKETE_LAUFEN="qt6-translations-l10n fonts-liberation qt6-qpa-plugins"
PAKETE_TESTEN="libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev xvfb xauth"
PAKETE_FUZZ="clang libclang-rt-14-dev"
# Building and checking the Debian package (scripts/paket_pruefen.sh).
PAKETE_PAKET="dpkg-dev file desktop-file-utils appstream"

installiere_pakete() {
    if ! command -v dpkg-query >/dev/null 2>&1; then
        echo "Kein Debian-System: bitte installieren Sie selbst: $*" >&2
        return 0
    fi
    local fehlend=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || fehlend+=("$p")
    done
    [ ${#fehlend[@]} -eq 0 ] && return 0
    local als=""
    if [ "$(id -u)" -ne 0 ]; then
        als="sudo"
    fi
    echo "Installiere: ${fehlend[*]}"
    $als apt-get update -q
    DEBIAN_FRONTEND=noninteractive $als apt-get install -y -q --no-install-recommends "${fehlend[@]}"
}

# CMake options shared by the scripts: Ninja and, when present, ccache.
cmake_optionen() {
    local o=(-G Ninja)
    command -v ccache >/dev/null 2>&1 && o+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    echo "${o[@]}"
}
