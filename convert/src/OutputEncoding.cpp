// SPDX-License-Identifier: MIT
#include "lectavo/convert/OutputEncoding.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "lectavo/convert/TextEncoding.h"
#endif

namespace lectavo::convert {

std::string encodeOutput(std::u16string_view text)
{
#ifdef _WIN32
    if (text.empty())
        return {};
    auto wide = reinterpret_cast<const wchar_t*>(text.data());
    int length = static_cast<int>(text.size());
    int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, out.data(), size, nullptr, nullptr);
    return out;
#else
    return text::toUtf8(text);
#endif
}

}  // namespace lectavo::convert
