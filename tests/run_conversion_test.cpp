// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "lectavo/convert/ConversionRun.h"
#include "lectavo/convert/TextEncoding.h"
#include "support/Corpus.h"
#include "support/FakePresentationApp.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using namespace lectavo::testing;
using lectavo::automation::ClassRegistry;
using lectavo::convert::ConversionRun;
using lectavo::convert::RunEnd;
using lectavo::convert::RunResult;
using lectavo::text::fromUtf8;
using lectavo::text::toUtf8;

namespace {

class RunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.registerIn(registry);
        host.folder = fromUtf8(dir.path().string());
    }

    // Every way a run ends leaves the host's commands enabled again and the application released.
    void TearDown() override
    {
        if (!log.lines().empty()) {
            EXPECT_EQ(log.lines().front(), "host.runStarted");
            EXPECT_EQ(log.lines().back(), "host.runEnded");
        }
        EXPECT_FALSE(host.runActive);
        EXPECT_FALSE(app.applicationAlive());
    }

    RunResult run() { return ConversionRun(host, registry).run(); }

    std::u16string deck(const std::string& path, FakeDeck slides)
    {
        auto p = fromUtf8(path);
        app.decks[p] = std::move(slides);
        return p;
    }
    void addRow(const std::u16string& path, bool checked = true) { host.rows.push_back({checked, path}); }
    fs::path out(const std::string& name) const { return dir / name; }
    std::string written(const std::string& name) const { return readBytes(out(name).string()); }

    // The log (or its last lines) with the output folder written as OUT.
    std::string dump(std::size_t lastLines = SIZE_MAX) const
    {
        const auto& all = log.lines();
        std::string text;
        for (std::size_t i = all.size() > lastLines ? all.size() - lastLines : 0; i < all.size(); ++i)
            text += all[i] + "\n";
        const std::string folder = dir.path().string();
        for (auto at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
            text.replace(at, folder.size(), "OUT");
        return text;
    }
    std::string tail(std::size_t lines) const { return dump(lines); }

    TempDir dir;
    CallLog log;
    FakePresentationApp app{log};
    RecordingHost host{log};
    ClassRegistry registry;
};

const FakeDeck kThreeSlides = {{textShape(u"one")}, {textShape(u"two")}, {textShape(u"three")}};

}  // namespace

TEST_F(RunTest, TwoFilesInContractOrder)
{
    addRow(deck("/decks/a.pptx", {{textShape(u"Title"), pictureShape()}, {textShape(u"")}}));
    addRow(deck("/decks/skipped.pptx", {{textShape(u"not wanted")}}), false);
    addRow(deck("/decks/b.ppt", {{textShape(u"B\r\x0B" "b")}}));

    auto result = run();

    const std::string s1 = "App.ActiveWindow.Presentation.Slides.item[1].Shapes";
    const std::string s2 = "App.ActiveWindow.Presentation.Slides.item[2].Shapes";
    EXPECT_EQ(dump(), "host.runStarted\n"
                      "host.repaint\n"
                      "create PowerPoint.Application\n"
                      "host.showProgress\n"
                      "host.status Converting...\n"
                      "App.Visible=true\n"
                      "App.WindowState=2\n"
                      "host.pump\n"
                      "App.Presentations.Open(\"/decks/a.pptx\")\n"
                      "App.ActivePresentation.Slides.Count\n"
                      "host.folder?\n"
                      "host.status OUT/a.pptx\n"
                      "host.pump\n"
                      "host.progress 1/2\n" +
                          s1 + ".Count\n" +
                          s1 + ".item[1].HasTextFrame\n" +
                          s1 + ".item[1].TextFrame.TextRange.Text\n" +
                          s1 + ".item[2].HasTextFrame\n"
                               "host.stop?\n"
                               "host.pump\n"
                               "host.progress 2/2\n" +
                          s2 + ".Count\n" +
                          s2 + ".item[1].HasTextFrame\n" +
                          s2 + ".item[1].TextFrame.TextRange.Text\n"
                               "host.stop?\n"
                               "App.ActiveWindow.Presentation.Saved=true\n"
                               "App.ActiveWindow.Close()\n"
                               "host.pump\n"
                               "host.pump\n"
                               "App.Presentations.Open(\"/decks/b.ppt\")\n"
                               "App.ActivePresentation.Slides.Count\n"
                               "host.folder?\n"
                               "host.status OUT/b.ppt\n"
                               "host.pump\n"
                               "host.progress 1/1\n" +
                          s1 + ".Count\n" +
                          s1 + ".item[1].HasTextFrame\n" +
                          s1 + ".item[1].TextFrame.TextRange.Text\n"
                               "host.stop?\n"
                               "App.ActiveWindow.Presentation.Saved=true\n"
                               "App.ActiveWindow.Close()\n"
                               "App.Quit()\n"
                               "host.hideProgress\n"
                               "host.status Successed!\n"
                               "host.openFolder OUT\n"
                               "host.runEnded\n");
    EXPECT_EQ(written("a.txt"), "Title\r\n\r\n");
    EXPECT_EQ(written("b.txt"), "B\r\x0B" "b\r\n");
    EXPECT_FALSE(fs::exists(out("skipped.txt")));
    EXPECT_EQ(result.end, RunEnd::Done);
    EXPECT_EQ(result.filesWritten, 2);
    EXPECT_TRUE(app.quitCalled());
}

TEST_F(RunTest, StopInsideProgressUpdateEndsAfterThatSlide)
{
    addRow(deck("/decks/a.pptx", kThreeSlides));
    addRow(deck("/decks/b.pptx", kThreeSlides));
    host.onPump = [&](int pump) {
        if (pump == 3)  // the row, slide 1, slide 2
            host.pressStop();
    };

    auto result = run();

    EXPECT_EQ(tail(11), "host.pump\n"
                        "host.progress 2/3\n"
                        "App.ActiveWindow.Presentation.Slides.item[2].Shapes.Count\n"
                        "App.ActiveWindow.Presentation.Slides.item[2].Shapes.item[1].HasTextFrame\n"
                        "App.ActiveWindow.Presentation.Slides.item[2].Shapes.item[1].TextFrame.TextRange.Text\n"
                        "host.stop?\n"
                        "host.clearStop\n"
                        "App.Quit()\n"
                        "host.hideProgress\n"
                        "host.status Stopped!\n"
                        "host.runEnded\n");
    EXPECT_EQ(result.end, RunEnd::Stopped);
    EXPECT_FALSE(host.stopFlag);
    EXPECT_FALSE(fs::exists(out("a.txt")));
    EXPECT_TRUE(host.openedFolders.empty());
    EXPECT_EQ(app.openCount(), 0u) << "quitting closes what is open";
}

TEST_F(RunTest, StopAtARowTakesEffectAfterTheFirstSlideOfTheNextDeckWithSlides)
{
    addRow(deck("/decks/a.pptx", {{textShape(u"a")}}));
    addRow(deck("/decks/empty.pptx", {}));
    addRow(deck("/decks/c.pptx", kThreeSlides));
    addRow(deck("/decks/d.pptx", kThreeSlides));
    host.onPump = [&](int pump) {
        if (pump == 3)  // the row of empty.pptx
            host.pressStop();
    };

    auto result = run();

    EXPECT_EQ(result.end, RunEnd::Stopped);
    EXPECT_EQ(written("a.txt"), "a\r\n");
    EXPECT_TRUE(fs::exists(out("empty.txt")));
    EXPECT_FALSE(fs::exists(out("c.txt")));
    EXPECT_EQ(host.progressPosition, 1);
    EXPECT_EQ(log.dump().find("d.pptx"), std::string::npos);
}

TEST_F(RunTest, DeckWithoutSlidesGivesAnEmptyFileAndLeavesProgressAndStopAlone)
{
    addRow(deck("/decks/a.pptx", kThreeSlides));
    addRow(deck("/decks/empty.pptx", {}));
    host.onPump = [&](int pump) {
        if (pump == 5)  // the row of empty.pptx
            host.stopFlag = true;
    };

    auto result = run();

    EXPECT_EQ(result.end, RunEnd::Done);
    EXPECT_EQ(tail(12), "host.pump\n"
                        "App.Presentations.Open(\"/decks/empty.pptx\")\n"
                        "App.ActivePresentation.Slides.Count\n"
                        "host.folder?\n"
                        "host.status OUT/empty.pptx\n"
                        "App.ActiveWindow.Presentation.Saved=true\n"
                        "App.ActiveWindow.Close()\n"
                        "App.Quit()\n"
                        "host.hideProgress\n"
                        "host.status Successed!\n"
                        "host.openFolder OUT\n"
                        "host.runEnded\n");
    EXPECT_TRUE(fs::exists(out("empty.txt")));
    EXPECT_EQ(fs::file_size(out("empty.txt")), 0u);
    EXPECT_EQ(host.progressMaximum, 3);
    EXPECT_EQ(host.progressPosition, 3);
    EXPECT_TRUE(host.stopFlag) << "no slide followed the stop, so it stays for the next Convert to clear";
}

TEST_F(RunTest, FailingShapeEndsItsDeckButTheTextBeforeItIsWritten)
{
    addRow(deck("/decks/five.pptx", {{textShape(u"s1a"), pictureShape(), textShape(u"s1c")},
                                     {textShape(u"s2a"), textShape(u"s2b"), brokenShape(), textShape(u"s2d")},
                                     {textShape(u"s3")},
                                     {textShape(u"s4")},
                                     {textShape(u"s5")}}));
    addRow(deck("/decks/next.pptx", {{textShape(u"next")}}));

    auto result = run();

    EXPECT_EQ(result.end, RunEnd::Done);
    EXPECT_EQ(written("five.txt"), "s1a\r\ns1c\r\ns2a\r\ns2b\r\n");
    EXPECT_EQ(written("next.txt"), "next\r\n");
    EXPECT_EQ(host.status, u"Successed!");
}

TEST_F(RunTest, DeckThatFailsToOpenEndsTheRunWithAMessage)
{
    addRow(deck("/decks/a.pptx", {{textShape(u"a")}}));
    addRow(deck("/decks/b.pptx", {{textShape(u"b")}}));
    addRow(u"/decks/broken.pptx");
    addRow(deck("/decks/d.pptx", {{textShape(u"d")}}));

    auto result = run();

    EXPECT_EQ(result.end, RunEnd::OpenFailed);
    EXPECT_EQ(tail(8), "host.pump\n"
                       "App.Presentations.Open(\"/decks/broken.pptx\")\n"
                       "host.openFailed /decks/broken.pptx: cannot open\n"
                       "host.error Failed to open the ppt file. If the powerpoint version is below 2007, please "
                       "update it.\n"
                       "App.Quit()\n"
                       "host.hideProgress\n"
                       "host.status \n"
                       "host.runEnded\n");
    EXPECT_EQ(written("a.txt"), "a\r\n");
    EXPECT_EQ(written("b.txt"), "b\r\n");
    EXPECT_FALSE(fs::exists(out("d.txt")));
    EXPECT_FALSE(host.progressVisible);
    EXPECT_TRUE(host.openedFolders.empty());
}

TEST_F(RunTest, NothingCheckedStillSucceedsAndOpensTheEmptyFolderText)
{
    for (int rows : {0, 3}) {
        SCOPED_TRACE(rows);
        host.rows.assign(rows, Row{false, u"/decks/a.pptx"});
        host.openedFolders.clear();
        log.clear();

        auto result = run();

        EXPECT_EQ(result.end, RunEnd::Done);
        EXPECT_EQ(host.pumps, rows);
        EXPECT_EQ(host.status, u"Successed!");
        EXPECT_EQ(host.openedFolders, std::vector<std::u16string>{u""});
        EXPECT_TRUE(app.quitCalled());
        host.pumps = 0;
    }
}

TEST_F(RunTest, OutputFolderIsReadForEveryFileAndTheLaterSameNameWins)
{
    addRow(deck("/decks/x/Plan.pptx", {{textShape(u"first")}}));
    addRow(deck("/decks/y/Plan.ppt", {{textShape(u"second")}}));
    addRow(deck("/decks/z/Plan.pptx", {{textShape(u"third")}}));
    auto other = dir / "other/";
    host.onPump = [&](int pump) {
        if (pump == 5)  // the third row
            host.folder = fromUtf8(other.string());
    };

    run();

    EXPECT_EQ(written("Plan.txt"), "second\r\n");
    EXPECT_EQ(written("other/Plan.txt"), "third\r\n");
    EXPECT_EQ(host.openedFolders, std::vector<std::u16string>{fromUtf8(other.string())});
}

TEST_F(RunTest, MissingOutputFolderIsCreated)
{
    host.folder = fromUtf8((dir / "new/sub").string());
    addRow(deck("/decks/a.pptx", {{textShape(u"a")}}));

    EXPECT_EQ(run().end, RunEnd::Done);
    EXPECT_EQ(written("new/sub/a.txt"), "a\r\n");
}

namespace {

struct WriteFailureCase {
    std::string description;
    std::string folder;    // below the test folder; "" for an empty setting
    std::string deckName;  // the second, failing deck
    bool unwritableFolder;
};

void PrintTo(const WriteFailureCase& c, std::ostream* os) { *os << c.description; }

std::vector<WriteFailureCase> writeFailureCases()
{
    return {
        {"FolderBelowAFile", "file/sub", "b.pptx", false},
        {"EmptyFolderSetting", "", "b.pptx", false},
        {"TargetIsAFolder", ".", "taken.pptx", false},
        {"NoPermission", "locked", "b.pptx", true},
    };
}

class WriteFailureTest : public RunTest, public ::testing::WithParamInterface<WriteFailureCase> {};

}  // namespace

TEST_P(WriteFailureTest, IsReportedAndEndsTheRun)
{
    const auto& c = GetParam();
    if (c.unwritableFolder && geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    std::ofstream(dir / "file").put('x');
    fs::create_directories(dir / "taken.txt");
    fs::create_directories(dir / "locked");
    fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);

    addRow(deck("/decks/a.pptx", {{textShape(u"a")}}));
    addRow(deck("/decks/" + c.deckName, {{textShape(u"b")}}));
    addRow(deck("/decks/c.pptx", {{textShape(u"c")}}));
    const auto folder = c.folder.empty() ? std::u16string() : fromUtf8((dir / c.folder).string());
    host.onPump = [&](int pump) {
        if (pump == 3)  // the second row
            host.folder = folder;
    };

    auto result = run();

    EXPECT_EQ(result.end, RunEnd::WriteFailed);
    EXPECT_EQ(result.filesWritten, 1);
    ASSERT_EQ(host.errors.size(), 1u);
    auto base = c.deckName.substr(0, c.deckName.find('.'));
    auto expectedPath = (c.folder.empty() ? std::u16string() : folder) + fromUtf8("/" + base + ".txt");
    auto prefix = u"Failed to write the output file " + expectedPath + u": ";
    EXPECT_EQ(toUtf8(host.errors[0].substr(0, prefix.size())), toUtf8(prefix));
    EXPECT_GT(host.errors[0].size(), prefix.size()) << "the reason follows";
    EXPECT_EQ(tail(4), "App.Quit()\n"
                       "host.hideProgress\n"
                       "host.status \n"
                       "host.runEnded\n");
    EXPECT_EQ(written("a.txt"), "a\r\n");
    EXPECT_TRUE(host.openedFolders.empty());
    EXPECT_EQ(log.dump().find("c.pptx"), std::string::npos);
    fs::permissions(dir / "locked", fs::perms::owner_all);
}

INSTANTIATE_TEST_SUITE_P(Run, WriteFailureTest, ::testing::ValuesIn(writeFailureCases()),
                         [](const auto& info) { return info.param.description; });

TEST_F(RunTest, ApplicationThatCannotStartIsReportedAndNothingElseChanges)
{
    app.refuseCreation = true;
    addRow(deck("/decks/a.pptx", {{textShape(u"a")}}));

    EXPECT_EQ(run().end, RunEnd::ConnectFailed);
    EXPECT_EQ(dump(), "host.runStarted\n"
                      "host.repaint\n"
                      "create PowerPoint.Application\n"
                      "host.error Failed to connect PowerPoint. Please install PowerPoint.\n"
                      "host.runEnded\n");
    EXPECT_EQ(host.status, u"(before)");
}

TEST_F(RunTest, ApplicationFailuresOutsideTheFileScopesLeaveTheRun)
{
    for (std::string member : {"Visible", "WindowState", "Quit"}) {
        SCOPED_TRACE(member);
        app.failingMembers = {member};
        host.rows.clear();
        addRow(deck("/decks/a.pptx", {{textShape(u"a")}}));
        log.clear();
        host.openedFolders.clear();

        EXPECT_THROW(run(), lectavo::automation::Error);

        EXPECT_TRUE(host.progressVisible);
        EXPECT_NE(host.status, u"Successed!");
        EXPECT_TRUE(host.openedFolders.empty());
        EXPECT_EQ(log.lines().back(), "host.runEnded");
    }
}

TEST_F(RunTest, FailureToCloseEndsTheRowLoopSilently)
{
    app.failingMembers = {"Close"};
    addRow(deck("/decks/a.pptx", {{textShape(u"a")}}));
    addRow(deck("/decks/b.pptx", {{textShape(u"b")}}));

    EXPECT_EQ(run().end, RunEnd::Done);
    EXPECT_FALSE(fs::exists(out("a.txt")));
    EXPECT_EQ(log.dump().find("b.pptx"), std::string::npos);
    EXPECT_EQ(host.status, u"Successed!");
    EXPECT_TRUE(host.errors.empty());
}
