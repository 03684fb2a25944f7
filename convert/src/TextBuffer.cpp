// SPDX-License-Identifier: MIT
#include "lectavo/convert/TextBuffer.h"

#include "lectavo/convert/OutputFile.h"

namespace lectavo::convert {

void TextBuffer::appendLine(std::u16string_view text)
{
    m_bytes += m_encoder(text);
    m_bytes += "\r\n";
}

void TextBuffer::save(std::u16string_view path) const { writeWholeFile(path, m_bytes); }

}  // namespace lectavo::convert
