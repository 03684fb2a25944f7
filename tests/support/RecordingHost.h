// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "lectavo/convert/ConversionHost.h"
#include "lectavo/convert/TextEncoding.h"
#include "support/CallLog.h"

// A conversion host over plain data that writes what the run does to it into a CallLog.
// onPump runs inside every event pump (counted from 1), where a window would run Stop.
// Events pumped or messages shown outside runStarted/runEnded are marked in the log.
namespace lectavo::testing {

struct Row {
    bool checked = true;
    std::u16string path;
};

class RecordingHost : public convert::ConversionHost {
public:
    explicit RecordingHost(CallLog& log) : m_log(log) {}

    std::vector<Row> rows;
    std::u16string folder;
    std::function<void(int pump)> onPump;

    std::u16string status = u"(before)";
    bool progressVisible = false;
    int progressMaximum = 100;
    int progressPosition = 0;
    bool stopFlag = false;
    bool runActive = false;
    std::vector<std::u16string> errors;
    std::vector<std::u16string> openedFolders;
    int pumps = 0;

    // What Stop does in the window.
    void pressStop()
    {
        stopFlag = true;
        status.clear();
        progressVisible = false;
    }

    int rowCount() const override { return static_cast<int>(rows.size()); }
    bool isChecked(int row) const override { return rows.at(row).checked; }
    std::u16string rowPath(int row) const override { return rows.at(row).path; }
    std::u16string outputFolder() const override
    {
        m_log.line("host.folder?");
        return folder;
    }
    void setStatus(std::u16string_view text) override
    {
        m_log.line("host.status " + text::toUtf8(text));
        status = text;
    }
    void showProgress() override
    {
        m_log.line("host.showProgress");
        progressVisible = true;
    }
    void hideProgress() override
    {
        m_log.line("host.hideProgress");
        progressVisible = false;
    }
    void setProgress(int maximum, int position) override
    {
        m_log.line("host.progress " + std::to_string(position) + "/" + std::to_string(maximum));
        progressMaximum = maximum;
        progressPosition = position;
    }
    void showError(std::u16string_view text) override
    {
        m_log.line((runActive ? "host.error " : "host.error (commands enabled) ") + text::toUtf8(text));
        errors.emplace_back(text);
    }
    void openFailed(std::u16string_view sourcePath, std::string_view reason) override
    {
        m_log.line("host.openFailed " + text::toUtf8(sourcePath) + ": " + std::string(reason));
    }
    void pumpEvents() override
    {
        m_log.line(runActive ? "host.pump" : "host.pump (commands enabled)");
        ++pumps;
        if (onPump)
            onPump(pumps);
    }
    bool stopRequested() const override
    {
        m_log.line("host.stop?");
        return stopFlag;
    }
    void clearStopRequest() override
    {
        m_log.line("host.clearStop");
        stopFlag = false;
    }
    void openFolder(std::u16string_view f) override
    {
        m_log.line("host.openFolder " + text::toUtf8(f));
        openedFolders.emplace_back(f);
    }
    void runStarted() override
    {
        m_log.line("host.runStarted");
        runActive = true;
    }
    void runEnded() override
    {
        m_log.line("host.runEnded");
        runActive = false;
    }
    void repaint() override { m_log.line("host.repaint"); }

private:
    CallLog& m_log;
};

}  // namespace lectavo::testing
