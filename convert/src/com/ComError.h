// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

#include "lectavo/convert/Automation.h"

namespace lectavo::automation::com {

// The system's text for a result code followed by the code in hex, e.g.
// "Unknown name. (0x80020006)"; the code alone when the system has no text.
std::string describeResult(HRESULT hr);

}  // namespace lectavo::automation::com
