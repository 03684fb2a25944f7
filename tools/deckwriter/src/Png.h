// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace lectavo::deckwriter::detail {

// A valid RGB PNG of pseudo-random pixels (incompressible), its image data in
// stored deflate blocks: about width * height * 3 bytes.
std::string randomPng(std::uint32_t width, std::uint32_t height, std::uint32_t variant);

}  // namespace lectavo::deckwriter::detail
