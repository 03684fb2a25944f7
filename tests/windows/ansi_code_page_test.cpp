// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <windows.h>

#include "lectavo/convert/OutputEncoding.h"

using lectavo::convert::encodeOutput;

namespace {

struct EncodingCase {
    std::string name;
    LCID threadLocale;
    std::u16string text;
    std::string bytes;
};

void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.name; }

constexpr LCID kEnglishUs = 0x0409;  // code page 1252
constexpr LCID kCzech = 0x0405;      // code page 1250
constexpr LCID kJapanese = 0x0411;   // code page 932

std::vector<EncodingCase> encodingCases()
{
    return {
        {"Empty", kEnglishUs, u"", ""},
        {"AsciiAndControlsAsTheyCome", kEnglishUs, u"Plan 2027\r\t\v", "Plan 2027\r\t\v"},
        {"WesternLetters", kEnglishUs, u"Z\u00FCrich \u2013 5 \u20AC", "Z\xFCrich \x96 5 \x80"},
        {"NoBestFitLookAlikes", kEnglishUs, u"\u221E \u0101", "? ?"},
        {"OutsideTheCodePage", kEnglishUs, u"\u65E5\u672C", "??"},
        {"UnpairedSurrogate", kEnglishUs, u"\xD800x", "?x"},
        {"CentralEuropeanLocale", kCzech, u"\u017Dlu\u0165ou\u010Dk\u00FD", "\x8Elu\x9Dou\xE8k\xFD"},
        {"DoubleByteLocale", kJapanese, u"\u65E5\u672C", "\x93\xFA\x96\x7B"},
    };
}

class AnsiOutput : public ::testing::TestWithParam<EncodingCase> {
protected:
    void SetUp() override { m_saved = GetThreadLocale(); }
    void TearDown() override { SetThreadLocale(m_saved); }

private:
    LCID m_saved = 0;
};

}  // namespace

// The output is written in the ANSI code page of the thread's locale.
TEST_P(AnsiOutput, UsesTheThreadsAnsiCodePage)
{
    const auto& c = GetParam();
    ASSERT_TRUE(SetThreadLocale(c.threadLocale));
    EXPECT_EQ(encodeOutput(c.text), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(Windows, AnsiOutput, ::testing::ValuesIn(encodingCases()),
                         [](const auto& info) { return info.param.name; });
