// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "lectavo/convert/ConversionHost.h"

namespace lectavo::cli {

// The run's host on a terminal: every file is a checked row, status lines go to out, messages
// to err, and on a terminal a progress line is drawn on err.
class ConsoleHost : public convert::ConversionHost {
public:
    ConsoleHost(std::vector<std::u16string> files, std::u16string folder, std::ostream& out, std::ostream& err,
                bool progressLine);

    int rowCount() const override { return static_cast<int>(m_files.size()); }
    bool isChecked(int) const override { return true; }
    std::u16string rowPath(int row) const override { return m_files.at(row); }
    std::u16string outputFolder() const override { return m_folder; }
    void setStatus(std::u16string_view text) override;
    void showProgress() override;
    void hideProgress() override;
    void setProgress(int maximum, int position) override;
    void showError(std::u16string_view text) override;
    void openFailed(std::u16string_view sourcePath, std::string_view reason) override;
    void pumpEvents() override {}
    bool stopRequested() const override;
    void clearStopRequest() override;
    // A terminal has no file manager to show the folder in.
    void openFolder(std::u16string_view) override {}

private:
    void clearProgressLine();
    void drawProgressLine();

    std::vector<std::u16string> m_files;
    std::u16string m_folder;
    std::ostream& m_out;
    std::ostream& m_err;
    bool m_progressLine;
    bool m_progressShown = false;
    bool m_lineDrawn = false;
    int m_maximum = 0;
    int m_position = 0;
};

}  // namespace lectavo::cli
