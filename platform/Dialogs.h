// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace lectavo::platform {

// What the open-file dialog is asked for; it also carries what the dialog
// remembers between uses (the filter chosen last, the first file picked last).
struct OpenFileRequest {
    QStringList filters;     // "Description (*.a *.b)" entries
    QString selectedFilter;  // one of filters
    QString initialFile;     // preset file name, may be empty
};

struct OpenFileResult {
    QStringList files;       // full paths, in the dialog's order
    QString selectedFilter;  // the filter in use when the dialog closed
};

// Modal dialogs of the desktop. Tests replace them with recording fakes.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Several files at once; nullopt when cancelled or when the dialog fails.
    virtual std::optional<OpenFileResult> openFiles(QWidget* owner, const OpenFileRequest& request) = 0;
    // A folder, preselecting `initial` when it is not empty; empty text when cancelled.
    virtual QString chooseFolder(QWidget* owner, const QString& title, const QString& initial) = 0;
};

// The dialogs of Qt.
class QtDialogs : public Dialogs {
public:
    std::optional<OpenFileResult> openFiles(QWidget* owner, const OpenFileRequest& request) override;
    QString chooseFolder(QWidget* owner, const QString& title, const QString& initial) override;
};

}  // namespace lectavo::platform
