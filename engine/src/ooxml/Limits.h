// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace lectavo::engine::detail {

// What the OOXML reader accepts before it refuses a package.
struct Limits {
    std::uint64_t partBytes = std::uint64_t(64) << 20;    // inflated size of one part
    std::uint64_t totalBytes = std::uint64_t(512) << 20;  // inflated size of all parts read
    std::uint64_t entries = 100000;                       // entries in the zip directory
    unsigned xmlDepth = 256;                              // element nesting of one part
};

}  // namespace lectavo::engine::detail
