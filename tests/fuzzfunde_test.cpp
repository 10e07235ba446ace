// Every input that ever made a fuzz target fail, kept as a permanent row.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "messdatei.h"
#include "test_hilfen.h"
#include "zahltext.h"

using namespace quintor;

// zahltext, empty input: the value is the lowest single, whose fixed form has 39 integer digits
// made from its 18 significant decimal digits (the rest zeros), so it reads back within those
// 18 digits, not within half a hundredth.
TEST(Fuzzfunde, KleinsterSingleInAllenFormaten) {
    const float x = -FLT_MAX;
    for (const auto& f :
         {kErgebnisformat, kTabellenformat, kEingabeformat, kSkalenformat, kKoordinatenformat}) {
        const std::string t = Zahltext(x, f);
        EXPECT_EQ(t.find(','), std::string::npos) << t;
        if (f.Grenze == Schwelle::NurFest) {
            EXPECT_EQ(t, "-340282346638528860000000000000000000000.00");
            const auto wert = LeseZahl(t);
            ASSERT_TRUE(wert);
            EXPECT_LE(std::fabs(*wert - static_cast<long double>(x)),
                      std::fabs(static_cast<long double>(x)) * 1e-17L);
        } else {
            EXPECT_EQ(t, "-3.4E+0038");
        }
    }
    test::Protokoll meldungen;
    EXPECT_EQ(TextZuZahl("", meldungen), 0.0f);
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{"Fehler bei Zahleingabe"});
}
