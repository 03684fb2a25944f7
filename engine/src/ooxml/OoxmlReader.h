// SPDX-License-Identifier: MIT
#pragma once

#include <fstream>
#include <string>
#include <string_view>

#include "lectavo/engine/Document.h"
#include "ooxml/Limits.h"

namespace lectavo::engine::detail {

// Reads an OOXML presentation package (any of the six PresentationML main
// content types, transitional or strict). Throws OpenError.
Document readOoxml(std::string_view bytes, const Limits& limits = {});
// As readOoxml, reading the open file's parts on demand.
Document readOoxmlFile(std::ifstream file, const Limits& limits = {});

}  // namespace lectavo::engine::detail
