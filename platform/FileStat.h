// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

namespace lectavo::platform {

// What a directory search reports of one entry.
struct FileStat {
    QString name;                             // the entry's own name
    std::uint64_t size = 0;                   // bytes; 0 for a directory
    std::optional<std::int64_t> birthTime;    // seconds since the epoch (UTC); none where the file system keeps none
    std::int64_t modifyTime = 0;              // seconds since the epoch (UTC)
};

// The entry at `path` itself (a file or a directory); nullopt when it cannot be found or read.
std::optional<FileStat> statPath(const QString& path);

// Calls `visit` for each entry directly in `folder` whose name `wanted` accepts,
// hidden ones and directories included, in the order the directory yields them
// ("." and ".." excluded). Returns false when the folder cannot be opened; a
// failure in the middle ends the walk.
bool forEachEntry(const QString& folder, const std::function<bool(const QString& name)>& wanted,
                  const std::function<void(const FileStat&)>& visit);

}  // namespace lectavo::platform
