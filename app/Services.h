// SPDX-License-Identifier: MIT
#pragma once

#include "Dialogs.h"
#include "MessageBox.h"
#include "Shell.h"

namespace lectavo::app {

// What the windows ask of the desktop; the program passes Qt's, tests pass fakes.
struct Services {
    platform::Dialogs& dialogs;
    platform::MessageBox& messages;
    platform::Shell& shell;
};

}  // namespace lectavo::app
