#include "text.h"

namespace quintor {

namespace {
bool IstFolgebyte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
char Gross(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

std::size_t Zeichenzahl(std::string_view s) {
    std::size_t n = 0;
    for (char c : s) n += IstFolgebyte(c) ? 0 : 1;
    return n;
}

std::string_view ErsteZeichen(std::string_view s, std::size_t n) {
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!IstFolgebyte(s[i])) {
            if (zeichen == n) return s.substr(0, i);
            ++zeichen;
        }
    }
    return s;
}

std::string Grossbuchstaben(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = Gross(c);
    return r;
}

bool GleichGross(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != Gross(b[i])) return false;
    return true;
}

}  // namespace quintor
