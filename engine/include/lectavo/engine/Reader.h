// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "lectavo/engine/Document.h"
#include "lectavo/engine/OpenError.h"

namespace lectavo::engine {

// Reads a presentation from its bytes, recognised by content (OOXML package or
// legacy compound file), never by name. Throws OpenError.
Document readPresentation(std::string_view bytes);

// Reads the file and calls readPresentation. Throws OpenError (CannotRead when the file cannot be read).
Document readPresentationFile(const std::string& path);

}  // namespace lectavo::engine
