// SPDX-License-Identifier: MIT
#include "FileEntry.h"

namespace lectavo::filelist {

const QString& FileEntry::text(int column) const
{
    switch (column) {
    case 1: return path;
    case 2: return size;
    case 3: return buildTime;
    case 4: return modifyTime;
    default: return name;
    }
}

}  // namespace lectavo::filelist
