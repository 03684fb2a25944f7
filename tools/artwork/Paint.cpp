// SPDX-License-Identifier: MIT
#include "Paint.h"

#include <QLinearGradient>

namespace art {

QImage Canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage OpaqueCanvas(int w, int h, QColor fill)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

void Prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void GlossyFill(QPainter& p, const QPainterPath& path, QColor top, QColor bottom, QColor outline,
                qreal outlineWidth)
{
    const QRectF b = path.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.save();
    p.setBrush(g);
    if (outlineWidth > 0) {
        QPen pen(outline, outlineWidth);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
    p.drawPath(path);
    p.restore();
}

void Highlight(QPainter& p, const QPainterPath& path, qreal strength)
{
    const QRectF b = path.boundingRect();
    QLinearGradient g(b.topLeft(), QPointF(b.left(), b.top() + b.height() * 0.55));
    g.setColorAt(0, QColor(255, 255, 255, int(255 * strength)));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.save();
    p.setClipPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(b.adjusted(1, 1, -1, 0));
    p.restore();
}

void Shadow(QPainter& p, const QPainterPath& path, qreal alpha)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, int(255 * alpha)));
    p.drawPath(path.translated(1, 1));
    p.restore();
}

QPainterPath FolderBack(QRectF r)
{
    const qreal tabW = r.width() * 0.42, tabH = r.height() * 0.16;
    QPainterPath path;
    path.moveTo(r.left(), r.top() + 1);
    path.quadTo(r.left(), r.top(), r.left() + 1, r.top());
    path.lineTo(r.left() + tabW - 2, r.top());
    path.lineTo(r.left() + tabW + 1, r.top() + tabH);
    path.lineTo(r.right() - 1, r.top() + tabH);
    path.quadTo(r.right(), r.top() + tabH, r.right(), r.top() + tabH + 1);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    return path;
}

QPainterPath FolderFront(QRectF r)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(r.left(), r.top() + r.height() * 0.30, r.width(), r.height() * 0.70), 1.5, 1.5);
    return path;
}

QPainterPath Sheet(QRectF r, qreal fold)
{
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    return path;
}

QPainterPath Plus(QPointF c, qreal size, qreal t)
{
    QPainterPath h, v;
    h.addRoundedRect(QRectF(c.x() - size / 2, c.y() - t / 2, size, t), t * 0.25, t * 0.25);
    v.addRoundedRect(QRectF(c.x() - t / 2, c.y() - size / 2, t, size), t * 0.25, t * 0.25);
    return h.united(v).simplified();
}

} // namespace art
