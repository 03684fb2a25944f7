// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace art {

// A transparent canvas for pictures with alpha.
QImage Canvas(int w, int h);
// An opaque canvas filled with one colour, saved without alpha.
QImage OpaqueCanvas(int w, int h, QColor fill);
// A painter with antialiasing and smooth transforms switched on.
void Prepare(QPainter& p);

// Fills a path with a top-to-bottom gradient over its bounds and strokes it with the outline colour.
void GlossyFill(QPainter& p, const QPainterPath& path, QColor top, QColor bottom, QColor outline,
                qreal outlineWidth = 1.0);
// Lays a soft white highlight over the upper part of a path.
void Highlight(QPainter& p, const QPainterPath& path, qreal strength = 0.55);
// The same path moved by (1, 1) in translucent black, under everything else.
void Shadow(QPainter& p, const QPainterPath& path, qreal alpha = 0.28);

// Colour scheme shared by the toolbar pictures.
namespace tone {
inline const QColor GreenTop{128, 214, 92}, GreenBottom{44, 150, 36}, GreenLine{24, 96, 20};
inline const QColor OrangeTop{255, 206, 110}, OrangeBottom{235, 140, 34}, OrangeLine{160, 88, 16};
inline const QColor BlueTop{120, 186, 246}, BlueBottom{36, 110, 200}, BlueLine{20, 66, 130};
inline const QColor RedTop{255, 120, 100}, RedBottom{200, 36, 28}, RedLine{120, 20, 16};
inline const QColor GreyTop{214, 218, 224}, GreyBottom{130, 136, 146}, GreyLine{70, 74, 82};
inline const QColor DarkTop{104, 110, 120}, DarkBottom{44, 48, 54}, DarkLine{24, 26, 30};
inline const QColor YellowTop{255, 234, 130}, YellowBottom{238, 184, 40}, YellowLine{160, 112, 10};
} // namespace tone

// Outline of a folder body: back with its tab, seen from the front.
QPainterPath FolderBack(QRectF r);
// Front flap of a closed folder.
QPainterPath FolderFront(QRectF r);
// A sheet of paper with its top-right corner folded.
QPainterPath Sheet(QRectF r, qreal fold);
// A plus sign made of two bars of the given thickness.
QPainterPath Plus(QPointF centre, qreal size, qreal thickness);

} // namespace art
