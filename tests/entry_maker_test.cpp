// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utime.h>

#include "EntryMaker.h"

using namespace lectavo::filelist;

namespace {

void writeFile(const QString& path, qint64 size)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(size, 'x'));
}

struct ExtensionCase {
    std::string description;
    const char* name;
    bool presentation;
};

class ExtensionTest : public ::testing::TestWithParam<ExtensionCase> {};

std::vector<ExtensionCase> extensionCases()
{
    return {
        {"UpperPpt", "TALK.PPT", true},     {"MixedPptx", "Talk.Pptx", true}, {"Pps", "a.pps", true},
        {"Ppsx", "a.ppsx", true},           {"Pptm", "a.pptm", true},         {"Ppsm", "a.ppsm", true},
        {"Pot", "a.pot", true},             {"Potx", "a.potx", true},         {"Potm", "a.potm", true},
        {"Backup", "talk.ppt.bak", false},  {"Short", "talk.pp", false},      {"NoDot", "talk", false},
        {"Dot", ".", false},                {"DotDot", "..", false},          {"HiddenPpt", ".x.ppt", true},
        {"DotInFolder", "deck.ppt/notes", false},
    };
}

}  // namespace

TEST_P(ExtensionTest, ByExtensionAlone)
{
    EXPECT_EQ(hasPresentationExtension(QString::fromUtf8(GetParam().name)), GetParam().presentation);
}

INSTANTIATE_TEST_SUITE_P(Extensions, ExtensionTest, ::testing::ValuesIn(extensionCases()),
                         [](const auto& info) { return info.param.description; });

TEST(MakeFileEntry, PresentMissingAndUnreadable)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Plan Q1.pptx"));
    writeFile(path, 2048);
    struct utimbuf times {1273851739, 1273851739};  // 2010-05-14 15:42:19 UTC
    ASSERT_EQ(utime(path.toLocal8Bit().constData(), &times), 0);

    TimeFormat format;
    format.shortDate = QStringLiteral("yyyy-MM-dd");
    format.twelveHour = false;
    auto e = makeFileEntry(path, format);
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->checked);
    EXPECT_EQ(e->name, QStringLiteral("Plan Q1.pptx"));
    EXPECT_EQ(e->path, path);
    EXPECT_EQ(e->size, QStringLiteral("2KB"));
    EXPECT_EQ(e->modifyTime, QStringLiteral("2010-05-14 17:42:18"));  // Berlin summer time, even second

    EXPECT_FALSE(makeFileEntry(dir.filePath(QStringLiteral("missing.ppt")), format));
    EXPECT_FALSE(makeFileEntry(path + QStringLiteral("/below-a-file.ppt"), format));
    EXPECT_FALSE(makeFileEntry(QString(), format));

    auto folder = makeFileEntry(dir.path(), format);  // a folder counts, with 0KB
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->size, QStringLiteral("0KB"));
}

TEST(ScanFolder, DirectEntriesWithPresentationExtensions)
{
    QTemporaryDir dir;
    for (const char* name : {"TALK.PPT", "Talk.Pptx", "talk.ppt.bak", "talk.pp", "talk", ".hidden.pot"})
        writeFile(dir.filePath(QString::fromLatin1(name)), 10);
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("slides.ppt")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("sub")));
    writeFile(dir.filePath(QStringLiteral("sub/inner.ppt")), 10);

    auto entries = scanFolder(dir.path(), TimeFormat{});
    QStringList found;
    for (const auto& e : entries) {
        found << e.name;
        EXPECT_EQ(e.path, dir.path() + QLatin1Char('/') + e.name);
        auto direct = makeFileEntry(e.path, TimeFormat{});
        ASSERT_TRUE(direct);
        EXPECT_EQ(e.size, direct->size);
        EXPECT_EQ(e.modifyTime, direct->modifyTime);
        EXPECT_EQ(e.buildTime, direct->buildTime);
    }
    found.sort();
    EXPECT_EQ(found, (QStringList{".hidden.pot", "TALK.PPT", "Talk.Pptx", "slides.ppt"}));

    EXPECT_TRUE(scanFolder(dir.filePath(QStringLiteral("nowhere")), TimeFormat{}).empty());
}

TEST(ScanFolder, RootJoinsWithOneSeparator)
{
    EXPECT_EQ(joinPath(QStringLiteral("/"), QStringLiteral("a.ppt")), QStringLiteral("/a.ppt"));
    EXPECT_EQ(joinPath(QStringLiteral("/decks"), QStringLiteral("a.ppt")), QStringLiteral("/decks/a.ppt"));
}
