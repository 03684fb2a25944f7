// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "lectavo/convert/Automation.h"

namespace lectavo::cli {

enum ExitStatus {
    ExitConverted = 0,     // every file was converted
    ExitFailed = 1,        // a file could not be opened or written, or the run failed otherwise
    ExitUsage = 2,         // bad command line
    ExitInterrupted = 130  // stopped by an interrupt
};

struct Console {
    std::ostream& out;
    std::ostream& err;
    bool progressOnTerminal = false;  // draw a progress line on err
};

// lectavo-convert [-o FOLDER] FILE...: converts the files (arguments after the program name) with
// the presentation application registered in classes and returns the exit status.
int convertCommand(std::span<const std::string> args, Console console,
                   const automation::ClassRegistry& classes = automation::ClassRegistry::global());

// Asks the running command to stop after the current slide; safe to call from a signal handler.
void requestStop();

}  // namespace lectavo::cli
