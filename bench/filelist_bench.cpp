// SPDX-License-Identifier: MIT
// The file list at scale: Add of 10,000 files, the scan of a folder of 10,000
// presentations, and sorting 100,000 rows. Each must take well under a second.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "EntryMaker.h"
#include "FileListModel.h"

using namespace lectavo::filelist;

namespace {

template <typename F>
double seconds(F&& f)
{
    auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void report(const char* what, double s)
{
    std::printf("%-44s %8.3f s  %s\n", what, s, s < 1.0 ? "ok (< 1 s)" : "SLOW (target < 1 s)");
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const int files = 10000;
    QStringList paths;
    for (int i = 0; i < files; ++i) {
        QString path = dir.filePath(QStringLiteral("deck-%1.pptx").arg(i, 5, 10, QLatin1Char('0')));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("x");
        paths << path;
    }
    TimeFormat format = TimeFormat::fromLocale(QLocale::system());

    FileListModel added;
    report("Add: 10,000 picked files", seconds([&] {
        std::vector<FileEntry> entries;
        entries.reserve(paths.size());
        for (const QString& p : paths) {
            if (auto e = makeFileEntry(p, format))
                entries.push_back(std::move(*e));
        }
        added.append(std::move(entries));
    }));

    FileListModel scanned;
    report("Adds: scan a folder of 10,000 presentations", seconds([&] { scanned.append(scanFolder(dir.path(), format)); }));

    FileListModel big;
    std::vector<FileEntry> rows;
    rows.reserve(100000);
    for (int i = 0; i < 100000; ++i) {
        FileEntry e;
        e.name = QStringLiteral("Deck %1.pptx").arg((i * 7919) % 100000);
        e.path = QStringLiteral("/srv/decks/") + e.name;
        e.size = QStringLiteral("%1KB").arg((i * 31) % 5000);
        e.buildTime = e.modifyTime = QStringLiteral("5/%1/2010 3:42:18 PM").arg(i % 28 + 1);
        rows.push_back(std::move(e));
    }
    big.append(std::move(rows));
    report("Sort 100,000 rows by Name", seconds([&] { big.sortByColumn(FileListModel::NameColumn); }));
    report("Sort 100,000 rows by Size", seconds([&] { big.sortByColumn(FileListModel::SizeColumn); }));
    std::printf("rows: added %d, scanned %d, sorted %d\n", added.size(), scanned.size(), big.size());
    return 0;
}
