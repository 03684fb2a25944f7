// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

#include "lectavo/convert/Automation.h"

namespace lectavo::automation::com {

// A text for a result code followed by the code in hex, e.g. "Unknown name.
// (0x80020006)": the common automation codes have their own, others the system's;
// "error 0x..." when neither has one.
std::string describeResult(HRESULT hr);

}  // namespace lectavo::automation::com
