#include "scan.h"

#include <algorithm>
#include <string>

#include "text.h"
#include "uebersetzer.h"
#include "zahltext.h"

namespace quintor {

Zerlegung ZerlegeZeile(std::string_view zeile) {
    Zerlegung z;
    const std::size_t p = zeile.rfind(":=");
    if (p == std::string_view::npos) return z;
    z.ok = true;
    z.links = std::string(zeile.substr(0, p));
    z.rechts = std::string(zeile.substr(p + 2));
    return z;
}

bool LinksVorhanden(const Modell& modell, std::string_view links) {
    const std::string gross = Grossbuchstaben(links);
    for (std::int32_t i = 1; i <= modell.Variablenzahl; ++i)
        if (modell.Variablen[static_cast<std::size_t>(i)].Name == gross) return true;
    return false;
}

namespace {

constexpr const char* kZuVieleVariable = "Zu viele Variable! Die Maximalzahl ist 100.";
constexpr const char* kZuVieleGleichungen = "Zu viele Gleichungen! Die Maximalzahl ist 100.";

}  // namespace

std::vector<std::string> OhneLeerzeilen(std::vector<std::string> zeilen) {
    std::vector<std::string> kompakt;
    kompakt.reserve(zeilen.size());
    for (auto& z : zeilen)
        if (!z.empty()) kompakt.push_back(std::move(z));
    return kompakt;
}

Scanergebnis ScanneZeilen(Modell& modell, const std::vector<std::string>& kompakt,
                          Meldungen& meldungen, int* fehlerzeile) {
    const auto fehlerIn = [fehlerzeile](std::size_t i) {
        if (fehlerzeile && *fehlerzeile == 0) *fehlerzeile = static_cast<int>(i + 1);
    };
    if (fehlerzeile) *fehlerzeile = 0;
    modell.GleichungenGeaendert();
    const std::size_t n = kompakt.size();
    if (n == 0) {
        modell.Gleichungszahl = 0;
        modell.Variablenzahl = 0;
        return Scanergebnis::Leer;
    }
    // The list has room for 100 equations: line 101 ends the first pass (unless it is the
    // 101st variable, which has its own message), and nothing of such a text is run.
    modell.Gleichungszahl = static_cast<std::int32_t>(std::min<std::size_t>(n, kMaxGleichungen));

    // First pass: the left sides become the variables, in order.
    modell.Variablenzahl = 0;
    bool allesOk = true;
    for (std::size_t i = 0; i < n; ++i) {
        const Zerlegung z = ZerlegeZeile(kompakt[i]);
        const bool neueVariable = z.ok && !LinksVorhanden(modell, z.links);
        if (i == static_cast<std::size_t>(kMaxGleichungen) &&
            !(neueVariable && modell.Variablenzahl >= kMaxVariablen)) {
            modell.Gleichungszahl = 0;
            fehlerIn(i);
            meldungen.Melde(Meldungsart::Fehler, kZuVieleGleichungen);
            return Scanergebnis::Abgebrochen;
        }
        allesOk = allesOk && z.ok;
        if (!z.ok) {
            fehlerIn(i);
            meldungen.Melde(Meldungsart::Fehler,
                            "In der Zeile " + std::to_string(i + 1) + " fehlt das :=.");
        } else if (!neueVariable) {
            meldungen.Melde(Meldungsart::Warnung, "Die Variable " + z.links +
                                                      " taucht\nauf der linken Seite doppelt auf.");
        } else if (modell.Variablenzahl >= kMaxVariablen) {
            fehlerIn(i);
            meldungen.Melde(Meldungsart::Fehler, kZuVieleVariable);
            return Scanergebnis::Abgebrochen;
        } else {
            ++modell.Variablenzahl;
            modell.Variablen[static_cast<std::size_t>(modell.Variablenzahl)].Name =
                Grossbuchstaben(z.links);
        }
    }
    if (!allesOk) return Scanergebnis::Abgebrochen;

    // Second pass: targets and trees; the compiler appends the names of right sides.
    for (std::size_t i = 0; i < n; ++i) {
        TGleichung& g = modell.Gleichungsliste[i + 1];
        const Zerlegung z = ZerlegeZeile(kompakt[i]);
        const std::string links = Grossbuchstaben(z.links);
        for (std::int32_t k = 1; k <= modell.Variablenzahl; ++k)
            if (links == modell.Variablen[static_cast<std::size_t>(k)].Name) g.Ziel = k;
        try {
            g.Baum = Uebersetze(z.rechts, modell, meldungen);
        } catch (const Gleitkommaueberlauf&) {
            // A number beyond the double range: the scan stops at this line.
            g.Baum.reset();
            fehlerIn(i);
            meldungen.Melde(Meldungsart::Fehler, kGleitkommaueberlauf);
            return Scanergebnis::Abgebrochen;
        }
    }
    return Scanergebnis::Fertig;
}

}  // namespace quintor
