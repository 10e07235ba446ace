// Measured data as text: the formats spreadsheets and video-analysis tools write and copy.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "messdatei.h"

using namespace quintor;
using namespace std::string_literals;

namespace {

using Punkte = std::vector<std::pair<float, float>>;

// ASCII and "ö" as UTF-16 with its byte-order mark.
std::string Utf16(std::string_view ascii, bool kleinesEnde) {
    std::string b = kleinesEnde ? "\xFF\xFE" : "\xFE\xFF";
    for (std::size_t i = 0; i < ascii.size(); ++i) {
        char16_t c = static_cast<unsigned char>(ascii[i]);
        if (ascii.substr(i, 2) == "ö") c = u'ö', ++i;
        const char hoch = static_cast<char>(c >> 8), tief = static_cast<char>(c & 0xFF);
        b += kleinesEnde ? std::string{tief, hoch} : std::string{hoch, tief};
    }
    return b;
}

struct Fall {
    const char* name;
    std::string bytes;
    Punkte punkte;
    std::string kopfX = {}, kopfY = {};
    std::size_t uebersprungen = 0;
};

class Messtextformate : public testing::TestWithParam<Fall> {};

TEST_P(Messtextformate, GibtDiePunkteUndDenKopf) {
    const Fall& f = GetParam();
    const Messtext m = LeseMesstext(f.bytes);
    EXPECT_EQ(m.punkte, f.punkte);
    EXPECT_EQ(m.kopfX, f.kopfX);
    EXPECT_EQ(m.kopfY, f.kopfY);
    EXPECT_EQ(m.uebersprungen, f.uebersprungen);
    EXPECT_EQ(m.fehler, Messtextfehler::Keiner);
    EXPECT_EQ(ErkenneMessformat(f.bytes), Messformat::Text);
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, Messtextformate,
    testing::Values(
        Fall{"TabellenkalkulationMitKomma",
             "0,5\t1,25\r\n1\t-2,5E-1\r\n",
             {{0.5f, 1.25f}, {1, -0.25f}}},
        Fall{"SemikolonMitKopf",
             "Zeit (s);Weg (m)\n0;0\n0,1;0,05\n",
             {{0, 0}, {0.1f, 0.05f}},
             "Zeit (s)",
             "Weg (m)"},
        Fall{"LeerzeichenMitPunkt", "  1.5   2.5\n3 4", {{1.5f, 2.5f}, {3, 4}}},
        Fall{"KommaBeiPunktzahlen", "t,x\n1.5, 2.5\n2,3\n", {{1.5f, 2.5f}, {2, 3}}, "t", "x"},
        Fall{"NurCR", "1;2\r3;4\r", {{1, 2}, {3, 4}}},
        Fall{"Utf8MitMarke", "\xEF\xBB\xBFx;H\xC3\xB6he\n1;2\n", {{1, 2}}, "x", "Höhe"},
        Fall{"Utf16KleinesEnde",
             Utf16("Zeit\tHöhe\r\n1,5\t2\r\n", true),
             {{1.5f, 2}},
             "Zeit",
             "Höhe"},
        Fall{"Utf16GrossesEnde", Utf16("1;2\n", false), {{1, 2}}},
        Fall{"Windows1252", "H\xF6he;x\n1;2", {{1, 2}}, "Höhe", "x"},
        Fall{"Anfuehrungszeichen", "\"1,5\";\" 2\";\n", {{1.5f, 2}}},
        Fall{"SchlechteZeilenGezaehlt",
             "x;y\n1;2\nabc\n3;\n4;5;\n1.000,5;2\n\n;;\n6;7\n1e39;1\n1e-50;8\n0,"s +
                 std::string(400, '0') + "1;9",
             {{1, 2}, {4, 5}, {6, 7}, {0, 8}, {0, 9}},
             "x",
             "y",
             4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Messtext, HoechstensHunderttausendPunkte) {
    std::string text;
    for (int i = 0; i <= 100'000; ++i) text += std::to_string(i) + "\t1\n";
    const Messtext m = LeseMesstext(text);
    ASSERT_EQ(m.punkte.size(), 100'000u);
    EXPECT_EQ(m.punkte.back().first, 99'999.0f);
    EXPECT_TRUE(m.gekappt());
    EXPECT_EQ(MesstextHinweis(m), "Gezeichnet werden die ersten 100.000 von 100.001 Messpunkten.");
}

TEST(Messtext, Meldungen) {
    Messtext m = LeseMesstext("1;2\nx\n3;4;5\nfalsch\n;1\n");
    EXPECT_EQ(MesstextFehlermeldung(m), "");
    EXPECT_EQ(MesstextHinweis(m),
              "3 Zeilen übersprungen. Von mehr als zwei Spalten werden die ersten beiden "
              "gezeichnet.");
    EXPECT_EQ(MesstextHinweis(LeseMesstext("1;2\nx\n")), "1 Zeile übersprungen.");

    m = LeseMesstext("Zeit;Weg\nnichts\n");
    EXPECT_EQ(m.fehler, Messtextfehler::KeineZahlen);
    EXPECT_EQ(MesstextFehlermeldung(m),
              "In den Messdaten steht keine Zeile mit zwei Zahlen.\n"
              "Erwartet werden zwei Spalten, z. B. „0,5;1,25“.");

    using namespace std::string_view_literals;
    for (std::string_view fremd : {"\xFF\xFE\0\0"
                                   "1\0\0\0"sv,
                                   "1\0;2\0\0\0"sv}) {
        m = LeseMesstext(fremd);
        EXPECT_EQ(m.fehler, Messtextfehler::UnbekannteKodierung);
        EXPECT_EQ(MesstextFehlermeldung(m),
                  "Die Messdaten sind in einer unbekannten Kodierung geschrieben.\n"
                  "Lesbar sind UTF-8, UTF-16 und Windows-1252.");
    }
}

TEST(Messtext, BinaereDatensaetzeSindKeinText) {
    const float werte[] = {0.5f, 1.25f, 1.2345f, 2.5f, 3.75f, -0.125f};
    std::string binaer(sizeof werte, '\0');
    std::memcpy(binaer.data(), werte, sizeof werte);
    EXPECT_EQ(ErkenneMessformat(binaer), Messformat::Binaer);
    // UTF-16 without a mark is still text.
    EXPECT_EQ(ErkenneMessformat(Utf16("1;2\n", true).substr(2)), Messformat::Text);
    EXPECT_EQ(LeseMesstext(Utf16("1;2\n", true).substr(2)).punkte, (Punkte{{1, 2}}));
    EXPECT_EQ(ErkenneMessformat(""), Messformat::Text);
}

}  // namespace
