// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace lectavo::filelist {

// The list's sort comparison: byte by byte over the 8-bit form of the texts,
// only a-z folded to A-Z, bytes taken as unsigned; when one text begins the
// other, the shorter goes first. Negative, zero or positive.
int compareTexts(const QByteArray& first, const QByteArray& second);
int compareTexts(const QString& first, const QString& second);

}  // namespace lectavo::filelist
