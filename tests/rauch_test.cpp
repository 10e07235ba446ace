#include <gtest/gtest.h>

#include "schritt.h"
#include "test_hilfen.h"

using namespace quintor;

// The oscillator end to end: scan, start values, steps.
TEST(Rauch, OszillatorRechnet) {
    test::Testmodell t({"X:=X+V*DT", "V:=V-X*DT"});
    ASSERT_EQ(t.m.Variablenzahl, 3);
    t.Wert("X") = 1.0f;
    t.Wert("DT") = 0.1f;
    Rechenschritt(t.m);
    EXPECT_FLOAT_EQ(t.Wert("X"), 1.0f);
    EXPECT_FLOAT_EQ(t.Wert("V"), -0.1f);
}
