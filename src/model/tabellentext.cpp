#include "tabellentext.h"

#include <charconv>

#include "text.h"
#include "zahltext.h"

namespace quintor {

std::string Auffuellen(std::string_view name) {
    const auto laenge = static_cast<long>(Zeichenzahl(name));
    return laenge < 10 ? std::string(static_cast<std::size_t>(10 - laenge), ' ') : std::string();
}

std::string TabZahlText(float x) {
    return Zahltext(x, kTabellenformat);
}

std::string TitelZeile(const Modell& modell, const std::vector<std::int32_t>& auswahl) {
    std::string zeile;
    for (std::int32_t nr : auswahl) {
        const std::string& name = modell.Variablen[static_cast<std::size_t>(nr)].Name;
        zeile += "  ";
        zeile += name;
        zeile += Auffuellen(name);
    }
    return zeile;
}

void HaengeDatenZeileAn(std::string& aus, const Modell& modell,
                        const std::vector<std::int32_t>& auswahl) {
    for (std::int32_t nr : auswahl) {
        HaengeZahltextAn(aus, modell.Variablen[static_cast<std::size_t>(nr)].Wert, kTabellenformat);
        aus += "  ";
    }
}

std::string DatenZeile(const Modell& modell, const std::vector<std::int32_t>& auswahl) {
    std::string zeile;
    HaengeDatenZeileAn(zeile, modell, auswahl);
    return zeile;
}

std::string KuerzesterText(float x) {
    char puffer[32];
    auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x);
    (void)fehler;
    return std::string(puffer, ende);
}

}  // namespace quintor
