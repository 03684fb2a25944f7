// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <filesystem>
#include <stdexcept>
#include <string>

// A fresh folder under the Windows temporary folder, removed with everything in it.
class WindowsTempDir {
public:
    WindowsTempDir()
    {
        wchar_t base[MAX_PATH + 1];
        if (!GetTempPathW(MAX_PATH + 1, base))
            throw std::runtime_error("no temporary folder");
        for (unsigned n = GetTickCount(); m_path.empty(); ++n) {
            std::wstring candidate = std::wstring(base) + L"lectavo-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                     std::to_wstring(n);
            if (CreateDirectoryW(candidate.c_str(), nullptr))
                m_path = candidate;
            else if (GetLastError() != ERROR_ALREADY_EXISTS)
                throw std::runtime_error("cannot create a temporary folder");
        }
    }
    WindowsTempDir(const WindowsTempDir&) = delete;
    WindowsTempDir& operator=(const WindowsTempDir&) = delete;
    ~WindowsTempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(m_path), ignored);
    }

    // The folder as a Windows path text, without a trailing separator.
    std::u16string text() const { return std::u16string(m_path.begin(), m_path.end()); }
    std::filesystem::path path() const { return std::filesystem::path(m_path); }

private:
    std::wstring m_path;
};
