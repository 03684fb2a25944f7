// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "lectavo/convert/PathRules.h"

namespace lectavo::convert {

struct OutputNames {
    std::u16string displayPath;  // the folder joined with the source's file name, extension kept
    std::u16string outputPath;   // the display path with its extension replaced by ".txt"
};

// Joins the folder text with the source's file name (the text after its last name stop, or all of it).
// A folder that already ends in a separator gets none added; an empty folder gives a separator alone.
// The extension is everything from the file name's last "."; a name without one gets ".txt" appended.
OutputNames outputNames(std::u16string_view folder, std::u16string_view sourcePath,
                        const PathRules& rules = PathRules::host());

}  // namespace lectavo::convert
