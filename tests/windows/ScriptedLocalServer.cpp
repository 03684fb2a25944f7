// SPDX-License-Identifier: MIT
// The scripted automation server as a local server (see ScriptedObjects.h): started
// by COM, it serves its application objects until the last one is released. Each
// call is also appended, as UTF-8, to scripted_local_server.log beside the program,
// where the tests read it.
#include <windows.h>

#include <cstdio>
#include <string>

#include "ScriptedObjects.h"

namespace {

// {6F1C7E4A-2B7D-4C55-9E0B-3A8D51E7C2F4}
const CLSID kLocalClsid = {0x6f1c7e4a, 0x2b7d, 0x4c55, {0x9e, 0x0b, 0x3a, 0x8d, 0x51, 0xe7, 0xc2, 0xf4}};

std::wstring g_logPath;
DWORD g_mainThread = 0;

void appendLine(const std::wstring& line)
{
    std::wstring text = line + L"\n";
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                   nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    if (FILE* f = _wfopen(g_logPath.c_str(), L"ab")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

void quit() { PostThreadMessageW(g_mainThread, WM_QUIT, 0, 0); }

}  // namespace

int main()
{
    wchar_t path[MAX_PATH];
    if (!GetModuleFileNameW(nullptr, path, MAX_PATH))
        return 1;
    g_logPath = path;
    g_logPath.replace(g_logPath.find_last_of(L'.'), std::wstring::npos, L".log");
    g_mainThread = GetCurrentThreadId();
    scripted::setObservers(appendLine, quit);

    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    DWORD cookie = 0;
    if (FAILED(CoRegisterClassObject(kLocalClsid, &scripted::factory(), CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE,
                                     &cookie))) {
        CoUninitialize();
        return 1;
    }
    // A server that is never asked for an object gives up after a while.
    SetTimer(nullptr, 0, 30000, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && scripted::liveObjects() == 0)
            break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    CoRevokeClassObject(cookie);
    CoUninitialize();
    return 0;
}
