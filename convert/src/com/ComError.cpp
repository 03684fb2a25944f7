// SPDX-License-Identifier: MIT
#include "com/ComError.h"

#include <cstdio>

#include "lectavo/convert/TextEncoding.h"

namespace lectavo::automation::com {

std::string describeResult(HRESULT hr)
{
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));

    wchar_t* buffer = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string text;
    if (n && buffer)
        text.assign(reinterpret_cast<const char16_t*>(buffer), n);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u' '))
        text.pop_back();
    if (text.empty())
        return std::string("error ") + code;
    return text::toUtf8(text) + " (" + code + ")";
}

}  // namespace lectavo::automation::com
