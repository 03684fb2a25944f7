// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace lectavo::convert {

// What a conversion run needs from the program around it: the list of files, the output
// folder setting, a status line, a progress indicator, messages, the event loop and the
// stop request. The main window and the command-line converter are two hosts.
class ConversionHost {
public:
    virtual ~ConversionHost() = default;

    // The list, read by index; the run reads the count once and never changes the list.
    virtual int rowCount() const = 0;
    virtual bool isChecked(int row) const = 0;
    virtual std::u16string rowPath(int row) const = 0;

    // The output folder setting as it is now; read once for every file converted.
    virtual std::u16string outputFolder() const = 0;

    // Replaces the status line's text; the new text is shown at once.
    virtual void setStatus(std::u16string_view text) = 0;

    // The progress indicator keeps its maximum and position while hidden.
    virtual void showProgress() = 0;
    virtual void hideProgress() = 0;
    virtual void setProgress(int maximum, int position) = 0;
    // Called at the start of every slide: pending events first, then the new values.
    virtual void updateProgress(int total, int current)
    {
        pumpEvents();
        setProgress(total, current);
    }

    // A modal message with the caption "Error"; returns when the user has closed it.
    virtual void showError(std::u16string_view text) = 0;

    // Told before the message about a presentation that failed to open, with the application's reason.
    virtual void openFailed(std::u16string_view sourcePath, std::string_view reason)
    {
        (void)sourcePath;
        (void)reason;
    }

    // Dispatches all pending events (where Stop and other commands reach the program).
    virtual void pumpEvents() = 0;

    virtual bool stopRequested() const = 0;
    virtual void clearStopRequest() = 0;

    // Opens the folder text in the desktop's file manager; empty when no file was converted.
    virtual void openFolder(std::u16string_view folder) = 0;

    // Brackets every run, however it ends; a host disables its list commands in between.
    virtual void runStarted() {}
    virtual void runEnded() {}

    // Shows the window's current state at once, before the presentation application starts.
    virtual void repaint() {}
};

}  // namespace lectavo::convert
