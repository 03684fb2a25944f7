// SPDX-License-Identifier: MIT
#include "MessageBox.h"

#include <QMessageBox>

namespace lectavo::platform {

void QtMessageBox::show(QWidget* owner, const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace lectavo::platform
