// SPDX-License-Identifier: MIT
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lectavo/engine/OpenError.h"
#include "legacy/CompoundFile.h"
#include "legacy/LegacyReader.h"

// A compound file goes through the whole reader; any other input is split
// into a "Current User" stream (its first byte gives the length) and a
// "PowerPoint Document" stream, so the presentation reader is reached
// without first guessing a valid container.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace lectavo::engine;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        if (bytes.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
            detail::readLegacy(bytes);
        } else if (!bytes.empty()) {
            const std::size_t userSize = std::min<std::size_t>(static_cast<unsigned char>(bytes[0]), bytes.size() - 1);
            detail::readLegacyStreams(bytes.substr(1 + userSize), bytes.substr(1, userSize));
        }
    } catch (const OpenError&) {
    }
    return 0;
}
