// SPDX-License-Identifier: MIT
#include "com/ComError.h"

#include <cstdio>

#include "lectavo/convert/TextEncoding.h"

namespace lectavo::automation::com {

namespace {

// The automation results a client meets most, worded alike on every system
// (some have no system text, Wine among them).
const char* knownResult(HRESULT hr)
{
    switch (hr) {
    case DISP_E_UNKNOWNNAME:
        return "Unknown name.";
    case DISP_E_MEMBERNOTFOUND:
        return "Member not found.";
    case DISP_E_TYPEMISMATCH:
        return "Type mismatch.";
    case DISP_E_BADPARAMCOUNT:
        return "Invalid number of parameters.";
    case DISP_E_PARAMNOTOPTIONAL:
        return "Parameter not optional.";
    case DISP_E_PARAMNOTFOUND:
        return "Parameter not found.";
    case DISP_E_BADVARTYPE:
        return "Bad variable type.";
    case DISP_E_NONAMEDARGS:
        return "Does not support named arguments.";
    case DISP_E_OVERFLOW:
        return "Out of present range.";
    case DISP_E_BADINDEX:
        return "Invalid index.";
    case CO_E_CLASSSTRING:
        return "Invalid class string.";
    case REGDB_E_CLASSNOTREG:
        return "Class not registered.";
    case RPC_E_DISCONNECTED:
        return "The object invoked has disconnected from its clients.";
    case RPC_E_SERVERFAULT:
        return "The server threw an exception.";
    case E_NOINTERFACE:
        return "No such interface supported.";
    case E_OUTOFMEMORY:
        return "Not enough memory.";
    default:
        return nullptr;
    }
}

}  // namespace

std::string describeResult(HRESULT hr)
{
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
    if (const char* known = knownResult(hr))
        return std::string(known) + " (" + code + ")";

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
