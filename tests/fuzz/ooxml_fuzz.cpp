// SPDX-License-Identifier: MIT
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lectavo/engine/Reader.h"

// Opens the bytes and walks every slide, shape and text, as the conversion does.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const auto document = lectavo::engine::readPresentation({reinterpret_cast<const char*>(data), size});
        std::size_t units = 0;
        for (const auto& slide : document.slides)
            for (const auto& shape : slide.shapes)
                units += shape.hasTextFrame ? shape.text.size() + 1 : 0;
        return units == static_cast<std::size_t>(-1);
    } catch (const lectavo::engine::OpenError&) {
        return 0;
    }
}
