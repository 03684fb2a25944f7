// SPDX-License-Identifier: MIT
#pragma once

#include <zip.h>

#include <string>

namespace lectavo::engine::detail {

// A read-only libzip source over a file that reads through one block-sized
// window with pread: a package's parts lie close together, so a whole deck
// costs a few reads instead of a seek and a read for every part, and parts
// never asked for (media) are never read. Returns nullptr and fills error
// when the file cannot be opened.
zip_source_t* createFileSource(const std::string& path, zip_error_t* error);

}  // namespace lectavo::engine::detail
