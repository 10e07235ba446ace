#include "intedit.h"

#include <cstdint>

namespace quintor {

namespace {

int Ziffernwert(QChar c, int basis) {
    const char16_t u = c.unicode();
    int w = 99;
    if (u >= '0' && u <= '9')
        w = u - '0';
    else if (u >= 'a' && u <= 'f')
        w = u - 'a' + 10;
    else if (u >= 'A' && u <= 'F')
        w = u - 'A' + 10;
    return w < basis ? w : -1;
}

int TextZuGanzzahl(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ') ++i;
    bool negativ = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negativ = text[i] == u'-';
        ++i;
    }
    int basis = 10;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        basis = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        basis = 16;
        i += 2;
    }
    if (i == n) return 0;  // no digits at all

    // The magnitude may reach 2^31 for the most negative value; stop early once past it.
    constexpr std::int64_t kGrenze = std::int64_t{1} << 31;
    std::int64_t betrag = 0;
    for (; i < n; ++i) {
        const int z = Ziffernwert(text[i], basis);
        if (z < 0) return 0;
        betrag = betrag * basis + z;
        if (betrag > kGrenze) return 0;
    }
    const std::int64_t wert = negativ ? -betrag : betrag;
    if (wert > INT32_MAX) return 0;
    return static_cast<int>(wert);
}

}  // namespace

int TIntEdit::Number() const {
    return TextZuGanzzahl(text());
}

void TIntEdit::setNumber(int n) {
    setText(QString::number(n));
}

}  // namespace quintor
