// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

#include "lectavo/cli/ConvertCommand.h"
#include "lectavo/convert/DefaultOutputFolder.h"
#include "lectavo/convert/TextEncoding.h"
#include "support/Corpus.h"
#include "support/FakePresentationApp.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using namespace lectavo::testing;
using lectavo::cli::convertCommand;
using ::testing::HasSubstr;

namespace {

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.registerIn(registry);
        app.decks[u"/decks/a.pptx"] = {{textShape(u"Alpha")}, {pictureShape(), textShape(u"beta")}};
        app.decks[u"/decks/b.ppsx"] = {{textShape(u"Bravo")}};
    }

    int run(std::vector<std::string> args)
    {
        out.str({});
        err.str({});
        return convertCommand(args, {out, err, false}, registry);
    }

    TempDir dir;
    CallLog log;
    FakePresentationApp app{log};
    lectavo::automation::ClassRegistry registry;
    std::ostringstream out;
    std::ostringstream err;
};

struct UsageCase {
    std::string description;
    std::vector<std::string> args;
    int status;
    std::string outContains;
    std::string errContains;
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.description; }

std::vector<UsageCase> usageCases()
{
    return {
        {"NoArguments", {}, 2, "", "no presentation files given"},
        {"OnlyAFolder", {"-o", "/tmp/x"}, 2, "", "no presentation files given"},
        {"FolderMissing", {"/decks/a.pptx", "-o"}, 2, "", "option '-o' needs a folder"},
        {"UnknownOption", {"--fast", "/decks/a.pptx"}, 2, "", "unknown option '--fast'"},
        {"Help", {"--help"}, 0, "Usage: lectavo-convert [-o FOLDER] FILE...", ""},
        {"Version", {"--version"}, 0, "lectavo-convert 2.6.0\n", ""},
    };
}

class CliUsageTest : public CliTest, public ::testing::WithParamInterface<UsageCase> {};

}  // namespace

TEST_P(CliUsageTest, StatusAndText)
{
    const auto& c = GetParam();
    EXPECT_EQ(run(c.args), c.status);
    EXPECT_THAT(out.str(), HasSubstr(c.outContains));
    EXPECT_THAT(err.str(), HasSubstr(c.errContains));
    EXPECT_TRUE(log.lines().empty()) << "nothing was converted";
}

INSTANTIATE_TEST_SUITE_P(Cli, CliUsageTest, ::testing::ValuesIn(usageCases()),
                         [](const auto& info) { return info.param.description; });

TEST_F(CliTest, ConvertsEveryFileAndPrintsTheDisplayPaths)
{
    const auto folder = (dir / "out").string();
    for (const auto& args : std::vector<std::vector<std::string>>{{"-o", folder, "/decks/a.pptx", "/decks/b.ppsx"},
                                                                  {"/decks/a.pptx", "--output=" + folder, "--",
                                                                   "/decks/b.ppsx"}}) {
        EXPECT_EQ(run(args), 0);
        EXPECT_EQ(out.str(), folder + "/a.pptx\n" + folder + "/b.ppsx\nSuccessed!\n");
        EXPECT_EQ(err.str(), "");
        EXPECT_EQ(readBytes(folder + "/a.txt"), "Alpha\r\nbeta\r\n");
        EXPECT_EQ(readBytes(folder + "/b.txt"), "Bravo\r\n");
    }
}

TEST_F(CliTest, FileThatDoesNotOpenEndsTheRunWithStatusOne)
{
    const auto folder = (dir / "out").string();
    EXPECT_EQ(run({"-o", folder, "/decks/a.pptx", "/decks/missing.pptx", "/decks/b.ppsx"}), 1);
    EXPECT_EQ(out.str(), folder + "/a.pptx\n");
    EXPECT_EQ(err.str(), "/decks/missing.pptx: cannot open\n"
                         "Error: Failed to open the ppt file. If the powerpoint version is below 2007, please update "
                         "it.\n");
    EXPECT_TRUE(fs::exists(folder + "/a.txt"));
    EXPECT_FALSE(fs::exists(folder + "/b.txt"));
}

TEST_F(CliTest, FileThatCannotBeWrittenGivesStatusOne)
{
    std::ofstream(dir / "file").put('x');
    const auto folder = (dir / "file/out").string();
    EXPECT_EQ(run({"-o", folder, "/decks/a.pptx"}), 1);
    EXPECT_THAT(err.str(), HasSubstr("Error: Failed to write the output file " + folder + "/a.txt: "));
    EXPECT_THAT(out.str(), ::testing::Not(HasSubstr("Successed!")));
}

TEST_F(CliTest, DefaultFolderIsOutputInTheHomeFolder)
{
    const char* saved = std::getenv("HOME");
    const std::string savedHome = saved ? saved : "";
    setenv("HOME", dir.path().c_str(), 1);
    EXPECT_EQ(run({"/decks/b.ppsx"}), 0);
    EXPECT_EQ(readBytes((dir / "Output/b.txt").string()), "Bravo\r\n");

    unsetenv("HOME");
    auto fromAccount = lectavo::text::toUtf8(lectavo::convert::defaultOutputFolder());
    if (saved)
        setenv("HOME", savedHome.c_str(), 1);
    EXPECT_TRUE(fs::path(fromAccount).is_absolute()) << fromAccount;
    EXPECT_EQ(fs::path(fromAccount).filename(), "Output");
}
