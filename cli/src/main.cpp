// SPDX-License-Identifier: MIT
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "lectavo/cli/ConvertCommand.h"
#include "lectavo/convert/BuiltinEngine.h"

namespace {

// The first interrupt stops the run after the current slide; a second one ends the program.
extern "C" void onInterrupt(int)
{
    lectavo::cli::requestStop();
    std::signal(SIGINT, SIG_DFL);
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    lectavo::automation::registerBuiltinEngine();
    std::signal(SIGINT, onInterrupt);
    std::vector<std::string> args(argv + 1, argv + argc);
    lectavo::cli::Console console{std::cout, std::cerr, isatty(STDERR_FILENO) == 1};
    return lectavo::cli::convertCommand(args, console);
}
