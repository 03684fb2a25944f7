// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "lectavo/engine/Document.h"

namespace lectavo::engine::detail {

// Reads a compound file: a legacy binary presentation, or an encrypted OOXML
// package (refused as password-protected). Throws OpenError.
Document readLegacy(std::string_view bytes);

}  // namespace lectavo::engine::detail
