#include "csv.h"

#include <algorithm>

#include "tabellentext.h"

namespace quintor {

namespace {

char Trenner(Austauschform f) {
    return f == Austauschform::Csv ? ';' : '\t';
}

const char* Zeilenende(Austauschform f) {
    return f == Austauschform::Csv ? "\r\n" : "\n";
}

void HaengeNameAn(std::string& aus, const std::string& name, Austauschform f) {
    // A cell beginning like this would be computed as a formula when the file is opened.
    const bool formel =
        !name.empty() && std::string_view("=+-@").find(name[0]) != std::string::npos;
    const std::string zelle = formel ? "'" + name : name;
    const bool zitieren =
        zelle.find_first_of(std::string{Trenner(f), '"', '\r', '\n'}) != std::string::npos ||
        (!zelle.empty() && (zelle.front() == ' ' || zelle.back() == ' '));
    if (!zitieren) {
        aus += zelle;
        return;
    }
    aus.push_back('"');
    for (char c : zelle) {
        if (c == '"') aus.push_back('"');
        aus.push_back(c);
    }
    aus.push_back('"');
}

}  // namespace

std::string KommaZahl(float x) {
    std::string text = KuerzesterText(x);
    for (char& c : text) {
        if (c == '.') c = ',';
        if (c == 'e') c = 'E';
    }
    return text;
}

void HaengeKopfAn(std::string& aus, const std::vector<std::string>& namen, Austauschform f) {
    for (std::size_t i = 0; i < namen.size(); ++i) {
        if (i) aus.push_back(Trenner(f));
        HaengeNameAn(aus, namen[i], f);
    }
    aus += Zeilenende(f);
}

void HaengeWerteAn(std::string& aus, const float* werte, std::size_t anzahl, Austauschform f) {
    for (std::size_t i = 0; i < anzahl; ++i) {
        if (i) aus.push_back(Trenner(f));
        aus += KommaZahl(werte[i]);
    }
    aus += Zeilenende(f);
}

void Tabellenwerte::Leere() {
    zeilen_.clear();
    werte_.clear();
    titel_.clear();
}

void Tabellenwerte::Titel(const Modell& modell, const std::vector<std::int32_t>& spalten) {
    std::vector<std::string> namen;
    for (std::int32_t nr : spalten) namen.push_back(modell.Variablen[std::size_t(nr)].Name);
    // A continuation under the same names keeps its title: the header is not repeated.
    if (titel_.empty() || titel_.back() != namen) titel_.push_back(std::move(namen));
    zeilen_.push_back({-1, std::int32_t(titel_.size()) - 1});
}

void Tabellenwerte::Leerzeile() {
    zeilen_.push_back({-1, std::int32_t(titel_.size()) - 1});
}

void Tabellenwerte::Daten(const Modell& modell, const std::vector<std::int32_t>& spalten) {
    if (titel_.empty() || titel_.back().size() != spalten.size()) {
        std::vector<std::string> namen;
        for (std::int32_t nr : spalten) namen.push_back(modell.Variablen[std::size_t(nr)].Name);
        titel_.push_back(std::move(namen));
    }
    zeilen_.push_back({std::int64_t(werte_.size()), std::int32_t(titel_.size()) - 1});
    for (std::int32_t nr : spalten) werte_.push_back(modell.Variablen[std::size_t(nr)].Wert);
}

bool Tabellenwerte::HatWerte(std::size_t von, std::size_t bis) const {
    bis = std::min(bis, zeilen_.size());
    for (std::size_t i = von; i < bis; ++i)
        if (zeilen_[i].beginn >= 0) return true;
    return false;
}

std::string Tabellenwerte::Text(Austauschform f, std::size_t von, std::size_t bis) const {
    std::string aus;
    if (f == Austauschform::Csv) aus += kBom;
    bis = std::min(bis, zeilen_.size());
    std::int32_t kopf = -1;
    for (std::size_t i = von; i < bis; ++i) {
        const Zeile& z = zeilen_[i];
        if (z.beginn < 0) continue;
        const std::vector<std::string>& namen = titel_[std::size_t(z.titel)];
        if (kopf < 0 || titel_[std::size_t(kopf)] != namen) HaengeKopfAn(aus, namen, f);
        kopf = z.titel;
        HaengeWerteAn(aus, werte_.data() + z.beginn, namen.size(), f);
    }
    return aus;
}

}  // namespace quintor
