// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "EntryTexts.h"
#include "FileEntry.h"
#include "FileStat.h"

namespace lectavo::filelist {

// The entry for what a directory search reported of `path`: Name is the part
// of `path` after its last separator (its letter case kept), Path is `path`.
FileEntry entryFromStat(const QString& path, const platform::FileStat& stat, const TimeFormat& format);

// The entry for one file (or folder) path; nullopt when it cannot be found or read.
std::optional<FileEntry> makeFileEntry(const QString& path, const TimeFormat& format);

// True when the name's extension, lower-cased (A-Z only), is one of the nine
// presentation extensions.
bool hasPresentationExtension(const QString& name);

// The presentation extensions, in the order they are listed to the user.
const std::vector<QString>& presentationExtensions();

// Joins a folder and a name with one separator, not doubling one the folder ends with.
QString joinPath(const QString& folder, const QString& name);

// Entries for every entry directly in `folder` with a presentation extension,
// in the directory's own order; empty when the folder cannot be read.
std::vector<FileEntry> scanFolder(const QString& folder, const TimeFormat& format);

}  // namespace lectavo::filelist
