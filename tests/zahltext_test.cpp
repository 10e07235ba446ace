#include "zahltext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "test_hilfen.h"

using namespace quintor;

namespace {

struct Fall {
    double x;
    const char* text;
};

// Every caller hands over a single-precision value, widened; the tables do the same.
void PruefeFormat(const Zahlformat& f, const std::vector<Fall>& faelle) {
    for (const Fall& c : faelle)
        EXPECT_EQ(Zahltext(static_cast<float>(c.x), f), c.text) << "x = " << c.x;
}

}  // namespace

TEST(Zahltext, Ergebnisformat) {
    const std::vector<Fall> faelle = {
        {3.14159, "   3.142"},     {-12.5, " -12.500"},      {0.25, "   0.250"},
        {999.9, " 999.900"},       {0.0051, "   0.005"},     {0.0625, "   0.063"},  // half up
        {-0.0625, "  -0.063"},     {0.9996, "   1.000"},     {0.00996, "   0.010"},
        {999.9996, "1000.000"},    {-999.9996, "-1000.000"},  // wider than the field
        {1234.5, " 1.2E+0003"},    {-0.001, "-1.0E-0003"},   {0.0, " 0.0E+0000"},
        {-0.0, "-0.0E+0000"},      {1e30, " 1.0E+0030"},     {99999.0, " 1.0E+0005"},
        {1250.0, " 1.3E+0003"},    {-1250.0, "-1.3E+0003"},  {9960.0, " 1.0E+0004"},
        {-0.000996, "-1.0E-0003"}, {1000.0, " 1.0E+0003"},   {1e-40, " 1.0E-0040"},
    };
    PruefeFormat(kErgebnisformat, faelle);
    for (const Fall& c : faelle) EXPECT_EQ(ZahlZuText(static_cast<float>(c.x)), c.text);
}

TEST(Zahltext, GrenzeBei0005) {
    // The single nearest to 0.005 lies just below it.
    const float f = 0.005f;
    ASSERT_LT(static_cast<long double>(f), 0.005L);
    EXPECT_EQ(ZahlZuText(f), " 5.0E-0003");
    EXPECT_EQ(ZahlZuText(std::nextafter(f, 1.0f)), "   0.005");
    EXPECT_EQ(ZahlZuText(std::nextafter(1000.0f, 0.0f)), "1000.000");
}

TEST(Zahltext, Tabellenformat) {
    const std::vector<Fall> faelle = {
        {0.0, " 0.0E+0000"},   {1234.5, " 1.2E+0003"}, {-0.004, "-4.0E-0003"},
        {1.5, "     1.500"},   {-0.25, "    -0.250"},  {999.9996, "  1000.000"},
        {0.006, "     0.006"}, {1000.0, " 1.0E+0003"}, {-999.9, "  -999.900"},
        {-0.0, "-0.0E+0000"},  {1.0625, "     1.063"},
    };
    PruefeFormat(kTabellenformat, faelle);
}

TEST(Zahltext, Eingabeformat) {
    const std::vector<Fall> faelle = {
        {10.0, " 10.0000"},     {-10.0, "-10.0000"},    {0.0, "  0.0000"},
        {-123.5, "-123.5000"},  {1000.0, " 1.0E+0003"}, {-2500.0, "-2.5E+0003"},
        {1234.0, " 1.2E+0003"}, {0.00004, "  0.0000"},  {-0.00004, " -0.0000"},
        {1e-20, "  0.0000"},    {-1e-20, " -0.0000"},   {999.9999, "999.9999"},
        {0.15625, "  0.1563"},
    };
    PruefeFormat(kEingabeformat, faelle);
}

TEST(Zahltext, Skalenformat) {
    const std::vector<Fall> faelle = {
        {-10.0, " -10.00"},  {10.0, "  10.00"},        {1234.5, "1234.50"}, {0.125, "   0.13"},
        {-0.125, "  -0.13"}, {1e10, "10000000000.00"}, {0.001, "   0.00"},
    };
    PruefeFormat(kSkalenformat, faelle);
}

TEST(Zahltext, Koordinatenformat) {
    const std::vector<Fall> faelle = {
        {3.14159, "  3.14"},      {-12.5, "-12.50"}, {-999.99, "-999.99"}, {1234.5, " 1.2E+0003"},
        {-46000.0, "-4.6E+0004"}, {2.375, "  2.38"}, {999.996, "1000.00"},
    };
    PruefeFormat(kKoordinatenformat, faelle);
}

TEST(KommaZuPunkt, ErsetztNurKommas) {
    EXPECT_EQ(KommaZuPunkt(" -2,5,0E3 "), " -2.5.0E3 ");
}

TEST(LeseZahl, Syntax) {
    const std::vector<std::pair<const char*, long double>> gueltig = {
        {"0", 0},      {".", 0},        {".5", 0.5L}, {"5.", 5},        {"E5", 0},
        {"e5", 0},     {"-E5", 0},      {"  +7", 7},  {"-.25", -0.25L}, {"3E2", 300},
        {"1e+2", 100}, {"25E-1", 2.5L}, {"-.", 0},    {"007", 7},
    };
    for (const auto& [t, v] : gueltig) {
        auto w = LeseZahl(t);
        ASSERT_TRUE(w.has_value()) << t;
        EXPECT_EQ(*w, v) << t;
    }
    for (const char* t : {"", "-", "+", " -", "E", "5E", "5E+", "1 ", "1 2", "- 5", "1.2.3", "\t5",
                          "1,5", "5E3.0", "--5", "0x10", "1E5E5", "5e-"})
        EXPECT_FALSE(LeseZahl(t).has_value()) << '"' << t << '"';
    EXPECT_TRUE(std::signbit(*LeseZahl("-0")));
    EXPECT_GT(*LeseZahl("1E400"), 1e399L);  // beyond double, still finite in extended
    EXPECT_TRUE(std::isfinite(*LeseZahl("1E400")));
    EXPECT_TRUE(std::isinf(*LeseZahl("1E99999")));
    EXPECT_EQ(*LeseZahl("1E-99999"), 0.0L);
}

TEST(TextZuZahl, GueltigeTexte) {
    const std::vector<std::pair<const char*, float>> faelle = {
        {"1,5", 1.5f},       {"1.5", 1.5f},       {"  2", 2.0f}, {".", 0.0f},
        {"3E2", 300.0f},     {"1,5E-3", 0.0015f}, {"0.1", 0.1f}, {"-7,25", -7.25f},
        {"3.4E38", 3.4e38f}, {"1E-50", 0.0f},  // underflow is no fault
    };
    for (const auto& [t, v] : faelle) {
        test::Protokoll p;
        EXPECT_EQ(TextZuZahl(t, p), v) << t;
        EXPECT_TRUE(p.eintraege.empty()) << t;
    }
}

TEST(TextZuZahl, FehlerMeldungUndNull) {
    for (const char* t : {"2 ", "1,5,0", "abc", "", "-", "E", "1..2"}) {
        test::Protokoll p;
        EXPECT_EQ(TextZuZahl(t, p), 0.0f) << '"' << t << '"';
        ASSERT_EQ(p.eintraege.size(), 1u) << '"' << t << '"';
        EXPECT_EQ(p.eintraege[0].first, Meldungsart::Fehler);
        EXPECT_EQ(p.eintraege[0].second, "Fehler bei Zahleingabe");
    }
}

TEST(TextZuZahl, UeberlaufUndRundreise) {
    test::Protokoll p;
    for (const char* t : {"1E40", "-1E40", "3.5E38", "1E400"})
        EXPECT_THROW(TextZuZahl(t, p), Gleitkommaueberlauf) << t;
    // The exponent form keeps two significant digits.
    EXPECT_EQ(TextZuZahl(ZahlZuText(1234.0f), p), 1200.0f);
    EXPECT_EQ(TextZuZahl(Zahltext(1234.0f, kEingabeformat), p), 1200.0f);
    EXPECT_TRUE(p.eintraege.empty());
}
