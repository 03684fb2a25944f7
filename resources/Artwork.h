// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lectavo {

// Resource path of a picture drawn by the artwork tool, e.g. ArtPath("skin/imagem.png") == ":/art/skin/imagem.png".
QString ArtPath(const QString& name);

} // namespace lectavo
