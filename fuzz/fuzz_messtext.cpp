// Measured data as text. Any bytes: no crash, and the counts agree with the points. Then the
// bytes are read as a recipe for a text of well-formed lines (two numbers, one separator, any
// decimal mark, padding, line end and encoding) mixed with empty and bad lines: every
// well-formed line gives exactly one point with exactly its two values, and every bad line is
// counted once.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "messdatei.h"

namespace {

using quintor::Messtext;

void PruefeBeliebig(std::string_view bytes) {
    const Messtext m = quintor::LeseMesstext(bytes, 50);
    quintor::ErkenneMessformat(bytes);
    if (m.punkte.size() != std::min<std::size_t>(m.gefunden, 50)) std::abort();
    for (const auto& [x, y] : m.punkte)
        if (!std::isfinite(x) || !std::isfinite(y)) std::abort();
    if ((m.fehler == quintor::Messtextfehler::Keiner) != (m.gefunden > 0)) std::abort();
    if (quintor::MesstextFehlermeldung(m).empty() != (m.gefunden > 0)) std::abort();
    if (m.kopfX.size() > 80 || m.kopfY.size() > 80) std::abort();
}

class Rezept {
  public:
    explicit Rezept(std::string_view b) : b_(b) {}
    bool Leer() const { return i_ >= b_.size(); }
    unsigned Byte() { return i_ < b_.size() ? static_cast<unsigned char>(b_[i_++]) : 0; }
    float Zahl() {
        std::uint32_t bits = 0;
        for (int k = 0; k < 4; ++k) bits = (bits << 8) | Byte();
        float x;
        std::memcpy(&x, &bits, sizeof x);
        return x;
    }

  private:
    std::string_view b_;
    std::size_t i_ = 0;
};

// Shortest text that reads back as x; with `punkt` it always holds a decimal point.
std::string Text(float x, bool punkt, bool komma) {
    char puffer[64];
    std::string t(puffer, std::to_chars(puffer, puffer + sizeof puffer, x).ptr);
    if (punkt && t.find('.') == std::string::npos) {
        const std::size_t e = t.find('e');
        t.insert(e == std::string::npos ? t.size() : e, ".0");
    }
    if (komma)
        for (char& c : t)
            if (c == '.') c = ',';
    return t;
}

void PruefeRezept(std::string_view bytes) {
    Rezept r(bytes);
    const unsigned stil = r.Byte();
    const bool kommaDatei = stil & 1, kopf = stil & 2;
    std::string text = kopf ? "Zeit;Weg" : "";
    std::vector<std::pair<float, float>> erwartet;
    std::size_t schlecht = 0;
    bool mehr = false;
    bool leer = !kopf;  // nothing but empty lines so far: a bad line would name the columns
    const auto zeilenende = [&](unsigned wahl) {
        static const char* const kEnden[] = {"\n", "\r\n", "\r"};
        text += kEnden[wahl % 3];
    };
    if (kopf) zeilenende(r.Byte());
    while (!r.Leer()) {
        const unsigned art = r.Byte();
        if (art % 8 == 7 && !leer) {  // a bad line, printable, never starting like a number
            text += '#';
            for (unsigned n = r.Byte() % 8; n > 0; --n)
                text += static_cast<char>(0x20 + r.Byte() % 95);
            ++schlecht;
        } else if (art % 8 == 6) {
            text += (art & 8) ? " ;\t" : "";
        } else {
            const float x = r.Zahl(), y = r.Zahl();
            if (!std::isfinite(x) || !std::isfinite(y)) continue;
            static const char kTrenner[] = {'\t', ';', ' ', ','};
            char trenner = kTrenner[(art >> 3) % 4];
            if (trenner == ',' && !kommaDatei) trenner = ';';
            // Decimal commas only where no comma can separate; one mark per blank line.
            const bool komma = (art & 32) && trenner != ',' && !(kommaDatei && trenner == ' ');
            const bool punkt = trenner == ',';
            const std::string rand = (art & 64) && trenner != ' ' ? "  " : "";
            text += rand + Text(x, punkt, komma) + rand + trenner;
            if (trenner == ' ') text += std::string(art >> 7, ' ');
            text += rand + Text(y, punkt, komma) + rand;
            if (art & 4) {
                text += trenner;
                text += "7";
                mehr = true;
            }
            erwartet.emplace_back(x, y);
            leer = false;
        }
        zeilenende(art >> 1);
    }
    if (erwartet.empty()) return;
    std::string datei = text;
    if (stil & 4) datei = "\xEF\xBB\xBF" + text;
    if (stil & 8) {  // UTF-16, both byte orders, the text being ASCII
        const bool klein = stil & 16;
        datei = klein ? "\xFF\xFE" : "\xFE\xFF";
        for (char c : text) datei += klein ? std::string{c, '\0'} : std::string{'\0', c};
    }
    const Messtext m = quintor::LeseMesstext(datei);
    if (m.punkte.size() != erwartet.size() || m.uebersprungen != schlecht ||
        m.mehrSpalten != mehr || (kopf && (m.kopfX != "Zeit" || m.kopfY != "Weg")))
        std::abort();
    for (std::size_t i = 0; i < erwartet.size(); ++i)
        if (std::memcmp(&m.punkte[i], &erwartet[i], sizeof erwartet[i]) != 0) std::abort();
    if (quintor::ErkenneMessformat(datei) != quintor::Messformat::Text) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    PruefeBeliebig(bytes);
    PruefeRezept(bytes);
    return 0;
}
