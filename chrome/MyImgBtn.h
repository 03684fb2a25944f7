// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A push button made of pictures (placeholder until the skinned control lands).
class TImgBtn : public QLabel {
    Q_OBJECT
public:
    explicit TImgBtn(QWidget* parent = nullptr) : QLabel(parent) {}

signals:
    void OnClick();
};
