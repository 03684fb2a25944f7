// SPDX-License-Identifier: MIT
#pragma once

#include <pugixml.hpp>

#include "lectavo/engine/Document.h"

namespace lectavo::engine::detail {

// The shapes of one slide from its root element (p:sld): the top-level
// children of the shape tree, alternate content resolved. number is what a
// slide-number field shows. Returns false when the part is not a slide.
bool readSlide(pugi::xml_node root, int number, Slide& out);

}  // namespace lectavo::engine::detail
