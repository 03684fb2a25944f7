// SPDX-License-Identifier: MIT
#include <QAbstractItemModelTester>
#include <gtest/gtest.h>

#include "FileListModel.h"
#include "TextCompare.h"

using namespace lectavo::filelist;

namespace {

FileEntry entry(const QString& name, const QString& size = QStringLiteral("1KB"), bool checked = true)
{
    FileEntry e;
    e.checked = checked;
    e.name = name;
    e.path = QStringLiteral("/decks/") + name;
    e.size = size;
    e.buildTime = QStringLiteral("5/1/2010");
    e.modifyTime = QStringLiteral("5/1/2010");
    return e;
}

QStringList names(const FileListModel& model)
{
    QStringList out;
    for (int r = 0; r < model.size(); ++r)
        out << model.entry(r).name;
    return out;
}

QList<bool> checks(const FileListModel& model)
{
    QList<bool> out;
    for (int r = 0; r < model.size(); ++r)
        out << model.entry(r).checked;
    return out;
}

struct CompareCase {
    std::string description;
    const char* first;
    const char* second;
    int sign;  // -1, 0 or 1
};

class CompareTextsTest : public ::testing::TestWithParam<CompareCase> {};

std::vector<CompareCase> compareCases()
{
    return {
        {"CaseFolded", "agenda.ppt", "Budget.ppt", -1},
        {"UnderscoreAfterLetters", "Budget.ppt", "_draft.ppt", -1},
        {"PrefixFirst", "talk.ppt", "talk.pptx", -1},
        {"EqualIgnoringCase", "Talk.PPT", "talk.ppt", 0},
        {"SizesAsText", "100KB", "10KB", -1},
        {"SizesAsText2", "10KB", "9KB", -1},
        {"DatesAsText", "12/1/2010", "5/1/2010", -1},
        {"BlankBeforeLetters", "a b", "ab", -1},
        {"BracketAfterLetters", "[x]", "zz", 1},
        {"AccentsByCode", "\xC3\xA9", "z", 1},
        {"Empty", "", "a", -1},
    };
}

int sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

TEST_P(CompareTextsTest, Order)
{
    const auto& c = GetParam();
    EXPECT_EQ(sign(compareTexts(QString::fromUtf8(c.first), QString::fromUtf8(c.second))), c.sign);
    EXPECT_EQ(sign(compareTexts(QString::fromUtf8(c.second), QString::fromUtf8(c.first))), -c.sign);
}

INSTANTIATE_TEST_SUITE_P(ListCompare, CompareTextsTest, ::testing::ValuesIn(compareCases()),
                         [](const auto& info) { return info.param.description; });

TEST(FileListModel, AppendKeepsOrderAndDuplicates)
{
    FileListModel model;
    QAbstractItemModelTester tester(&model);
    model.append({entry("b.ppt"), entry("a.ppt"), entry("b.ppt")});
    model.append(entry("c.ppt"));
    EXPECT_EQ(names(model), (QStringList{"b.ppt", "a.ppt", "b.ppt", "c.ppt"}));
    EXPECT_EQ(model.columnCount(), 5);
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Build Time"));
    EXPECT_EQ(model.data(model.index(0, 0), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("/decks/b.ppt"));
}

TEST(FileListModel, RemoveFirstThirdAndLastOfFive)
{
    FileListModel model;
    QAbstractItemModelTester tester(&model);
    model.append({entry("1"), entry("2"), entry("3"), entry("4"), entry("5")});
    model.removeEntries({4, 0, 2, 2});
    EXPECT_EQ(names(model), (QStringList{"2", "4"}));
    model.removeEntries({});
    EXPECT_EQ(model.size(), 2);
    model.clear();
    EXPECT_EQ(model.size(), 0);
    model.invertChecks();  // nothing to do on an empty list
    model.removeEntries({0});
}

TEST(FileListModel, CheckInvertsEachMarkAndTwiceRestores)
{
    FileListModel model;
    QAbstractItemModelTester tester(&model);
    model.append({entry("1", "1KB", false), entry("2", "1KB", true), entry("3", "1KB", false)});
    model.invertChecks();
    EXPECT_EQ(checks(model), (QList<bool>{true, false, true}));
    model.invertChecks();
    EXPECT_EQ(checks(model), (QList<bool>{false, true, false}));
}

TEST(FileListModel, EditingChangesNameOnly)
{
    FileListModel model;
    QAbstractItemModelTester tester(&model);
    model.append(entry("talk.ppt"));
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.setData(model.index(0, 0), QStringLiteral("Renamed")));
    EXPECT_FALSE(model.setData(model.index(0, 1), QStringLiteral("/elsewhere")));
    EXPECT_EQ(model.entry(0).name, QStringLiteral("Renamed"));
    EXPECT_EQ(model.entry(0).path, QStringLiteral("/decks/talk.ppt"));

    model.setNameEditable(false);
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(model.index(0, 0), QStringLiteral("Again")));
    EXPECT_TRUE(model.setData(model.index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_FALSE(model.entry(0).checked);
}

TEST(FileListModel, SortIsAscendingStableAndNeverReversed)
{
    FileListModel model;
    QAbstractItemModelTester tester(&model);
    model.append({entry("_draft.ppt", "9KB"), entry("Budget.ppt", "100KB"), entry("agenda.ppt", "10KB"),
                  entry("talk.ppt", "9KB")});
    model.sortByColumn(FileListModel::NameColumn);
    EXPECT_EQ(names(model), (QStringList{"agenda.ppt", "Budget.ppt", "talk.ppt", "_draft.ppt"}));
    model.sortByColumn(FileListModel::SizeColumn);
    EXPECT_EQ(names(model), (QStringList{"Budget.ppt", "agenda.ppt", "talk.ppt", "_draft.ppt"}));
    model.sortByColumn(FileListModel::SizeColumn);
    EXPECT_EQ(names(model), (QStringList{"Budget.ppt", "agenda.ppt", "talk.ppt", "_draft.ppt"}));
    model.append(entry("0.ppt", "1KB"));
    EXPECT_EQ(model.entry(4).name, QStringLiteral("0.ppt"));  // added after a sort: at the end
}
