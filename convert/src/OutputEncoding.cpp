// SPDX-License-Identifier: MIT
#include "lectavo/convert/OutputEncoding.h"

#ifdef _WIN32
#include "windows/AnsiCodePage.h"
#else
#include "lectavo/convert/TextEncoding.h"
#endif

namespace lectavo::convert {

std::string encodeOutput(std::u16string_view text)
{
#ifdef _WIN32
    return windows::toAnsiCodePage(text);
#else
    return text::toUtf8(text);
#endif
}

}  // namespace lectavo::convert
