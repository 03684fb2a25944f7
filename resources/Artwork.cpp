// SPDX-License-Identifier: MIT
#include "Artwork.h"

namespace lectavo {

QString ArtPath(const QString& name)
{
    return QStringLiteral(":/art/") + name;
}

} // namespace lectavo
