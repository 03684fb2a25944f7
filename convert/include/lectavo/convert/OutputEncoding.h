// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace lectavo::convert {

// Turns one UTF-16 text into the bytes an output file holds for it.
using OutputEncoder = std::string (*)(std::u16string_view text);

// The platform's output encoding: UTF-8 without byte-order mark here; the ANSI code page on
// Windows, where a character it cannot represent becomes the code page's default character.
std::string encodeOutput(std::u16string_view text);

}  // namespace lectavo::convert
