// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "lectavo/convert/Automation.h"
#include "lectavo/convert/ConversionHost.h"
#include "lectavo/convert/OutputEncoding.h"
#include "lectavo/convert/PathRules.h"

namespace lectavo::convert {

// The class name the presentation application is created from.
inline constexpr std::string_view kApplicationClass = "PowerPoint.Application";

inline constexpr std::u16string_view kConvertingText = u"Converting...";
inline constexpr std::u16string_view kSucceededText = u"Successed!";
inline constexpr std::u16string_view kStoppedText = u"Stopped!";
inline constexpr std::u16string_view kConnectFailedText = u"Failed to connect PowerPoint. Please install PowerPoint.";
inline constexpr std::u16string_view kOpenFailedText =
    u"Failed to open the ppt file. If the powerpoint version is below 2007, please update it.";

enum class RunEnd {
    Done,           // every row handled (or a silent failure ended the row loop); the folder was opened
    Stopped,        // the stop request was honoured after a slide
    ConnectFailed,  // the application could not be created
    OpenFailed,     // a presentation could not be opened
    WriteFailed,    // an output file could not be written
};

struct RunResult {
    RunEnd end = RunEnd::Done;
    int filesWritten = 0;
};

// One conversion of the checked rows of a host's list into text files, through the
// presentation application's automation object model.
class ConversionRun {
public:
    explicit ConversionRun(ConversionHost& host,
                           const automation::ClassRegistry& classes = automation::ClassRegistry::global(),
                           PathRules rules = PathRules::host(), OutputEncoder encoder = encodeOutput)
        : m_host(host), m_classes(classes), m_rules(rules), m_encoder(encoder)
    {
    }

    // Runs to the end. A failure of the application while it is set up, while a slide count is
    // read or while it quits leaves as an exception: the application is released without being
    // told to quit, and the status line and progress indicator keep what they show.
    RunResult run();

private:
    ConversionHost& m_host;
    const automation::ClassRegistry& m_classes;
    PathRules m_rules;
    OutputEncoder m_encoder;
};

}  // namespace lectavo::convert
