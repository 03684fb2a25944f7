// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

// The test side of the scripted automation server: its call log and its count of
// live objects, read through the DLL's own exports.
class ScriptedServerControl {
public:
    ScriptedServerControl()
    {
        m_module = LoadLibraryW(L"scripted_server.dll");
        if (!m_module)
            throw std::runtime_error("scripted_server.dll cannot be loaded");
        m_log = reinterpret_cast<LogFn>(reinterpret_cast<void*>(GetProcAddress(m_module, "ScriptedLog")));
        m_reset = reinterpret_cast<ResetFn>(reinterpret_cast<void*>(GetProcAddress(m_module, "ScriptedReset")));
        m_live = reinterpret_cast<LiveFn>(reinterpret_cast<void*>(GetProcAddress(m_module, "ScriptedLiveObjects")));
        m_register = reinterpret_cast<RegisterFn>(reinterpret_cast<void*>(GetProcAddress(m_module, "DllRegisterServer")));
        m_unregister =
            reinterpret_cast<RegisterFn>(reinterpret_cast<void*>(GetProcAddress(m_module, "DllUnregisterServer")));
        if (!m_log || !m_reset || !m_live || !m_register || !m_unregister)
            throw std::runtime_error("scripted_server.dll lacks its control exports");
    }
    ScriptedServerControl(const ScriptedServerControl&) = delete;
    ScriptedServerControl& operator=(const ScriptedServerControl&) = delete;
    ~ScriptedServerControl() { FreeLibrary(m_module); }

    // The calls since the last reset, one line each, as UTF-16.
    std::u16string log() const
    {
        std::wstring text(static_cast<std::size_t>(m_log(nullptr, 0)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(m_log(text.data(), static_cast<int>(text.size()))));
        return std::u16string(text.begin(), text.end());
    }
    void reset() const { m_reset(); }
    long liveObjects() const { return m_live(); }
    // Adds or removes the server's classes in the registry, as regsvr32 does.
    bool registerClasses() const { return SUCCEEDED(m_register()); }
    bool unregisterClasses() const { return SUCCEEDED(m_unregister()); }

private:
    using LogFn = int(WINAPI*)(wchar_t*, int);
    using ResetFn = void(WINAPI*)();
    using LiveFn = long(WINAPI*)();
    using RegisterFn = HRESULT(WINAPI*)();

    HMODULE m_module;
    LogFn m_log;
    ResetFn m_reset;
    LiveFn m_live;
    RegisterFn m_register;
    RegisterFn m_unregister;
};
