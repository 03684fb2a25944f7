// SPDX-License-Identifier: MIT
#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace lectavo::platform {

void QtShell::openPath(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

void QtShell::openUrl(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

}  // namespace lectavo::platform
