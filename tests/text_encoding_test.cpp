// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "lectavo/convert/TextEncoding.h"

using lectavo::text::fromUtf8;
using lectavo::text::toUtf8;

namespace {

struct EncodingCase {
    std::string description;
    std::u16string utf16;
    std::string utf8;
    bool roundTrips;
};

std::vector<EncodingCase> encodingCases()
{
    return {
        {"Ascii", u"Plan\r\x0B", "Plan\r\x0B", true},
        {"TwoByte", u"\u00E9\u0416", "\xC3\xA9\xD0\x96", true},
        {"ThreeByte", u"\u65E5\uFFFF", "\xE6\x97\xA5\xEF\xBF\xBF", true},
        {"SurrogatePair", u"\xD842\xDF9F", "\xF0\xA0\xAE\x9F", true},
        {"IsolatedHigh_D800", std::u16string(1, char16_t(0xD800)) + u"a", "\xEF\xBF\xBD" "a", false},
        {"IsolatedLow_DC00", std::u16string(1, char16_t(0xDC00)), "\xEF\xBF\xBD", false},
        {"Empty", u"", "", true},
    };
}

class EncodingTest : public ::testing::TestWithParam<EncodingCase> {};

}  // namespace

TEST_P(EncodingTest, ToUtf8)
{
    EXPECT_EQ(toUtf8(GetParam().utf16), GetParam().utf8);
    if (GetParam().roundTrips)
        EXPECT_EQ(fromUtf8(GetParam().utf8), GetParam().utf16);
}

INSTANTIATE_TEST_SUITE_P(Text, EncodingTest, ::testing::ValuesIn(encodingCases()),
                         [](const auto& info) { return info.param.description; });

TEST(Text, InvalidUtf8BecomesReplacement)
{
    EXPECT_EQ(fromUtf8("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(fromUtf8("\xE6\x97"), u"\uFFFD\uFFFD");
    EXPECT_EQ(fromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
    EXPECT_EQ(fromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
}
