// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "Application.h"
#include "support/ProgramForms.h"


namespace {

using Forms = lectavo::testing::ProgramForms;

QString makeFile(const QTemporaryDir& dir, const QString& name) { return lectavo::testing::makeFile(dir.filePath(name)); }

lectavo::platform::OpenFileResult picked(const QStringList& files, const QString& filter)
{
    return {files, filter};
}

}  // namespace

TEST(Form1, StartsEmptyWithHiddenProgressAndBuffer)
{
    Forms f;
    f.form1.show();
    EXPECT_EQ(f.form1.windowTitle(), QStringLiteral("Lectavo 2.6"));
    EXPECT_EQ(f.form1.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(f.form1.pos(), QPoint(296, 114));
    EXPECT_EQ(f.form1.fileList().size(), 0);
    EXPECT_TRUE(f.ui.Label1->text().isEmpty());
    EXPECT_FALSE(f.ui.ProgressBar1->isVisible());
    EXPECT_FALSE(f.ui.Memo1->isVisible());
    EXPECT_FALSE(f.form1.StopFlag);
    EXPECT_EQ(f.form1.SortColumn, 0);
    EXPECT_FALSE(f.form2.isVisible());
    // The list reaches the foot of its panel while the bar is hidden.
    EXPECT_EQ(f.ui.ListView1->geometry().bottom(), f.ui.Panel2->height() - 1);

    QHeaderView* header = f.ui.ListView1->header();
    const int widths[] = {100, 200, 100, 120, 220};
    const char* captions[] = {"Name", "Path", "Size", "Build Time", "ModifyTime"};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(header->sectionSize(c), widths[c]);
        EXPECT_EQ(f.form1.fileList().headerData(c, Qt::Horizontal).toString(), QString::fromLatin1(captions[c]));
    }
}

TEST(Form1, ToolbarMatchesTheCommandTable)
{
    Forms f;
    struct Button {
        QToolButton* button;
        int left, width;
        const char* caption;
        const char* hint;
    };
    const Button buttons[] = {
        {f.ui.SpeedButton3, 0, 49, "Add", "Add File"},           {f.ui.SpeedButton4, 48, 49, "Adds", "Add Folder"},
        {f.ui.SpeedButton20, 96, 49, "Remove", "Remove Selected"}, {f.ui.SpeedButton5, 144, 65, "Removes", "Remove All"},
        {f.ui.SpeedButton6, 208, 49, "Check", "Select All"},     {f.ui.SpeedButton10, 264, 49, "Setting", "Setting"},
        {f.ui.SpeedButton11, 312, 57, "Convert", "Convert"},     {f.ui.SpeedButton1, 368, 49, "Stop", "Stop conversion"},
        {f.ui.SpeedButton13, 424, 49, "Help", "Help"},           {f.ui.SpeedButton14, 472, 49, "Home", "Homepage"},
    };
    for (const Button& b : buttons) {
        EXPECT_EQ(b.button->geometry(), QRect(b.left, 8, b.width, 57)) << b.caption;
        EXPECT_EQ(b.button->text(), QString::fromLatin1(b.caption));
        EXPECT_EQ(b.button->toolTip(), QString::fromLatin1(b.hint));
        EXPECT_TRUE(b.button->autoRaise());
    }
    EXPECT_EQ(f.ui.SpeedButton18->geometry(), QRect(260, 16, 1, 35));
    EXPECT_EQ(f.ui.SpeedButton17->geometry(), QRect(420, 16, 1, 35));
    EXPECT_FALSE(f.ui.SpeedButton18->isEnabled());
    auto* menu = f.form1.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    ASSERT_TRUE(menu);
    QStringList items;
    for (QAction* a : menu->actions())
        items << a->text();
    EXPECT_EQ(items, (QStringList{"Remove", "Remove All", "Check All"}));
}

TEST(Form1, AddKeepsOrderDuplicatesAndSkipsMissing)
{
    QTemporaryDir dir;
    QString a = makeFile(dir, QStringLiteral("A.pptx")), b = makeFile(dir, QStringLiteral("b.ppt"));
    Forms f;
    f.ui.Label1->setText(QStringLiteral("Successed!"));
    f.fakes.dialogs.openAnswers.push_back(picked({b, dir.filePath(QStringLiteral("gone.ppt")), a}, QStringLiteral("second")));
    f.fakes.dialogs.openAnswers.push_back(picked({b}, QStringLiteral("third")));
    f.fakes.dialogs.openAnswers.push_back(std::nullopt);
    f.ui.SpeedButton3->click();
    EXPECT_TRUE(f.ui.Label1->text().isEmpty());
    f.ui.SpeedButton3->click();
    f.ui.SpeedButton3->click();  // cancelled
    EXPECT_EQ(f.names(), (QStringList{"b.ppt", "A.pptx", "b.ppt"}));
    EXPECT_TRUE(f.form1.fileList().entry(0).checked);
    EXPECT_EQ(f.form1.fileList().entry(1).path, a);

    // The dialog starts on the first filter and remembers the last filter and first file.
    const auto& requests = f.fakes.dialogs.openRequests;
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].filters.size(), 4);
    EXPECT_EQ(requests[0].selectedFilter, requests[0].filters[0]);
    EXPECT_TRUE(requests[0].filters[0].startsWith(QStringLiteral("All PowerPoint Presentations (*.ppt *.pps")));
    EXPECT_EQ(requests[0].filters[2], QStringLiteral("Microsoft PowerPoint(2007-2010)(*.pps;*.pptx;*.ppsx;*.pptm;*.ppsm) "
                                                     "(*.pps *.pptx *.ppsx *.pptm *.ppsm)"));
    EXPECT_TRUE(requests[0].initialFile.isEmpty());
    EXPECT_EQ(requests[1].selectedFilter, QStringLiteral("second"));
    EXPECT_EQ(requests[1].initialFile, b);
    EXPECT_EQ(requests[2].selectedFilter, QStringLiteral("third"));
}

TEST(Form1, MenuItemsDoExactlyWhatTheirButtonsDo)
{
    struct Pair {
        const char* description;
        QToolButton* Ui::TForm1::*button;
        QAction* Ui::TForm1::*action;
    };
    const Pair pairs[] = {
        {"Remove", &Ui::TForm1::SpeedButton20, &Ui::TForm1::Remove1},
        {"RemoveAll", &Ui::TForm1::SpeedButton5, &Ui::TForm1::RemoveAll1},
        {"CheckAll", &Ui::TForm1::SpeedButton6, &Ui::TForm1::CheckAll1},
    };
    QTemporaryDir dir;
    QStringList files;
    for (const char* name : {"1.ppt", "2.ppt", "3.ppt", "4.ppt", "5.ppt"})
        files << makeFile(dir, QString::fromLatin1(name));

    auto stateAfter = [&](const Pair& p, bool viaMenu) {
        Forms f;
        f.add(files);
        f.form1.fileList().setChecked(1, false);
        auto* sel = f.ui.ListView1->selectionModel();
        for (int r : {0, 2, 4})
            sel->select(f.form1.fileList().index(r, 0), QItemSelectionModel::Select);
        if (viaMenu)
            (f.ui.*p.action)->trigger();
        else
            (f.ui.*p.button)->click();
        QStringList state;
        for (int r = 0; r < f.form1.fileList().size(); ++r)
            state << f.form1.fileList().entry(r).name + (f.form1.fileList().entry(r).checked ? "+" : "-");
        return state;
    };
    const QStringList expected[] = {{"2.ppt-", "4.ppt+"}, {}, {"1.ppt-", "2.ppt+", "3.ppt-", "4.ppt-", "5.ppt-"}};
    for (std::size_t i = 0; i < std::size(pairs); ++i) {
        EXPECT_EQ(stateAfter(pairs[i], false), expected[i]) << pairs[i].description;
        EXPECT_EQ(stateAfter(pairs[i], true), expected[i]) << pairs[i].description;
    }
}

TEST(Form1, StopAndConvertHandleTheFlag)
{
    Forms f;
    f.ui.Label1->setText(QStringLiteral("Successed!"));
    f.ui.SpeedButton1->click();
    EXPECT_TRUE(f.form1.StopFlag);
    EXPECT_TRUE(f.ui.Label1->text().isEmpty());
    EXPECT_FALSE(f.ui.ProgressBar1->isVisible());
    f.ui.SpeedButton11->click();
    EXPECT_FALSE(f.form1.StopFlag);
}

TEST(Form1, HeaderClickSortsByThatColumn)
{
    QTemporaryDir dir;
    Forms f;
    f.add({makeFile(dir, QStringLiteral("b.ppt")), makeFile(dir, QStringLiteral("_c.ppt")), makeFile(dir, QStringLiteral("A.ppt"))});
    emit f.ui.ListView1->header()->sectionClicked(0);
    EXPECT_EQ(f.form1.SortColumn, 0);
    EXPECT_EQ(f.names(), (QStringList{"A.ppt", "b.ppt", "_c.ppt"}));
    emit f.ui.ListView1->header()->sectionClicked(1);
    EXPECT_EQ(f.form1.SortColumn, 1);
}

TEST(Form1, ExceptionsEscapingHandlersAreReportedAndTheLoopGoesOn)
{
    auto* app = dynamic_cast<lectavo::app::Application*>(QCoreApplication::instance());
    ASSERT_TRUE(app);
    QStringList reported;
    app->setErrorReporter([&](const QString& text) { reported << text; });
    QToolButton button;
    QObject::connect(&button, &QToolButton::clicked, [] { throw std::runtime_error("disk on fire"); });
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    app->setErrorReporter({});
    EXPECT_EQ(reported, (QStringList{"disk on fire", "disk on fire"}));
}

TEST(Form1, CloseIsAlwaysGranted)
{
    Forms f;
    f.form1.show();
    EXPECT_TRUE(f.form1.close());
}

TEST(Form1, HelpOpensTheGuideBesideTheExecutableWhereverItStarts)
{
    Forms f;
    QTemporaryDir elsewhere;
    QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    f.ui.SpeedButton13->click();
    QDir::setCurrent(before);
    EXPECT_EQ(f.fakes.shell.opened, QStringList{"path:" + QCoreApplication::applicationDirPath() + "/lectavo.html"});

    QTemporaryDir empty;
    EXPECT_TRUE(TForm1::helpFilePath(empty.path()).isEmpty());
    ASSERT_TRUE(QDir(empty.path()).mkpath(QStringLiteral("share/lectavo")));
    ASSERT_TRUE(QDir(empty.path()).mkpath(QStringLiteral("bin")));
    makeFile(empty, QStringLiteral("share/lectavo/lectavo.html"));
    EXPECT_EQ(TForm1::helpFilePath(empty.filePath(QStringLiteral("bin"))), empty.filePath(QStringLiteral("share/lectavo/lectavo.html")));
}

TEST(Form1, HomeOpensTheHomePage)
{
    Forms f;
    f.ui.SpeedButton14->click();
    EXPECT_EQ(f.fakes.shell.opened, QStringList{"url:" + TForm1::HomePageAddress});
}

TEST(Form1, AddsAppendsTheFolderPresentationsAfterExistingRows)
{
    QTemporaryDir dir;
    for (const char* name : {"TALK.PPT", "notes.txt", "b.potx"})
        makeFile(dir, QString::fromLatin1(name));
    Forms f;
    f.add({makeFile(dir, QStringLiteral("first.pptx"))});
    f.ui.Label1->setText(QStringLiteral("Stopped!"));
    f.fakes.dialogs.folderAnswers = {dir.path(), QString()};
    f.ui.SpeedButton4->click();
    EXPECT_TRUE(f.ui.Label1->text().isEmpty());
    f.ui.SpeedButton4->click();  // cancelled
    QStringList added = f.names().mid(1);
    added.sort();
    EXPECT_EQ(f.names().first(), QStringLiteral("first.pptx"));
    EXPECT_EQ(added, (QStringList{"TALK.PPT", "b.potx", "first.pptx"}));
    EXPECT_EQ(f.fakes.dialogs.folderTitles, (QStringList{"Please Choose a Folder", "Please Choose a Folder"}));
    EXPECT_EQ(f.fakes.dialogs.folderInitials, (QStringList{QString(), QString()}));
}
