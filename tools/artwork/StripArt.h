// SPDX-License-Identifier: MIT
#pragma once

#include "ToolbarArt.h"

namespace art {

// The opaque strips of the main window and the settings dialog's background.
std::vector<NamedImage> StripPictures();

} // namespace art
