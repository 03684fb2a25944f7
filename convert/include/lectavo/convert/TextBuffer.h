// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "lectavo/convert/OutputEncoding.h"

namespace lectavo::convert {

// The text of one presentation as it will be written: encoded lines, each ending in CR LF.
class TextBuffer {
public:
    explicit TextBuffer(OutputEncoder encoder = encodeOutput) : m_encoder(encoder) {}

    void clear() { m_bytes.clear(); }
    // Appends the encoded text and CR LF; CR and other characters inside the text stay as they are.
    void appendLine(std::u16string_view text);
    const std::string& bytes() const { return m_bytes; }
    // Writes the bytes as the whole file at path (see writeWholeFile); throws OutputError.
    void save(std::u16string_view path) const;

private:
    OutputEncoder m_encoder;
    std::string m_bytes;
};

}  // namespace lectavo::convert
