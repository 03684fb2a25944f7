// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace art {

struct NamedImage {
    QString path; // relative to the output folder, e.g. "toolbar/add.png"
    QImage image;
};

// The ten 32 x 32 toolbar pictures and the 24 x 24 browse picture of the settings dialog, with alpha.
std::vector<NamedImage> ToolbarPictures();

} // namespace art
