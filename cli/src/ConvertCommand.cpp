// SPDX-License-Identifier: MIT
#include "lectavo/cli/ConvertCommand.h"

#include <exception>
#include <optional>
#include <ostream>

#include "ConsoleHost.h"
#include "lectavo/convert/ConversionRun.h"
#include "lectavo/convert/DefaultOutputFolder.h"
#include "lectavo/convert/TextEncoding.h"

namespace lectavo::cli {

namespace {

constexpr const char* kProgram = "lectavo-convert";

void printUsage(std::ostream& s, const std::u16string& defaultFolder)
{
    s << "Usage: " << kProgram << " [-o FOLDER] FILE...\n"
      << "Writes the text of every text frame of each presentation FILE, one line per frame,\n"
      << "into FOLDER/NAME.txt, where NAME is the FILE's name without its extension.\n"
      << "A file that cannot be opened or written ends the run.\n\n"
      << "  -o, --output FOLDER  the output folder, created when missing (default " << text::toUtf8(defaultFolder)
      << ")\n"
      << "  -h, --help           show this help and exit\n"
      << "      --version        show the version and exit\n\n"
      << "Exit status: 0 every file converted, 1 a file could not be opened or written,\n"
      << "2 bad usage, 130 interrupted.\n";
}

int usageError(std::ostream& err, const std::string& problem)
{
    err << kProgram << ": " << problem << "\n"
        << "Try '" << kProgram << " --help' for more information.\n";
    return ExitUsage;
}

}  // namespace

int convertCommand(std::span<const std::string> args, Console console, const automation::ClassRegistry& classes)
{
    std::optional<std::u16string> folder;
    std::vector<std::u16string> files;
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnd || arg.empty() || arg[0] != '-' || arg == "-") {
            files.push_back(text::fromUtf8(arg));
        } else if (arg == "--") {
            optionsEnd = true;
        } else if (arg == "-h" || arg == "--help") {
            printUsage(console.out, convert::defaultOutputFolder());
            return ExitConverted;
        } else if (arg == "--version") {
            console.out << kProgram << " " << LECTAVO_VERSION << "\n";
            return ExitConverted;
        } else if (arg == "-o" || arg == "--output") {
            if (i + 1 == args.size())
                return usageError(console.err, "option '" + arg + "' needs a folder");
            folder = text::fromUtf8(args[++i]);
        } else if (arg.rfind("--output=", 0) == 0) {
            folder = text::fromUtf8(arg.substr(9));
        } else if (arg.rfind("-o", 0) == 0 && arg.size() > 2) {
            folder = text::fromUtf8(arg.substr(2));
        } else {
            return usageError(console.err, "unknown option '" + arg + "'");
        }
    }
    if (files.empty())
        return usageError(console.err, "no presentation files given");

    const std::size_t fileCount = files.size();
    ConsoleHost host(std::move(files), folder ? *folder : convert::defaultOutputFolder(), console.out, console.err,
                     console.progressOnTerminal);
    try {
        const auto result = convert::ConversionRun(host, classes).run();
        switch (result.end) {
        case convert::RunEnd::Done:
            return static_cast<std::size_t>(result.filesWritten) == fileCount ? ExitConverted : ExitFailed;
        case convert::RunEnd::Stopped:
            return ExitInterrupted;
        default:
            return ExitFailed;
        }
    } catch (const std::exception& e) {
        host.showError(text::fromUtf8(e.what()));
        return ExitFailed;
    }
}

}  // namespace lectavo::cli
