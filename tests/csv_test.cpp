// The table for spreadsheets: exact CSV and clipboard bytes, quoted names, and every single
// value read back unchanged from its text.
#include "csv.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "test_hilfen.h"

using namespace quintor;

namespace {

TEST(Csv, BytesEinerKleinenTabelleUndIhrerFortsetzung) {
    test::Testmodell t({"X:=X+1", "Y:=Y*2"});
    const std::vector<std::int32_t> spalten{2, 1};
    Tabellenwerte w;
    auto daten = [&](float x, float y) {
        t.Wert("X") = x;
        t.Wert("Y") = y;
        w.Daten(t.m, spalten);
    };
    w.Titel(t.m, spalten);
    w.Leerzeile();
    daten(0.5f, -1.5e-7f);
    daten(1e30f, 0.1f);
    // "Weiter": two empty lines, the same title again, an empty line.
    w.Leerzeile();
    w.Leerzeile();
    w.Titel(t.m, spalten);
    w.Leerzeile();
    daten(-0.0f, 1.0f / 3);
    EXPECT_EQ(w.Text(Austauschform::Csv),
              "\xEF\xBB\xBFY;X\r\n-1,5E-07;0,5\r\n0,1;1E+30\r\n0,33333334;-0\r\n");
    EXPECT_EQ(w.Text(Austauschform::Tabulator),
              "Y\tX\n-1,5E-07\t0,5\n0,1\t1E+30\n0,33333334\t-0\n");
    // Marked lines: the header comes along; lines without values give only what they hold.
    EXPECT_EQ(w.Text(Austauschform::Tabulator, 3, 9), "Y\tX\n0,1\t1E+30\n0,33333334\t-0\n");
    EXPECT_EQ(w.Text(Austauschform::Tabulator, 2, 3), "Y\tX\n-1,5E-07\t0,5\n");
    EXPECT_FALSE(w.HatWerte(4, 8));
}

TEST(Csv, NamenWerdenZitiertWoNoetig) {
    const struct {
        std::vector<std::string> namen;
        Austauschform form;
        const char* kopf;
    } faelle[] = {
        {{"A;B", "C\"D", "X "}, Austauschform::Csv, "\"A;B\";\"C\"\"D\";\"X \"\r\n"},
        {{"A;B", "T\tU"}, Austauschform::Tabulator, "A;B\t\"T\tU\"\n"},
        {{"=SUMME(A1)", "-X", "ÄRGER"}, Austauschform::Csv, "'=SUMME(A1);'-X;ÄRGER\r\n"},
    };
    for (const auto& f : faelle) {
        std::string kopf;
        HaengeKopfAn(kopf, f.namen, f.form);
        EXPECT_EQ(kopf, f.kopf);
    }
}

// A spreadsheet reads the text as a double; rounded to single it must be the same value, bit
// for bit. A sweep over all bit patterns, and the values at the ends of the range.
TEST(Csv, JederWertKommtUnveraendertZurueck) {
    std::vector<float> werte{0.0f,        -0.0f,        1e30f,   -1e30f,      FLT_MAX, -FLT_MAX,
                             FLT_MIN,     1e-45f,       -1e-45f, FLT_EPSILON, 0.1f,    1.0f / 3,
                             16777217.0f, 123456789.0f, 0.005f,  999.9996f};
    for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 65521) {
        float x;
        const std::uint32_t b = static_cast<std::uint32_t>(bits);
        std::memcpy(&x, &b, sizeof x);
        if (std::isfinite(x)) werte.push_back(x);
    }
    for (float x : werte) {
        std::string text = KommaZahl(x);
        ASSERT_EQ(text.find('.'), std::string::npos) << text;
        for (char& c : text)
            if (c == ',') c = '.';
        char* ende = nullptr;
        const float zurueck = static_cast<float>(std::strtod(text.c_str(), &ende));
        ASSERT_EQ(*ende, '\0') << text;
        ASSERT_EQ(std::memcmp(&zurueck, &x, sizeof x), 0) << text;
    }
}

}  // namespace
