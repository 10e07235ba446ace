#include "profil.h"

#include <cstddef>

#include "win1252.h"

namespace quintor {

namespace {

std::string_view Getrimmt(std::string_view s) {
    const auto leer = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && leer(s.front())) s.remove_prefix(1);
    while (!s.empty() && leer(s.back())) s.remove_suffix(1);
    return s;
}

// The capital of a letter that has exactly one small and one capital form, in Latin-1, Latin
// Extended-A, Greek and Cyrillic; every other character is its own. Fixed tables, no locale.
char32_t Grossform(char32_t c) {
    if (c < 0x80) return c >= 'a' && c <= 'z' ? c - 0x20 : c;
    if (c < 0x100) {
        if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
        return c == 0xFF ? 0x178 : c;  // ÿ, whose capital Ÿ lies beyond Latin-1
    }
    // Latin Extended-A: pairs of capital and small; ı, İ, ĸ, ŉ and ſ stand alone.
    const bool paarGerade = (c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) ||
                            (c >= 0x14A && c <= 0x177) || (c >= 0x460 && c <= 0x481) ||
                            (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x4FF);
    if (paarGerade) return c & ~char32_t{1};
    const bool paarUngerade =
        (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E) || (c >= 0x4C1 && c <= 0x4CE);
    if (paarUngerade) return c % 2 == 0 ? c - 1 : c;
    // Greek.
    if (c == 0x3C2) return 0x3A3;  // final sigma
    if ((c >= 0x3B1 && c <= 0x3C1) || (c >= 0x3C3 && c <= 0x3CB)) return c - 0x20;
    if (c == 0x3AC) return 0x386;
    if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
    if (c == 0x3CC) return 0x38C;
    if (c >= 0x3CD && c <= 0x3CE) return c - 0x3F;
    // Cyrillic.
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    if (c == 0x4CF) return 0x4C0;
    return c;
}

// The next character of a UTF-8 text; a byte that starts no well-formed sequence stands for
// itself (beyond the range of characters), so that it matches only the same byte.
char32_t NaechstesZeichen(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    const std::size_t laenge = b0 < 0x80         ? 1
                               : (b0 >> 5) == 6  ? 2
                               : (b0 >> 4) == 14 ? 3
                               : (b0 >> 3) == 30 ? 4
                                                 : 0;
    char32_t c = laenge == 1   ? b0
                 : laenge == 2 ? (b0 & 0x1F)
                 : laenge == 3 ? (b0 & 0x0F)
                               : (b0 & 0x07);
    bool gut = laenge > 0 && i + laenge <= s.size();
    for (std::size_t k = 1; gut && k < laenge; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        gut = (b & 0xC0) == 0x80;
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kKleinster[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!gut || c < kKleinster[laenge]) {
        ++i;
        return 0x110000 + b0;
    }
    i += laenge;
    return c;
}

// Names match as the profile functions match them: case is ignored for every letter.
bool GleichOhneGross(std::string_view a, std::string_view b) {
    std::size_t i = 0, k = 0;
    while (i < a.size() && k < b.size())
        if (Grossform(NaechstesZeichen(a, i)) != Grossform(NaechstesZeichen(b, k))) return false;
    return i == a.size() && k == b.size();
}

// The section name of a line "[name]", or nullopt.
std::optional<std::string_view> Abschnittsname(std::string_view zeile) {
    zeile = Getrimmt(zeile);
    if (zeile.empty() || zeile.front() != '[') return std::nullopt;
    const std::size_t ende = zeile.find(']');
    if (ende == std::string_view::npos) return std::nullopt;
    return Getrimmt(zeile.substr(1, ende - 1));
}

// The first n characters of a UTF-8 text.
std::string_view ErsteZeichen(std::string_view s, std::size_t n) {
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && zeichen++ == n)
            return s.substr(0, i);
    }
    return s;
}

}  // namespace

Profildatei Profildatei::AusText(std::string_view text) {
    Profildatei p;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        const std::size_t laenge =
            text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
        p.zeilen_.push_back(
            {std::string(text.substr(anfang, i - anfang)), std::string(text.substr(i, laenge))});
        i += laenge - 1;
        anfang = i + 1;
    }
    if (anfang < text.size()) p.zeilen_.push_back({std::string(text.substr(anfang)), ""});
    return p;
}

Profildatei Profildatei::AusBytes(std::string_view bytes) {
    Profildatei p = AusText(DateitextZuUtf8(bytes));
    p.kodierung_ = KodierungVon(bytes);
    return p;
}

std::optional<std::size_t> Profildatei::Finde(std::string_view abschnitt,
                                              std::string_view schluessel) const {
    // The names asked for are trimmed like the names in the file.
    abschnitt = Getrimmt(abschnitt);
    schluessel = Getrimmt(schluessel);
    bool imAbschnitt = false;
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        const std::string_view zeile = zeilen_[i].text;
        if (auto name = Abschnittsname(zeile)) {
            imAbschnitt = GleichOhneGross(*name, abschnitt);
            continue;
        }
        if (!imAbschnitt) continue;
        const std::size_t gleich = zeile.find('=');
        if (gleich == std::string_view::npos) continue;
        if (GleichOhneGross(Getrimmt(zeile.substr(0, gleich)), schluessel)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> Profildatei::Lies(std::string_view abschnitt,
                                             std::string_view schluessel) const {
    const std::optional<std::size_t> i = Finde(abschnitt, schluessel);
    if (!i) return std::nullopt;
    const std::string_view zeile = zeilen_[*i].text;
    const std::string_view wert = Getrimmt(zeile.substr(zeile.find('=') + 1));
    return std::string(ErsteZeichen(wert, kMaxWert));
}

std::string Profildatei::LiesText(std::string_view abschnitt, std::string_view schluessel,
                                  std::string_view vorgabe) const {
    if (auto w = Lies(abschnitt, schluessel)) return *w;
    return std::string(vorgabe);
}

std::int32_t Profildatei::LiesZahl(std::string_view abschnitt, std::string_view schluessel,
                                   std::int32_t vorgabe) const {
    if (auto w = Lies(abschnitt, schluessel))
        if (auto z = LeseGanzzahl(*w)) return *z;
    return vorgabe;
}

bool Profildatei::GleicherName(std::string_view a, std::string_view b) {
    return GleichOhneGross(Getrimmt(a), Getrimmt(b));
}

bool Profildatei::NameSchreibbar(std::string_view name, bool abschnitt) {
    name = Getrimmt(name);
    if (name.find_first_of("\r\n") != std::string_view::npos) return false;
    if (abschnitt) return name.find(']') == std::string_view::npos;
    // "[" first could make the line a section line once the value holds a "]".
    return name.find('=') == std::string_view::npos && (name.empty() || name.front() != '[');
}

std::string Profildatei::NeuerUmbruch() const {
    std::size_t crlf = 0, lf = 0, cr = 0;
    for (const Zeile& z : zeilen_) {
        if (z.umbruch == "\r\n")
            ++crlf;
        else if (z.umbruch == "\n")
            ++lf;
        else if (z.umbruch == "\r")
            ++cr;
    }
    if (lf > crlf && lf >= cr) return "\n";
    if (cr > crlf && cr > lf) return "\r";
    return "\r\n";
}

void Profildatei::FuegeEin(std::size_t vor, std::string text) {
    const std::string umbruch = NeuerUmbruch();
    if (vor > 0 && zeilen_[vor - 1].umbruch.empty()) zeilen_[vor - 1].umbruch = umbruch;
    zeilen_.insert(zeilen_.begin() + static_cast<std::ptrdiff_t>(vor),
                   Zeile{std::move(text), umbruch});
}

bool Profildatei::Schreibe(std::string_view abschnitt, std::string_view schluessel,
                           std::string_view wert) {
    if (!NameSchreibbar(abschnitt, true) || !NameSchreibbar(schluessel, false)) return false;
    abschnitt = Getrimmt(abschnitt);
    schluessel = Getrimmt(schluessel);
    // The value must stay on its line: each break (CR LF, CR or LF) becomes one blank.
    std::string neu;
    neu.reserve(wert.size());
    for (std::size_t i = 0; i < wert.size(); ++i) {
        if (wert[i] == '\r' && i + 1 < wert.size() && wert[i + 1] == '\n') ++i;
        neu.push_back(wert[i] == '\r' || wert[i] == '\n' ? ' ' : wert[i]);
    }

    if (const std::optional<std::size_t> i = Finde(abschnitt, schluessel)) {
        std::string& zeile = zeilen_[*i].text;
        const std::size_t gleich = zeile.find('=');
        // An unchanged value keeps the line's own blanks, so saving again changes no byte.
        const std::string_view alt = std::string_view(zeile).substr(gleich + 1);
        if (alt == neu || Getrimmt(alt) == neu) return true;
        zeile = std::string(Getrimmt(std::string_view(zeile).substr(0, gleich))) + "=" + neu;
        return true;
    }

    const std::string eintrag = std::string(schluessel) + "=" + neu;
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        const auto name = Abschnittsname(zeilen_[i].text);
        if (!name || !GleichOhneGross(*name, abschnitt)) continue;
        std::size_t nach = i;
        for (std::size_t k = i + 1; k < zeilen_.size() && !Abschnittsname(zeilen_[k].text); ++k)
            if (zeilen_[k].text.find('=') != std::string::npos) nach = k;
        FuegeEin(nach + 1, eintrag);
        return true;
    }
    FuegeEin(zeilen_.size(), "[" + std::string(abschnitt) + "]");
    FuegeEin(zeilen_.size(), eintrag);
    return true;
}

bool Profildatei::SchreibeZahl(std::string_view abschnitt, std::string_view schluessel,
                               std::int32_t wert) {
    return Schreibe(abschnitt, schluessel, std::to_string(wert));
}

std::string Profildatei::Text() const {
    std::string text;
    for (const Zeile& z : zeilen_) text += z.text + z.umbruch;
    return text;
}

std::string Profildatei::Bytes() const {
    return Utf8ZuDateitext(Text(), kodierung_);
}

std::optional<std::int32_t> LeseGanzzahl(std::string_view s) {
    bool negativ = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negativ = s[0] == '-';
        s.remove_prefix(1);
    }
    int basis = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        basis = 16;
        s.remove_prefix(2);
    } else if (s.size() > 1 && s[0] == '$') {
        basis = 16;
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    std::int64_t wert = 0;
    for (char c : s) {
        int ziffer;
        if (c >= '0' && c <= '9')
            ziffer = c - '0';
        else if (basis == 16 && c >= 'a' && c <= 'f')
            ziffer = c - 'a' + 10;
        else if (basis == 16 && c >= 'A' && c <= 'F')
            ziffer = c - 'A' + 10;
        else
            return std::nullopt;
        wert = wert * basis + ziffer;
        if (wert > 0x100000000LL) return std::nullopt;
    }
    if (basis == 16 && !negativ && wert <= 0xFFFFFFFFLL) {
        // Hexadecimal texts give the bit pattern of the 32-bit value.
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(wert));
    }
    if (negativ) wert = -wert;
    if (wert < INT32_MIN || wert > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(wert);
}

}  // namespace quintor
