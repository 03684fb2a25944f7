// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace lectavo::text {

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

// UTF-8 to UTF-16; an invalid sequence becomes U+FFFD.
std::u16string fromUtf8(std::string_view text);

}  // namespace lectavo::text
