// The number rule and the text forms, as literal strings.
#include "common/number_text.h"

#include <gtest/gtest.h>

using namespace korvane;

TEST(NumberText, generalFormWritesFifteenDigitsAndExponentStyle) {
    EXPECT_EQ(generalForm(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(generalForm(1.7976931348623157e308), "1.79769313486232E+308");
    EXPECT_EQ(generalForm(-0.0), "0");
    EXPECT_EQ(generalForm(1e15), "1E+15");
    EXPECT_EQ(generalForm(0.00001), "1E-05");
    EXPECT_EQ(generalForm(0.0001), "0.0001");
}
