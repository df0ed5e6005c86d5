#include "hub/core/NumericText.h"

#include <gtest/gtest.h>

#include "hub/core/Angles.h"

namespace kolt {
namespace {

TEST(NumericTextTest, ReadNumberIgnoresBlanksAndStopsAtTheFirstOtherCharacter) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"123", 123},
        {"123_", 123},
        {"045", 45},
        {"123 04", 12304},
        {" 1 2 . 5 ", 12.5},
        {"", 0},
        {"abc", 0},
        {"-7", -7},
        {"+3.25x", 3.25},
        {"1.2.3", 1.2},
        {".5", 0.5},
        {"1E3", 1000},
        {"2d2", 200},
        {"1e", 1},
        {"1e+", 1},
        {"3E-1", 0.3},
        {"-", 0},
        {"12\r", 12},
        {"\t9\n9", 99},
        {"1e999", 1.7976931348623157e308},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumericTextTest, LeadingNumberSkipsOnlyLeadingBlanks) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {" 70", 70}, {"\t-12.5kg", -12.5}, {"1 2", 1},     {"", 0},
        {"x1", 0},   {"1E3", 1},           {"3.5.1", 3.5},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumericTextTest, RoundsHalvesToTheEvenNeighbour) {
    struct Case {
        double in;
        double out;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {359.5, 360}, {0.49, 0}, {1.51, 2}, {-0.5, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

TEST(NumericTextTest, WholeNumbersFitTheirFieldOrFail) {
    EXPECT_EQ(toWholeInt16(32767.4), 32767);
    EXPECT_EQ(toWholeInt16(-32768), -32768);
    EXPECT_FALSE(toWholeInt16(32767.5));  // rounds to 32768
    EXPECT_FALSE(toWholeInt16(1e308));
    EXPECT_EQ(toWholeInt32(70000), 70000);
    EXPECT_FALSE(toWholeInt32(3e9));
}

TEST(NumericTextTest, NumericTextIsOneWholeNumber) {
    for (const char* yes : {"5", " 5 ", "-3", "2.5", "1E2"})
        EXPECT_TRUE(isNumericText(yes)) << yes;
    for (const char* no : {"", " ", "5x", "x5", "5 5x", "."})
        EXPECT_FALSE(isNumericText(no)) << no;
}

TEST(NumericTextTest, PlainNumberTextHasNoTrailingZeros) {
    EXPECT_EQ(plainNumberText(123.0), "123");
    EXPECT_EQ(plainNumberText(123.4), "123.4");
    EXPECT_EQ(plainNumberText(-0.0), "0");
    EXPECT_EQ(plainNumberText(-45.25), "-45.25");
}

TEST(AnglesTest, WrapsOnceAndWritesThreeDigits) {
    EXPECT_EQ(wrapOnce(370), 10);
    EXPECT_EQ(wrapOnce(-5), 355);
    EXPECT_EQ(wrapOnce(359), 359);
    EXPECT_EQ(wrapOnce(360), 0);
    EXPECT_EQ(wrapOnce(730), 370);  // once, as the convention says
    EXPECT_EQ(threeDigits(0), "000");
    EXPECT_EQ(threeDigits(45), "045");
    EXPECT_EQ(threeDigits(270), "270");
    EXPECT_EQ(threeDigits(1234), "1234");
    EXPECT_EQ(threeDigits(-5), "-005");
    EXPECT_EQ(toInt16(40000), 32767);
    EXPECT_EQ(toInt16(-40000), -32768);
}

}  // namespace
}  // namespace kolt
