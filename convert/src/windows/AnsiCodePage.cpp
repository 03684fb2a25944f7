// SPDX-License-Identifier: MIT
#include "windows/AnsiCodePage.h"

#include <windows.h>

#include <stdexcept>

namespace lectavo::convert::windows {

unsigned threadAnsiCodePage()
{
    DWORD codePage = 0;
    if (!GetLocaleInfoW(GetThreadLocale(), LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(WCHAR)) ||
        codePage == 0)
        return GetACP();
    return codePage;
}

std::string toAnsiCodePage(std::u16string_view text)
{
    if (text.empty())
        return {};
    const UINT codePage = threadAnsiCodePage();
    // The UTF code pages represent every character and refuse the best-fit flag.
    const DWORD flags = codePage == CP_UTF8 || codePage == CP_UTF7 ? 0 : WC_NO_BEST_FIT_CHARS;
    auto wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(codePage, flags, wide, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        throw std::runtime_error("the text cannot be converted to code page " + std::to_string(codePage));
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, flags, wide, length, out.data(), size, nullptr, nullptr);
    return out;
}

}  // namespace lectavo::convert::windows
