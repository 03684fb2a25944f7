// SPDX-License-Identifier: MIT
#include "Dialogs.h"

#include <QDir>
#include <QFileDialog>

namespace lectavo::platform {

std::optional<OpenFileResult> QtDialogs::openFiles(QWidget* owner, const OpenFileRequest& request)
{
    QFileDialog dialog(owner);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The filter texts are shown as written; the patterns travel in the hidden details.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilters(request.filters);
    if (!request.selectedFilter.isEmpty())
        dialog.selectNameFilter(request.selectedFilter);
    if (!request.initialFile.isEmpty())
        dialog.selectFile(request.initialFile);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    OpenFileResult result;
    for (const QString& file : dialog.selectedFiles())
        result.files << QDir::toNativeSeparators(file);
    result.selectedFilter = dialog.selectedNameFilter();
    return result;
}

QString QtDialogs::chooseFolder(QWidget* owner, const QString& title, const QString& initial)
{
    QString folder = QFileDialog::getExistingDirectory(owner, title, initial, QFileDialog::ShowDirsOnly);
    return QDir::toNativeSeparators(folder);
}

}  // namespace lectavo::platform
