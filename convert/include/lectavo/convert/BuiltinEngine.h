// SPDX-License-Identifier: MIT
#pragma once

#include "lectavo/convert/Automation.h"

namespace lectavo::automation {

// Registers the built-in presentation engine as "PowerPoint.Application"
// (replacing what was registered there). Every created object is a new,
// independent application with no presentation open.
void registerBuiltinEngine(ClassRegistry& registry = ClassRegistry::global());

}  // namespace lectavo::automation
