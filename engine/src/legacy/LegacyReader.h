// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "lectavo/engine/Document.h"

namespace lectavo::engine::detail {

// Reads a compound file: a legacy binary presentation, or an encrypted OOXML
// package (refused as password-protected). Throws OpenError.
Document readLegacy(std::string_view bytes);

// Reads a binary presentation from its "PowerPoint Document" and "Current User" streams. Throws OpenError.
Document readLegacyStreams(std::string_view document, std::string_view currentUser);

}  // namespace lectavo::engine::detail
