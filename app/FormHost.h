// SPDX-License-Identifier: MIT
#pragma once

#include "lectavo/convert/ConversionHost.h"

class TForm1;

// The main window as the conversion's host: its list, the settings dialog's
// output folder, its status line, progress bar, stop flag and message box.
class FormHost : public lectavo::convert::ConversionHost {
public:
    explicit FormHost(TForm1& form) : m_form(form) {}

    int rowCount() const override;
    bool isChecked(int row) const override;
    std::u16string rowPath(int row) const override;
    std::u16string outputFolder() const override;
    void setStatus(std::u16string_view text) override;
    void showProgress() override;
    void hideProgress() override;
    void setProgress(int maximum, int position) override;
    void updateProgress(int total, int current) override;
    void showError(std::u16string_view text) override;
    void pumpEvents() override;
    bool stopRequested() const override;
    void clearStopRequest() override;
    // An empty folder text (nothing was converted) opens the current output folder setting.
    void openFolder(std::u16string_view folder) override;
    void runStarted() override;
    void runEnded() override;
    void repaint() override;

private:
    TForm1& m_form;
};
