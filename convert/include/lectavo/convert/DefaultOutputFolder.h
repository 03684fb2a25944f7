// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace lectavo::convert {

// The output folder a program start begins with: the folder "Output" in the user's home as an
// absolute path (from HOME when it is absolute, else the user's account entry); "C:\Output" on Windows.
std::u16string defaultOutputFolder();

}  // namespace lectavo::convert
