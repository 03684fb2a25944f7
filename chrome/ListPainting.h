// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPixmap>

class QAbstractItemView;

namespace lectavo::chrome {

// The colour the column header shows instead of the button face.
inline const QColor HeaderColor{220, 230, 244};

// Repaints the list's horizontal column header with `colour` as its face and a 1-pixel black outline;
// captions, separators and edges stay as the style draws them. Nothing when the list has no header.
void HookHeaderPaint(QAbstractItemView* list, QColor colour);

// Fills the list's background with `background` (tiled) behind transparent item texts; no alternating rows.
void PaintListBackground(QAbstractItemView* list, const QPixmap& background);

} // namespace lectavo::chrome
