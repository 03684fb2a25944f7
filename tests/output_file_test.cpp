// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "lectavo/convert/OutputFile.h"
#include "lectavo/convert/TextBuffer.h"
#include "lectavo/convert/TextEncoding.h"
#include "support/Corpus.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using lectavo::convert::OutputError;
using lectavo::convert::TextBuffer;
using lectavo::convert::writeWholeFile;
using lectavo::testing::readBytes;
using lectavo::testing::TempDir;

namespace {

struct BufferCase {
    std::string description;
    std::vector<std::u16string> lines;
    std::string bytes;
};

void PrintTo(const BufferCase& c, std::ostream* os) { *os << c.description; }

std::vector<BufferCase> bufferCases()
{
    return {
        {"NoLines", {}, ""},
        {"EmptyText", {u""}, "\r\n"},
        {"TwoLines", {u"Title", u"Body"}, "Title\r\nBody\r\n"},
        {"InnerSeparatorsKept", {u"one\rtwo\x0Bthree\tfour\nfive"}, "one\rtwo\x0Bthree\tfour\nfive\r\n"},
        {"Utf8WithoutMark",
         {u"\uFEFF\u00E9\u65E5\xD842\xDF9F"},
         "\xEF\xBB\xBF\xC3\xA9\xE6\x97\xA5\xF0\xA0\xAE\x9F\r\n"},
        {"UnpairedSurrogate", {std::u16string(1, char16_t(0xDC00))}, "\xEF\xBF\xBD\r\n"},
    };
}

class BufferTest : public ::testing::TestWithParam<BufferCase> {};

}  // namespace

TEST_P(BufferTest, BytesAsWritten)
{
    TextBuffer buffer;
    buffer.appendLine(u"left over from the previous file");
    buffer.clear();
    for (const auto& line : GetParam().lines)
        buffer.appendLine(line);
    EXPECT_EQ(buffer.bytes(), GetParam().bytes);

    TempDir dir;
    auto path = dir / "out.txt";
    buffer.save(lectavo::text::fromUtf8(path.string()));
    EXPECT_EQ(readBytes(path.string()), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(TextBuffer, BufferTest, ::testing::ValuesIn(bufferCases()),
                         [](const auto& info) { return info.param.description; });

TEST(OutputFile, CreatesMissingFoldersAndReplacesWholeFiles)
{
    TempDir dir;
    auto target = dir / "a/b/c/Plan.txt";
    writeWholeFile(lectavo::text::fromUtf8(target.string()), "first version, rather long\r\n");
    writeWholeFile(lectavo::text::fromUtf8(target.string()), "second\r\n");
    EXPECT_EQ(readBytes(target.string()), "second\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(target.parent_path()), fs::directory_iterator()), 1)
        << "no temporary file is left beside the output";
}

TEST(OutputFile, FailuresLeaveTheOldFileAndNoTemporaryFile)
{
    TempDir dir;
    fs::create_directory(dir / "taken.txt");
    std::ofstream(dir / "file").put('x');

    struct Failure {
        std::string name;
        fs::path target;
    };
    for (const auto& f : {Failure{"TargetIsAFolder", dir / "taken.txt"},
                          Failure{"FolderIsAFile", dir / "file/Plan.txt"},
                          Failure{"FolderUnderAFile", dir / "file/sub/Plan.txt"}}) {
        SCOPED_TRACE(f.name);
        try {
            writeWholeFile(lectavo::text::fromUtf8(f.target.string()), "text\r\n");
            ADD_FAILURE() << "no error";
        } catch (const OutputError& e) {
            EXPECT_STRNE(e.what(), "");
        }
    }
    EXPECT_TRUE(fs::is_directory(dir / "taken.txt"));
    EXPECT_EQ(readBytes((dir / "file").string()), "x");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(OutputFile, WriteThatRunsOutOfSpaceKeepsTheEarlierFile)
{
    TempDir dir;
    const auto target = (dir / "Plan.txt").string();
    writeWholeFile(lectavo::text::fromUtf8(target), "good\r\n");

    // A file size limit fails the write part way, as a full disk does.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &small);
    std::string error;
    try {
        writeWholeFile(lectavo::text::fromUtf8(target), std::string(100000, 'x'));
    } catch (const OutputError& e) {
        error = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(error, "File too large");
    EXPECT_EQ(readBytes(target), "good\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}
