#include "profil.h"

#include "textdatei.h"

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
    p.zeilen_ = TeileZeilen(text);
    return p;
}

std::optional<std::string> Profildatei::Lies(std::string_view abschnitt,
                                             std::string_view schluessel) const {
    bool imAbschnitt = false;
    for (const std::string& zeile : zeilen_) {
        if (auto name = Abschnittsname(zeile)) {
            imAbschnitt = GleichOhneGross(*name, abschnitt);
            continue;
        }
        if (!imAbschnitt) continue;
        const std::size_t gleich = zeile.find('=');
        if (gleich == std::string::npos) continue;
        if (!GleichOhneGross(Getrimmt(std::string_view(zeile).substr(0, gleich)), schluessel))
            continue;
        std::string_view wert = Getrimmt(std::string_view(zeile).substr(gleich + 1));
        return std::string(ErsteZeichen(wert, kMaxWert));
    }
    return std::nullopt;
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
