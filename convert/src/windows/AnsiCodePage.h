// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace lectavo::convert::windows {

// The ANSI code page of the calling thread's locale (the system's ANSI code page
// when that locale has none).
unsigned threadAnsiCodePage();

// UTF-16 text in the thread's ANSI code page. A character the code page cannot
// represent, an unpaired surrogate among them, becomes the code page's default
// character: no best-fit look-alikes (U+221E is "?", never "8").
std::string toAnsiCodePage(std::u16string_view text);

}  // namespace lectavo::convert::windows
