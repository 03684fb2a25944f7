// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace lectavo::platform {

// A modal message with an OK button. Tests replace it with a recording fake.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(QWidget* owner, const QString& text, const QString& caption) = 0;
};

class QtMessageBox : public MessageBox {
public:
    void show(QWidget* owner, const QString& text, const QString& caption) override;
};

}  // namespace lectavo::platform
