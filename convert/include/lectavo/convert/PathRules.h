// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace lectavo::convert {

// How path texts are split and joined on one platform.
struct PathRules {
    // Characters after which a file name starts ("/" here; "\", "/" and the drive ":" on Windows).
    std::u16string_view nameStops;
    // Characters that already end a folder text, so no separator is added after them.
    std::u16string_view folderEnds;
    // The separator put between a folder text and a file name.
    char16_t separator;

    static PathRules posix() { return {u"/", u"/", u'/'}; }
    static PathRules windows() { return {u"\\/:", u"\\/", u'\\'}; }
    // The rules of the platform the program was built for.
    static PathRules host();
};

}  // namespace lectavo::convert
