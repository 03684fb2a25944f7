// SPDX-License-Identifier: MIT
#include "FileStat.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <memory>

namespace lectavo::platform {

namespace {

std::optional<FileStat> statAt(int dirfd, const QByteArray& path, const QString& name)
{
    struct statx sx {};
    if (::statx(dirfd, path.constData(), AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0)
        return std::nullopt;
    FileStat st;
    st.name = name;
    bool isDirectory = S_ISDIR(sx.stx_mode);
    st.size = isDirectory ? 0 : sx.stx_size;
    st.modifyTime = sx.stx_mtime.tv_sec;
    if (sx.stx_mask & STATX_BTIME)
        st.birthTime = sx.stx_btime.tv_sec;
    return st;
}

}  // namespace

std::optional<FileStat> statPath(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return statAt(AT_FDCWD, path.toLocal8Bit(), name);
}

bool forEachEntry(const QString& folder, const std::function<bool(const QString& name)>& wanted,
                  const std::function<void(const FileStat&)>& visit)
{
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.toLocal8Bit().constData()), ::closedir);
    if (!dir)
        return false;
    int fd = ::dirfd(dir.get());
    while (const dirent* entry = ::readdir(dir.get())) {
        QByteArray raw(entry->d_name);
        if (raw == "." || raw == "..")
            continue;
        QString name = QString::fromLocal8Bit(raw);
        if (!wanted(name))
            continue;
        auto st = statAt(fd, raw, name);
        if (!st)
            continue;  // vanished since it was listed
        visit(*st);
    }
    return true;
}

}  // namespace lectavo::platform
