#include <gtest/gtest.h>

#include "zahltext.h"

using namespace quintor;

TEST(Zahltext, Ergebnis) {
    EXPECT_EQ(ZahlZuText(3.14159f), "   3.142");
}
