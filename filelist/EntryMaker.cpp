// SPDX-License-Identifier: MIT
#include "EntryMaker.h"

#include <algorithm>

namespace lectavo::filelist {

namespace {

#ifdef Q_OS_WIN
constexpr QChar kSeparator = QLatin1Char('\\');
#else
constexpr QChar kSeparator = QLatin1Char('/');
#endif

// Where a path's last part begins: after its last separator (on Windows also a backslash or the drive colon).
qsizetype nameStart(const QString& path)
{
#ifdef Q_OS_WIN
    qsizetype at = -1;
    for (QChar c : {QLatin1Char('\\'), QLatin1Char('/'), QLatin1Char(':')})
        at = std::max(at, path.lastIndexOf(c));
    return at + 1;
#else
    return path.lastIndexOf(kSeparator) + 1;
#endif
}

}  // namespace

FileEntry entryFromStat(const QString& path, const platform::FileStat& stat, const TimeFormat& format)
{
    FileEntry e;
    e.checked = true;
    e.name = path.mid(nameStart(path));
    e.path = path;
    e.size = sizeText(stat.size);
    e.buildTime = stat.birthTime ? timeText(*stat.birthTime, format) : QString();
    e.modifyTime = timeText(stat.modifyTime, format);
    return e;
}

std::optional<FileEntry> makeFileEntry(const QString& path, const TimeFormat& format)
{
    auto stat = platform::statPath(path);
    if (!stat)
        return std::nullopt;
    return entryFromStat(path, *stat, format);
}

const std::vector<QString>& presentationExtensions()
{
    static const std::vector<QString> extensions = {
        QStringLiteral(".ppt"),  QStringLiteral(".pps"),  QStringLiteral(".pptx"),
        QStringLiteral(".ppsx"), QStringLiteral(".pptm"), QStringLiteral(".ppsm"),
        QStringLiteral(".pot"),  QStringLiteral(".potx"), QStringLiteral(".potm"),
    };
    return extensions;
}

bool hasPresentationExtension(const QString& name)
{
    qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < nameStart(name))
        return false;
    QString extension = name.mid(dot);
    for (QChar& c : extension) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    const auto& known = presentationExtensions();
    return std::find(known.begin(), known.end(), extension) != known.end();
}

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(kSeparator))
        return folder + name;
    return folder + kSeparator + name;
}

std::vector<FileEntry> scanFolder(const QString& folder, const TimeFormat& format)
{
    std::vector<FileEntry> entries;
    platform::forEachEntry(folder, hasPresentationExtension, [&](const platform::FileStat& stat) {
        entries.push_back(entryFromStat(joinPath(folder, stat.name), stat, format));
    });
    return entries;
}

}  // namespace lectavo::filelist
