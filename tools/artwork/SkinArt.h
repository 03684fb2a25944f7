// SPDX-License-Identifier: MIT
#pragma once

#include "ToolbarArt.h"

namespace art {

// Title bar colours, shared by the template and the button faces drawn on it.
inline const QColor TitleDark{44, 46, 51};

// The sprite strip of the title bar buttons (101 x 93), the title template (799 x 37),
// the list background (19 x 16) and the application icon in five sizes.
std::vector<NamedImage> SkinPictures();

} // namespace art
