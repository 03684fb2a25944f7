// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "lectavo/convert/OutputNaming.h"
#include "lectavo/convert/TextEncoding.h"

using lectavo::convert::outputNames;
using lectavo::convert::PathRules;

namespace {

struct NamingCase {
    std::string description;
    PathRules rules;
    std::u16string folder;
    std::u16string source;
    std::u16string display;
    std::u16string output;
};

void PrintTo(const NamingCase& c, std::ostream* os) { *os << c.description; }

std::vector<NamingCase> namingCases()
{
    const auto posix = PathRules::posix();
    const auto windows = PathRules::windows();
    return {
        {"Posix_Plain", posix, u"/home/ana/Output", u"/data/decks/Plan.pptx", u"/home/ana/Output/Plan.pptx",
         u"/home/ana/Output/Plan.txt"},
        {"Posix_FolderEndsInSeparator", posix, u"/home/ana/Output/", u"/data/decks/Plan.pptx",
         u"/home/ana/Output/Plan.pptx", u"/home/ana/Output/Plan.txt"},
        {"Posix_SeveralDots", posix, u"/out", u"/d/Q1.review.ppt", u"/out/Q1.review.ppt", u"/out/Q1.review.txt"},
        {"Posix_NoDot", posix, u"/out", u"/d/README", u"/out/README", u"/out/README.txt"},
        {"Posix_DotInFolderOnly", posix, u"/out.d", u"/d.v2/Plan", u"/out.d/Plan", u"/out.d/Plan.txt"},
        {"Posix_BareFileName", posix, u"/out", u"Plan.pptx", u"/out/Plan.pptx", u"/out/Plan.txt"},
        {"Posix_BackslashIsAName", posix, u"/out", u"/d/a\\b.pptx", u"/out/a\\b.pptx", u"/out/a\\b.txt"},
        {"Posix_RelativeFolder", posix, u"out", u"/d/Plan.pptx", u"out/Plan.pptx", u"out/Plan.txt"},
        {"Posix_EmptyFolder", posix, u"", u"/d/Plan.pptx", u"/Plan.pptx", u"/Plan.txt"},
        {"Posix_HiddenName", posix, u"/out", u"/d/.pptx", u"/out/.pptx", u"/out/.txt"},
        {"Posix_NonAscii", posix, u"/Ausgabe", u"/d/\u65E5\u672C.pptx", u"/Ausgabe/\u65E5\u672C.pptx",
         u"/Ausgabe/\u65E5\u672C.txt"},
        {"Windows_Plain", windows, u"C:\\Output", u"D:\\Decks\\Plan.pptx", u"C:\\Output\\Plan.pptx",
         u"C:\\Output\\Plan.txt"},
        {"Windows_FolderEndsInBackslash", windows, u"C:\\Output\\", u"D:\\Decks\\Plan.pptx", u"C:\\Output\\Plan.pptx",
         u"C:\\Output\\Plan.txt"},
        {"Windows_FolderEndsInSlash", windows, u"C:/Output/", u"D:\\Decks\\Plan.pptx", u"C:/Output/Plan.pptx",
         u"C:/Output/Plan.txt"},
        {"Windows_DriveRelativeSource", windows, u"C:\\Output", u"D:Plan.ppt", u"C:\\Output\\Plan.ppt",
         u"C:\\Output\\Plan.txt"},
        {"Windows_ForwardSlashSource", windows, u"C:\\Output", u"D:/Decks/Plan.pptx", u"C:\\Output\\Plan.pptx",
         u"C:\\Output\\Plan.txt"},
        {"Windows_EmptyFolder", windows, u"", u"D:\\Decks\\Plan.pptx", u"\\Plan.pptx", u"\\Plan.txt"},
    };
}

class NamingTest : public ::testing::TestWithParam<NamingCase> {};

}  // namespace

TEST_P(NamingTest, DisplayAndOutputPath)
{
    const auto& c = GetParam();
    auto names = outputNames(c.folder, c.source, c.rules);
    EXPECT_EQ(lectavo::text::toUtf8(names.displayPath), lectavo::text::toUtf8(c.display));
    EXPECT_EQ(lectavo::text::toUtf8(names.outputPath), lectavo::text::toUtf8(c.output));
}

INSTANTIATE_TEST_SUITE_P(OutputNaming, NamingTest, ::testing::ValuesIn(namingCases()),
                         [](const auto& info) { return info.param.description; });
