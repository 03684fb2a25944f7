// SPDX-License-Identifier: MIT
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lectavo/deckwriter/DeckWriter.h"
#include "lectavo/engine/Reader.h"

// The input is a package's parts, each "\n@@name\n" followed by its bytes, zipped
// here so that mutations reach the XML rather than die at the zip checksums.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<lectavo::deckwriter::Part> parts;
    for (std::size_t at = input.find("\n@@"); at != std::string_view::npos && parts.size() < 64;) {
        const std::size_t nameEnd = input.find('\n', at + 3);
        if (nameEnd == std::string_view::npos)
            break;
        const std::size_t next = input.find("\n@@", nameEnd);
        parts.push_back({std::string(input.substr(at + 3, nameEnd - at - 3)),
                         std::string(input.substr(nameEnd + 1, next == std::string_view::npos ? next : next - nameEnd - 1)),
                         true});
        at = next;
    }
    try {
        const auto document = lectavo::engine::readPresentation(lectavo::deckwriter::zipParts(parts));
        std::size_t units = 0;
        for (const auto& slide : document.slides)
            for (const auto& shape : slide.shapes)
                units += shape.text.size();
        return units == static_cast<std::size_t>(-1);
    } catch (const std::exception&) {
        return 0;
    }
}
