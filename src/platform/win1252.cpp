#include "win1252.h"

#include <array>
#include <cstdint>
#include <utility>

namespace quintor {

namespace {

constexpr std::string_view kMarke = "\xEF\xBB\xBF";

// 0x80..0x9F; the undefined ones keep their own number.
constexpr std::array<char32_t, 32> kObereSteuerzeichen = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The next code point of a UTF-8 text, or nullopt for a malformed sequence.
std::optional<char32_t> NaechsterCodepunkt(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int laenge = b0 < 0x80 ? 1 : (b0 >> 5) == 6 ? 2 : (b0 >> 4) == 14 ? 3 : (b0 >> 3) == 30 ? 4 : 0;
    if (laenge == 0 || i + static_cast<std::size_t>(laenge) > s.size()) return std::nullopt;
    char32_t c = laenge == 1   ? b0
                 : laenge == 2 ? (b0 & 0x1F)
                 : laenge == 3 ? (b0 & 0x0F)
                               : (b0 & 0x07);
    for (int k = 1; k < laenge; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are malformed too.
    static constexpr char32_t kKleinster[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kKleinster[laenge] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    i += static_cast<std::size_t>(laenge);
    return c;
}

}  // namespace

void HaengeUtf8An(std::string& aus, char32_t c) {
    if (c < 0x80) {
        aus.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        aus.push_back(static_cast<char>(0xC0 | (c >> 6)));
        aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        aus.push_back(static_cast<char>(0xE0 | (c >> 12)));
        aus.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        aus.push_back(static_cast<char>(0xF0 | (c >> 18)));
        aus.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        aus.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string Win1252ZuUtf8(std::string_view bytes) {
    std::string aus;
    aus.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            aus.push_back(ch);
        else if (b < 0xA0)
            HaengeUtf8An(aus, kObereSteuerzeichen[b - 0x80]);
        else
            HaengeUtf8An(aus, b);
    }
    return aus;
}

std::optional<std::string> Utf8ZuWin1252(std::string_view text) {
    std::string aus;
    aus.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::optional<char32_t> c = NaechsterCodepunkt(text, i);
        if (!c) return std::nullopt;
        if (*c < 0x80 || (*c >= 0xA0 && *c <= 0xFF)) {
            aus.push_back(static_cast<char>(*c));
            continue;
        }
        bool gefunden = false;
        for (std::size_t k = 0; k < kObereSteuerzeichen.size(); ++k) {
            if (kObereSteuerzeichen[k] == *c) {
                aus.push_back(static_cast<char>(0x80 + k));
                gefunden = true;
                break;
            }
        }
        if (!gefunden) return std::nullopt;
    }
    return aus;
}

Dateikodierung KodierungVon(std::string_view bytes) {
    return bytes.substr(0, 3) == kMarke ? Dateikodierung::Utf8MitMarke : Dateikodierung::Win1252;
}

std::string DateitextZuUtf8(std::string_view bytes) {
    if (KodierungVon(bytes) == Dateikodierung::Utf8MitMarke) return std::string(bytes.substr(3));
    return Win1252ZuUtf8(bytes);
}

std::string Utf8ZuDateitext(std::string_view utf8, Dateikodierung vorzug) {
    if (vorzug == Dateikodierung::Win1252) {
        // A text starting with "ï»¿" would read back as a marked UTF-8 file.
        std::optional<std::string> bytes = Utf8ZuWin1252(utf8);
        if (bytes && KodierungVon(*bytes) == Dateikodierung::Win1252) return std::move(*bytes);
    }
    std::string aus(kMarke);
    aus += utf8;
    return aus;
}

}  // namespace quintor
