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

bool GleichOhneGross(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
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

bool Profildatei::NameSchreibbar(std::string_view name, bool abschnitt) {
    if (name.find_first_of("\r\n") != std::string_view::npos) return false;
    if (Getrimmt(name).size() != name.size()) return false;
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
