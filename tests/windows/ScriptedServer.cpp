// SPDX-License-Identifier: MIT
// The scripted automation server as an in-process COM server (see ScriptedObjects.h),
// with the exports the tests read it through.
#include <windows.h>

#include <string>

#include "ScriptedObjects.h"

namespace {

// {B39B2997-B1AB-43BD-B607-8FA0018D489A}
const CLSID kScriptedClsid = {0xb39b2997, 0xb1ab, 0x43bd, {0xb6, 0x07, 0x8f, 0xa0, 0x01, 0x8d, 0x48, 0x9a}};
const wchar_t kScriptedClsidText[] = L"{B39B2997-B1AB-43BD-B607-8FA0018D489A}";
const wchar_t kScriptedProgId[] = L"PowerPoint.Application";
// A class registered with a server that does not exist: it is known but cannot be created.
const wchar_t kBrokenClsidText[] = L"{41024733-502C-4F84-8190-C36C58A2B0DD}";
const wchar_t kBrokenProgId[] = L"Lectavo.Broken";

// The same application served by a local server, scripted_local_server.exe beside this DLL.
// {6F1C7E4A-2B7D-4C55-9E0B-3A8D51E7C2F4}
const wchar_t kLocalClsidText[] = L"{6F1C7E4A-2B7D-4C55-9E0B-3A8D51E7C2F4}";
const wchar_t kLocalProgId[] = L"Lectavo.ScriptedLocal";

HMODULE g_module = nullptr;

LONG setValue(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value)
{
    HKEY k;
    LONG rc = RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr);
    if (rc != ERROR_SUCCESS)
        return rc;
    rc = RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(k);
    return rc;
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        g_module = instance;
    return TRUE;
}

HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID riid, void** out)
{
    if (clsid != kScriptedClsid)
        return CLASS_E_CLASSNOTAVAILABLE;
    return scripted::factory().QueryInterface(riid, out);
}

HRESULT WINAPI DllCanUnloadNow()
{
    return scripted::liveObjects() == 0 && scripted::serverLocks() == 0 ? S_OK : S_FALSE;
}

// Registers under HKLM\Software\Classes: the scripted class as "PowerPoint.Application",
// its local server as "Lectavo.ScriptedLocal", and "Lectavo.Broken", a class whose server
// is missing.
HRESULT WINAPI DllRegisterServer()
{
    wchar_t path[MAX_PATH];
    if (!GetModuleFileNameW(g_module, path, MAX_PATH))
        return HRESULT_FROM_WIN32(GetLastError());
    const std::wstring classes = L"Software\\Classes\\";
    const std::wstring clsid = classes + L"CLSID\\" + kScriptedClsidText;
    const std::wstring broken = classes + L"CLSID\\" + kBrokenClsidText;
    const std::wstring local = classes + L"CLSID\\" + kLocalClsidText;
    std::wstring localServer = path;
    localServer.replace(localServer.find_last_of(L'\\') + 1, std::wstring::npos, L"scripted_local_server.exe");
    for (LONG rc : {setValue(HKEY_LOCAL_MACHINE, classes + kScriptedProgId + L"\\CLSID", nullptr, kScriptedClsidText),
                    setValue(HKEY_LOCAL_MACHINE, clsid, nullptr, L"Scripted presentation application"),
                    setValue(HKEY_LOCAL_MACHINE, clsid + L"\\ProgID", nullptr, kScriptedProgId),
                    setValue(HKEY_LOCAL_MACHINE, clsid + L"\\InprocServer32", nullptr, path),
                    setValue(HKEY_LOCAL_MACHINE, clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment"),
                    setValue(HKEY_LOCAL_MACHINE, classes + kBrokenProgId + L"\\CLSID", nullptr, kBrokenClsidText),
                    setValue(HKEY_LOCAL_MACHINE, broken + L"\\InprocServer32", nullptr,
                             L"C:\\nowhere\\missing_server.dll"),
                    setValue(HKEY_LOCAL_MACHINE, classes + kLocalProgId + L"\\CLSID", nullptr, kLocalClsidText),
                    setValue(HKEY_LOCAL_MACHINE, local + L"\\LocalServer32", nullptr, localServer)}) {
        if (rc != ERROR_SUCCESS)
            return HRESULT_FROM_WIN32(rc);
    }
    return S_OK;
}

HRESULT WINAPI DllUnregisterServer()
{
    const std::wstring classes = L"Software\\Classes\\";
    for (const std::wstring& key : {classes + kScriptedProgId, classes + L"CLSID\\" + kScriptedClsidText,
                                    classes + kBrokenProgId, classes + L"CLSID\\" + kBrokenClsidText,
                                    classes + kLocalProgId, classes + L"CLSID\\" + kLocalClsidText})
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
    return S_OK;
}

// Copies the call log (lines ending in '\n') into buffer; returns its full length.
int WINAPI ScriptedLog(wchar_t* buffer, int capacity)
{
    if (buffer && capacity > 0) {
        auto n = scripted::log().copy(buffer, static_cast<std::size_t>(capacity - 1));
        buffer[n] = L'\0';
    }
    return static_cast<int>(scripted::log().size());
}

void WINAPI ScriptedReset() { scripted::log().clear(); }

// How many scripted objects are alive: 0 once every reference was released.
long WINAPI ScriptedLiveObjects() { return scripted::liveObjects(); }

}  // extern "C"
