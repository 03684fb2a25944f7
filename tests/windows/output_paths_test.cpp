// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "lectavo/convert/DefaultOutputFolder.h"
#include "lectavo/convert/OutputNaming.h"
#include "lectavo/convert/TextEncoding.h"

using namespace lectavo::convert;

namespace {

struct PathCase {
    std::string name;
    std::u16string folder;
    std::u16string source;
    std::u16string displayPath;
    std::u16string outputPath;
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << c.name; }

std::vector<PathCase> pathCases()
{
    return {
        {"DefaultFolder", defaultOutputFolder(), u"D:\\Decks\\Plan.pptx", u"C:\\Output\\Plan.pptx",
         u"C:\\Output\\Plan.txt"},
        {"FolderEndingInBackslash", u"C:\\Output\\", u"D:\\Decks\\Plan.pptx", u"C:\\Output\\Plan.pptx",
         u"C:\\Output\\Plan.txt"},
        {"FolderEndingInSlash", u"C:/Output/", u"D:\\Decks\\Plan.pptx", u"C:/Output/Plan.pptx",
         u"C:/Output/Plan.txt"},
        {"SourceWithMixedSeparators", u"C:\\Output", u"D:\\Decks/Q1\\Q1.review.ppt", u"C:\\Output\\Q1.review.ppt",
         u"C:\\Output\\Q1.review.txt"},
        {"DriveRelativeSource", u"C:\\Output", u"D:Plan.pptx", u"C:\\Output\\Plan.pptx", u"C:\\Output\\Plan.txt"},
        {"DotOnlyInTheFolder", u"C:\\v1.2", u"D:\\v2.0\\Notes", u"C:\\v1.2\\Notes", u"C:\\v1.2\\Notes.txt"},
        {"UncFolderAndSource", u"\\\\server\\out", u"\\\\host\\decks\\Plan.pps", u"\\\\server\\out\\Plan.pps",
         u"\\\\server\\out\\Plan.txt"},
    };
}

class WindowsOutputPaths : public ::testing::TestWithParam<PathCase> {};

}  // namespace

TEST(WindowsOutputFolder, DefaultsToCOutput) { EXPECT_EQ(defaultOutputFolder(), u"C:\\Output"); }

// The rules the program was built with: "\", "/" and the drive colon.
TEST_P(WindowsOutputPaths, JoinTheFolderWithTheSourcesName)
{
    const auto& c = GetParam();
    const OutputNames names = outputNames(c.folder, c.source);
    EXPECT_EQ(lectavo::text::toUtf8(names.displayPath), lectavo::text::toUtf8(c.displayPath));
    EXPECT_EQ(lectavo::text::toUtf8(names.outputPath), lectavo::text::toUtf8(c.outputPath));
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowsOutputPaths, ::testing::ValuesIn(pathCases()),
                         [](const auto& info) { return info.param.name; });
