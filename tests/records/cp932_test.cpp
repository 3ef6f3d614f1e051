#include "records/cp932.h"

#include <gtest/gtest.h>

namespace kalvenor {
namespace {

std::string bytes(std::initializer_list<unsigned char> values) {
    return {values.begin(), values.end()};
}

TEST(Cp932, EncodesTheMarksOfTheGame) {
    EXPECT_EQ(encodeCp932("－"), bytes({0x81, 0x7C}));
    EXPECT_EQ(encodeCp932("■"), bytes({0x81, 0xA1}));
    EXPECT_EQ(encodeCp932("□"), bytes({0x81, 0xA0}));
    EXPECT_EQ(encodeCp932("："), bytes({0x81, 0x46}));
    EXPECT_EQ(encodeCp932("･"), bytes({0xA5}));
    EXPECT_EQ(encodeCp932(" game start\r\n"), " game start\r\n");
    EXPECT_EQ(encodeCp932(""), "");
}

TEST(Cp932, TheMinusSignAlsoBecomesTheFullWidthHyphen) {
    EXPECT_EQ(encodeCp932("\u2212"), bytes({0x81, 0x7C}));
}

TEST(Cp932, EncodesTextsLongerThanOneConversionChunk) {
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        text += "■a";
    }
    const auto encoded = encodeCp932(text);
    ASSERT_TRUE(encoded);
    EXPECT_EQ(encoded->size(), 3000U);
    EXPECT_EQ(encoded->substr(2997), bytes({0x81, 0xA1, 'a'}));
}

TEST(Cp932, RefusesWhatTheCodePageCannotHold) {
    EXPECT_EQ(encodeCp932("a\U0001F600b"), std::nullopt);  // outside the code page
    EXPECT_EQ(encodeCp932("a\xFF"), std::nullopt);         // not UTF-8
    EXPECT_EQ(encodeCp932("\xE3\x81"), std::nullopt);      // cut in the middle of a character
}

}  // namespace
}  // namespace kalvenor
