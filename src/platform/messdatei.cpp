#include "messdatei.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <optional>

#include "win1252.h"

namespace quintor {

namespace {

float LittleEndian(const char* p) {
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(p[i]);
    return std::bit_cast<float>(bits);
}

}  // namespace

Messdaten LeseMessdaten(std::string_view bytes) {
    Messdaten d;
    d.vollstaendig = bytes.size() % 8 == 0;
    d.punkte.reserve(bytes.size() / 8);
    for (std::size_t i = 0; i + 8 <= bytes.size(); i += 8)
        d.punkte.emplace_back(LittleEndian(bytes.data() + i), LittleEndian(bytes.data() + i + 4));
    return d;
}

namespace {

constexpr std::string_view kUtf8Marke = "\xEF\xBB\xBF";
constexpr std::size_t kLaengsterName = 80;

bool IstLeer(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}
bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}

// Unpaired surrogates become U+FFFD; an odd last byte is dropped.
std::string Utf16ZuUtf8(std::string_view b, bool kleinesEnde) {
    const auto einheit = [&](std::size_t i) -> char32_t {
        const auto x = static_cast<unsigned char>(b[i]), y = static_cast<unsigned char>(b[i + 1]);
        return kleinesEnde ? char32_t(x | (y << 8)) : char32_t((x << 8) | y);
    };
    std::string aus;
    aus.reserve(b.size());
    for (std::size_t i = 0; i + 1 < b.size(); i += 2) {
        char32_t c = einheit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < b.size() && einheit(i + 2) >= 0xDC00 &&
            einheit(i + 2) < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (einheit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        HaengeUtf8An(aus, c);
    }
    return aus;
}

bool IstUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        const std::size_t n = b0 < 0x80         ? 1
                              : (b0 >> 5) == 6  ? 2
                              : (b0 >> 4) == 14 ? 3
                              : (b0 >> 3) == 30 ? 4
                                                : 0;
        if (n == 0 || i + n > s.size()) return false;
        char32_t c = n == 1 ? b0 : n == 2 ? (b0 & 0x1F) : n == 3 ? (b0 & 0x0F) : (b0 & 0x07);
        for (std::size_t k = 1; k < n; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80) return false;
            c = (c << 6) | (b & 0x3F);
        }
        static constexpr char32_t kKleinster[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kKleinster[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += n;
    }
    return true;
}

// The text as UTF-16 decoded to UTF-8, or the bytes themselves (UTF-8 or Windows-1252, told
// apart only where it matters: in the column names). `bekannt` is false for an encoding we
// cannot read.
struct Dekodiert {
    std::string umgewandelt;
    std::string_view roh;
    bool utf16 = false;
    bool bekannt = true;
    std::string_view Text() const { return utf16 ? std::string_view(umgewandelt) : roh; }
};

Dekodiert Dekodiere(std::string_view bytes) {
    Dekodiert d;
    const auto anfang = [&](std::string_view marke) {
        return bytes.substr(0, marke.size()) == marke;
    };
    using namespace std::string_view_literals;
    if (anfang("\xFF\xFE\0\0"sv) || anfang("\0\0\xFE\xFF"sv)) {
        d.bekannt = false;
        return d;
    }
    bool klein = false;
    std::string_view rest = bytes;
    if (anfang("\xFF\xFE"sv) || anfang("\xFE\xFF"sv)) {
        d.utf16 = true;
        klein = bytes[0] == '\xFF';
        rest = bytes.substr(2);
    } else if (bytes.find('\0') != std::string_view::npos) {
        // Without a mark, UTF-16 shows as zero bytes in every other place (ASCII characters).
        std::size_t gerade = 0, ungerade = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (bytes[i] == '\0') ++(i % 2 == 0 ? gerade : ungerade);
        const std::size_t paare = bytes.size() / 2;
        d.utf16 = bytes.size() % 2 == 0 && ((gerade == 0 && ungerade * 2 >= paare) ||
                                            (ungerade == 0 && gerade * 2 >= paare));
        klein = gerade == 0;
        if (!d.utf16) {
            d.bekannt = false;
            return d;
        }
    }
    if (d.utf16)
        d.umgewandelt = Utf16ZuUtf8(rest, klein);
    else
        d.roh = anfang(kUtf8Marke) ? bytes.substr(kUtf8Marke.size()) : bytes;
    return d;
}

std::string_view Getrimmt(std::string_view t) {
    while (!t.empty() && IstLeer(t.front())) t.remove_prefix(1);
    while (!t.empty() && IstLeer(t.back())) t.remove_suffix(1);
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"') {
        t = t.substr(1, t.size() - 2);
        while (!t.empty() && IstLeer(t.front())) t.remove_prefix(1);
        while (!t.empty() && IstLeer(t.back())) t.remove_suffix(1);
    }
    return t;
}

// The first two fields of a line, and whether a further one holds anything.
struct Felder {
    std::string_view feld[2];
    int anzahl = 0;
    bool weitere = false;
};

// 0 for runs of blanks.
char Trenner(std::string_view zeile, bool kommaTrennt) {
    if (zeile.find('\t') != std::string_view::npos) return '\t';
    if (zeile.find(';') != std::string_view::npos) return ';';
    if (kommaTrennt && zeile.find(',') != std::string_view::npos) return ',';
    return 0;
}

Felder Zerlege(std::string_view zeile, char trenner) {
    Felder f;
    if (trenner == 0) {
        for (std::size_t i = 0;;) {
            while (i < zeile.size() && IstLeer(zeile[i])) ++i;
            if (i == zeile.size()) break;
            const std::size_t a = i;
            while (i < zeile.size() && !IstLeer(zeile[i])) ++i;
            if (f.anzahl == 2) {
                f.weitere = true;
                break;
            }
            f.feld[f.anzahl++] = Getrimmt(zeile.substr(a, i - a));
        }
        return f;
    }
    for (std::size_t a = 0;;) {
        const std::size_t e = zeile.find(trenner, a);
        const std::string_view t =
            Getrimmt(zeile.substr(a, e == std::string_view::npos ? e : e - a));
        if (f.anzahl < 2) {
            f.feld[f.anzahl++] = t;
        } else if (!t.empty()) {  // "1;2;" ends with an empty field, as spreadsheets write it
            f.weitere = true;
            break;
        }
        if (e == std::string_view::npos) break;
        a = e + 1;
    }
    return f;
}

// A number: sign, digits with one decimal point or comma, exponent; nothing else.
std::optional<float> Zahl(std::string_view t, std::string& puffer) {
    puffer.clear();
    std::size_t i = 0;
    const bool negativ = i < t.size() && t[i] == '-';
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (negativ) puffer.push_back('-');
    // The decimal order of the first digit that is not zero, for values beyond the single range.
    long long ordnung = 0;
    std::size_t ziffern = 0;
    bool komma = false, signifikant = false;
    for (; i < t.size(); ++i) {
        if (IstZiffer(t[i])) {
            ++ziffern;
            puffer.push_back(t[i]);
            if (!signifikant && t[i] != '0') {
                signifikant = true;
                if (komma) --ordnung;
            } else if (signifikant != komma) {
                ordnung += signifikant ? 1 : -1;  // integer digits raise it, leading zeros lower it
            }
        } else if ((t[i] == '.' || t[i] == ',') && !komma) {
            komma = true;
            puffer.push_back('.');
        } else {
            break;
        }
    }
    if (ziffern == 0) return std::nullopt;
    long long exponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        puffer.push_back('e');
        const bool minus = ++i < t.size() && t[i] == '-';
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) puffer.push_back(t[i++]);
        const std::size_t anfang = i;
        for (; i < t.size() && IstZiffer(t[i]); ++i) {
            puffer.push_back(t[i]);
            exponent = std::min(exponent * 10 + (t[i] - '0'), 1'000'000'000'000LL);
        }
        if (i == anfang) return std::nullopt;
        if (minus) exponent = -exponent;
    }
    if (i != t.size()) return std::nullopt;
    const char* ende = puffer.data() + puffer.size();
    float wert = 0;
    auto [p, fehler] = std::from_chars(puffer.data(), ende, wert);
    if (fehler == std::errc{} && p == ende) return wert;
    // Too small for a single, it is zero; beyond it, no value.
    if (fehler == std::errc::result_out_of_range && ordnung + exponent < 0)
        return negativ ? -0.0f : 0.0f;
    return std::nullopt;
}

bool IstLeereZeile(std::string_view z) {
    for (char c : z)
        if (!IstLeer(c) && c != ';' && c != ',' && c != '\x1A') return false;
    return true;
}

bool BeginntMitZahl(std::string_view z) {
    z = Getrimmt(z);
    if (!z.empty() && (z[0] == '+' || z[0] == '-')) z.remove_prefix(1);
    return !z.empty() && (IstZiffer(z[0]) || z[0] == '.' || z[0] == ',');
}

// Calls `tu` with every line; CR LF, CR and LF end one.
template <class F>
void JedeZeile(std::string_view text, F&& tu) {
    std::size_t anfang = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        if (!tu(text.substr(anfang, i - anfang))) return;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        anfang = i + 1;
    }
    if (anfang < text.size()) tu(text.substr(anfang));
}

// Commas separate the columns when numbers are written with a point: a number line without
// tab or semicolon that holds both.
bool KommaTrennt(std::string_view text) {
    bool ja = false;
    JedeZeile(text, [&](std::string_view z) {
        ja = z.find_first_of("\t;") == std::string_view::npos &&
             z.find(',') != std::string_view::npos && z.find('.') != std::string_view::npos &&
             BeginntMitZahl(z);
        return !ja;
    });
    return ja;
}

std::string Name(std::string_view feld, bool utf8) {
    std::string name = utf8 ? std::string(feld.substr(0, 4 * kLaengsterName))
                            : Win1252ZuUtf8(feld.substr(0, kLaengsterName));
    if (name.size() > kLaengsterName) {
        std::size_t n = kLaengsterName;
        while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
        name.resize(n);
    }
    return name;
}

// 100000 as "100.000".
std::string MitPunkten(std::size_t n) {
    std::string s = std::to_string(n);
    for (std::size_t i = s.size(); i > 3; i -= 3) s.insert(i - 3, 1, '.');
    return s;
}

bool SiehtAusWieText(std::string_view text) {
    std::size_t steuer = 0, ascii = 0;
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) ++ascii;
        if ((b < 0x20 && !IstLeer(c) && c != '\r' && c != '\n') || b == 0x7F) ++steuer;
    }
    return steuer * 100 <= text.size() && ascii * 2 >= text.size();
}

}  // namespace

Messformat ErkenneMessformat(std::string_view bytes) {
    using namespace std::string_view_literals;
    if (bytes.empty() || bytes.substr(0, 3) == kUtf8Marke) return Messformat::Text;
    const Dekodiert d = Dekodiere(bytes);
    if (!d.bekannt)  // UTF-32 by its mark is text we cannot read; other zero bytes are records
        return bytes.substr(0, 4) == "\xFF\xFE\0\0"sv || bytes.substr(0, 4) == "\0\0\xFE\xFF"sv
                   ? Messformat::Text
                   : Messformat::Binaer;
    return SiehtAusWieText(d.Text()) ? Messformat::Text : Messformat::Binaer;
}

Messtext LeseMesstext(std::string_view bytes, std::size_t hoechstens) {
    Messtext m;
    const Dekodiert d = Dekodiere(bytes);
    if (!d.bekannt) {
        m.fehler = Messtextfehler::UnbekannteKodierung;
        return m;
    }
    const bool kommaTrennt = KommaTrennt(d.Text());
    bool erste = true;
    std::string puffer;
    JedeZeile(d.Text(), [&](std::string_view zeile) {
        if (IstLeereZeile(zeile)) return true;
        const Felder f = Zerlege(zeile, Trenner(zeile, kommaTrennt));
        const std::optional<float> x =
            f.anzahl > 0 ? Zahl(f.feld[0], puffer) : std::optional<float>();
        const std::optional<float> y =
            x && f.anzahl > 1 ? Zahl(f.feld[1], puffer) : std::optional<float>();
        if (x && y) {
            if (m.punkte.size() < hoechstens) m.punkte.emplace_back(*x, *y);
            ++m.gefunden;
            m.mehrSpalten = m.mehrSpalten || f.weitere;
        } else if (erste && !BeginntMitZahl(zeile)) {
            const bool utf8 = IstUtf8(d.Text());
            m.kopfX = Name(f.feld[0], utf8);
            if (f.anzahl > 1) m.kopfY = Name(f.feld[1], utf8);
        } else {
            ++m.uebersprungen;
        }
        erste = false;
        return true;
    });
    if (m.gefunden == 0) m.fehler = Messtextfehler::KeineZahlen;
    return m;
}

std::string MesstextFehlermeldung(const Messtext& m) {
    switch (m.fehler) {
        case Messtextfehler::Keiner:
            return {};
        case Messtextfehler::UnbekannteKodierung:
            return "Die Messdaten sind in einer unbekannten Kodierung geschrieben.\n"
                   "Lesbar sind UTF-8, UTF-16 und Windows-1252.";
        case Messtextfehler::KeineZahlen:
            return "In den Messdaten steht keine Zeile mit zwei Zahlen.\n"
                   "Erwartet werden zwei Spalten, z. B. „0,5;1,25“.";
    }
    return {};
}

std::string MesstextHinweis(const Messtext& m) {
    std::string hinweis;
    const auto satz = [&](const std::string& s) {
        if (!hinweis.empty()) hinweis += ' ';
        hinweis += s;
    };
    if (m.uebersprungen > 0)
        satz(MitPunkten(m.uebersprungen) +
             (m.uebersprungen == 1 ? " Zeile übersprungen." : " Zeilen übersprungen."));
    if (m.gekappt())
        satz("Gezeichnet werden die ersten " + MitPunkten(m.punkte.size()) + " von " +
             MitPunkten(m.gefunden) + " Messpunkten.");
    if (m.mehrSpalten) satz("Von mehr als zwei Spalten werden die ersten beiden gezeichnet.");
    return hinweis;
}

}  // namespace quintor
