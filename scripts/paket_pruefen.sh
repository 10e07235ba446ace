#!/usr/bin/env bash
# Builds the Debian package from a build folder (default: build), lists its contents and checks
# that every installed file is in it and that desktop entry and AppStream metadata are valid.
# Usage: scripts/paket_pruefen.sh [BUILD-ORDNER]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/pakete.sh
# shellcheck disable=SC2086
installiere_pakete $PAKETE_BAUEN $PAKETE_LAUFEN $PAKETE_PAKET

ID=de.quintor.Quintor
BUILD=${1:-build}
AUSGABE="$BUILD/paket"

fehler() {
    echo "Paketprüfung fehlgeschlagen: $*" >&2
    exit 1
}

# Configure again (keeps the cached options) so that new files are picked up, then build.
if [ -f "$BUILD/CMakeCache.txt" ]; then
    cmake -S . -B "$BUILD" >/dev/null
else
    # shellcheck disable=SC2046
    cmake -S . -B "$BUILD" $(cmake_optionen) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD"

rm -rf "$AUSGABE"
mkdir -p "$AUSGABE"
cpack --config "$BUILD/CPackConfig.cmake" -B "$AUSGABE" -G DEB \
    || fehler "cpack konnte das Paket nicht bauen."
shopt -s nullglob
debs=("$AUSGABE"/quintor_*.deb)
shopt -u nullglob
[ ${#debs[@]} -eq 1 ] || fehler "In $AUSGABE liegt nicht genau ein Paket quintor_*.deb."
DEB=${debs[0]}

echo "== Paket $DEB"
dpkg-deb -f "$DEB"
echo "== Inhalt"
dpkg-deb -c "$DEB" | tee "$AUSGABE/inhalt.txt"

WURZEL="$AUSGABE/wurzel"
dpkg-deb -x "$DEB" "$WURZEL" || fehler "Das Paket lässt sich nicht auspacken."

fehlend=()
erwarte() {
    [ -f "$WURZEL/$1" ] || fehlend+=("/$1")
}
erwarte usr/bin/quintor
erwarte usr/bin/quintor-batch
erwarte "usr/share/applications/$ID.desktop"
erwarte "usr/share/icons/hicolor/scalable/apps/$ID.svg"
erwarte "usr/share/metainfo/$ID.metainfo.xml"

# Every example model and every help page of the source tree.
beispiele=0
for f in examples/*; do
    [ -f "$f" ] || continue
    erwarte "usr/share/quintor/beispiele/${f#examples/}"
    beispiele=$((beispiele + 1))
done
[ "$beispiele" -gt 0 ] || fehler "Im Quellbaum liegen keine Beispielmodelle in examples/."
hilfeseiten=0
if [ -d data/hilfe ]; then
    while IFS= read -r -d '' f; do
        case "$f" in *.qrc | */CMakeLists.txt | *.cmake) continue ;; esac
        erwarte "usr/share/doc/quintor/hilfe/${f#data/hilfe/}"
        case "$f" in *.html) hilfeseiten=$((hilfeseiten + 1)) ;; esac
    done < <(find data/hilfe -type f -print0)
fi
[ "$hilfeseiten" -gt 0 ] || fehler "Keine Hilfeseiten (data/hilfe/*.html) gefunden."

if [ ${#fehlend[@]} -gt 0 ]; then
    printf '  fehlt: %s\n' "${fehlend[@]}" >&2
    fehler "Im Paket fehlen ${#fehlend[@]} Dateien (siehe oben)."
fi
for p in quintor quintor-batch; do
    [ -x "$WURZEL/usr/bin/$p" ] || fehler "/usr/bin/$p ist nicht ausführbar."
done

# Package fields. The names in Depends, one a line, without versions and alternatives' bars.
abh=$(dpkg-deb -f "$DEB" Depends)
namen=$(tr ',|' '\n\n' <<<"$abh" | sed -e 's/(.*)//' -e 's/:any//' -e 's/[[:space:]]//g')
for p in libqt6widgets6 libqt6printsupport6 libqt6svg6 fonts-liberation qt6-translations-l10n \
    qt6-qpa-plugins; do
    grep -qx -- "$p" <<<"$namen" || fehler "Das Paket hängt nicht von $p ab (Depends: $abh)."
done
[ "$(dpkg-deb -f "$DEB" Package)" = quintor ] || fehler "Der Paketname ist nicht quintor."

# Desktop entry and AppStream metadata, as packaged.
desktop="$WURZEL/usr/share/applications/$ID.desktop"
desktop-file-validate "$desktop" || fehler "desktop-file-validate meldet Fehler in $ID.desktop."
grep -qx "Icon=$ID" "$desktop" || fehler "$ID.desktop nennt nicht das Symbol $ID."
grep -qx "Exec=quintor" "$desktop" || fehler "$ID.desktop startet nicht quintor."
appstreamcli validate --no-net "$WURZEL/usr/share/metainfo/$ID.metainfo.xml" \
    || fehler "appstreamcli validate meldet Fehler in $ID.metainfo.xml."
appstreamcli validate-tree --no-net "$WURZEL" \
    || fehler "appstreamcli validate-tree meldet Fehler im ausgepackten Paket."

# The packaged (stripped) batch runner computes a packaged example.
"$WURZEL/usr/bin/quintor-batch" -n 3 "$WURZEL/usr/share/quintor/beispiele/oszillator.sim" \
    >/dev/null || fehler "Das gepackte quintor-batch rechnet das Beispiel oszillator.sim nicht."

echo "Paket geprüft: $(basename "$DEB") mit $(wc -l <"$AUSGABE/inhalt.txt") Einträgen," \
    "$beispiele Beispieldateien und $hilfeseiten Hilfeseiten."
