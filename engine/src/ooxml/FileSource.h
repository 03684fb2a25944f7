// SPDX-License-Identifier: MIT
#pragma once

#include <zip.h>

#include <fstream>

namespace lectavo::engine::detail {

// A read-only libzip source over an open file that reads through one
// block-sized window: a package's parts lie close together, so a whole deck
// costs a few reads instead of a seek and a read for every part, and parts
// never asked for (media) are never read. Takes the stream over; returns
// nullptr and fills error when libzip refuses it.
zip_source_t* createFileSource(std::ifstream file, zip_error_t* error);

}  // namespace lectavo::engine::detail
