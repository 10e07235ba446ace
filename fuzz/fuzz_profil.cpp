// The settings file: any bytes read, a key written, read again: the key reads back, every other
// key reads as before.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>

#include "profil.h"
#include "textdatei.h"

namespace {

std::string Gross(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string Getrimmt(const std::string& s) {
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

// Every (section, key) the text names, in upper case, with the spelling to ask for it.
std::map<std::pair<std::string, std::string>, std::pair<std::string, std::string>> Schluessel(
    const std::string& text) {
    std::map<std::pair<std::string, std::string>, std::pair<std::string, std::string>> alle;
    std::string abschnitt;
    for (const std::string& zeile : quintor::TeileZeilen(text)) {
        const std::string t = Getrimmt(zeile);
        if (!t.empty() && t[0] == '[') {
            const auto ende = t.find(']');
            if (ende != std::string::npos) abschnitt = Getrimmt(t.substr(1, ende - 1));
            continue;
        }
        const auto gleich = zeile.find('=');
        if (gleich == std::string::npos) continue;
        const std::string schluessel = Getrimmt(zeile.substr(0, gleich));
        alle[{Gross(abschnitt), Gross(schluessel)}] = {abschnitt, schluessel};
    }
    return alle;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzedDataProvider d(daten, groesse);
    const std::string abschnitt = d.ConsumeRandomLengthString(20);
    const std::string schluessel = d.ConsumeRandomLengthString(20);
    const std::string wert = d.ConsumeRandomLengthString(40);
    const std::string bytes = d.ConsumeRemainingBytesAsString();

    quintor::Profildatei p = quintor::Profildatei::AusBytes(bytes);
    const auto vorher = Schluessel(p.Text());
    std::map<std::pair<std::string, std::string>, std::optional<std::string>> werte;
    for (const auto& [k, namen] : vorher) werte[k] = p.Lies(namen.first, namen.second);

    const bool geschrieben = p.Schreibe(abschnitt, schluessel, wert);
    if (geschrieben != (quintor::Profildatei::NameSchreibbar(abschnitt, true) &&
                        quintor::Profildatei::NameSchreibbar(schluessel, false)))
        std::abort();
    // Read back from the bytes, as the next opening of the file does.
    const quintor::Profildatei neu = quintor::Profildatei::AusBytes(p.Bytes());
    if (geschrieben) {
        std::string erwartet;
        for (std::size_t i = 0; i < wert.size(); ++i) {
            if (wert[i] == '\r' && i + 1 < wert.size() && wert[i + 1] == '\n') ++i;
            erwartet.push_back(wert[i] == '\r' || wert[i] == '\n' ? ' ' : wert[i]);
        }
        const auto gelesen = neu.Lies(abschnitt, schluessel);
        if (!gelesen || *gelesen != neu.LiesText(abschnitt, schluessel, "") ||
            Getrimmt(*gelesen) != *gelesen)
            std::abort();
        if (erwartet.size() <= 2047 && Getrimmt(erwartet) == erwartet &&
            erwartet.find('\0') == std::string::npos && *gelesen != erwartet)
            std::abort();
    }
    for (const auto& [k, namen] : vorher) {
        // Names are trimmed and fold case beyond a to z: the written entry may be spelt otherwise.
        if (geschrieben && quintor::Profildatei::GleicherName(namen.first, abschnitt) &&
            quintor::Profildatei::GleicherName(namen.second, schluessel))
            continue;
        if (neu.Lies(namen.first, namen.second) != werte[k]) std::abort();
    }
    return 0;
}
