// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "lectavo/convert/Automation.h"

namespace lectavo::automation::com {

// Creates the COM class registered under className (a ProgID) as an in-process or
// local server and returns its IDispatch, initialising COM on the calling thread
// first. Throws UnknownClass when no such class is registered, Failed when it is
// but cannot be created.
DispatchPtr createComObject(std::string_view className);

}  // namespace lectavo::automation::com
