// SPDX-License-Identifier: MIT
#include "lectavo/convert/OutputNaming.h"

namespace lectavo::convert {

OutputNames outputNames(std::u16string_view folder, std::u16string_view sourcePath, const PathRules& rules)
{
    auto stop = sourcePath.find_last_of(rules.nameStops);
    std::u16string_view name = stop == std::u16string_view::npos ? sourcePath : sourcePath.substr(stop + 1);

    OutputNames names;
    names.displayPath.reserve(folder.size() + 1 + name.size());
    names.displayPath += folder;
    if (folder.empty() || rules.folderEnds.find(folder.back()) == std::u16string_view::npos)
        names.displayPath += rules.separator;
    const auto nameStart = names.displayPath.size();
    names.displayPath += name;

    names.outputPath = names.displayPath;
    auto dot = name.rfind(u'.');
    if (dot != std::u16string_view::npos)
        names.outputPath.resize(nameStart + dot);
    names.outputPath += u".txt";
    return names;
}

}  // namespace lectavo::convert
