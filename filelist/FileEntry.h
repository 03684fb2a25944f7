// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lectavo::filelist {

// One row of the file list. The texts are fixed when the entry is made; only
// Name can be rewritten later by the user.
struct FileEntry {
    bool checked = true;
    QString name;
    QString path;
    QString size;
    QString buildTime;
    QString modifyTime;

    // The text of column 0..4: Name, Path, Size, Build Time, ModifyTime.
    const QString& text(int column) const;
};

}  // namespace lectavo::filelist
