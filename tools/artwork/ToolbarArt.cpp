// SPDX-License-Identifier: MIT
#include "ToolbarArt.h"

#include "Paint.h"

#include <QtMath>

namespace art {
namespace {

using namespace tone;

QImage Add()
{
    QImage img = Canvas(32, 32);
    QPainter p(&img);
    Prepare(p);
    const QPainterPath plus = Plus(QPointF(16, 16), 24, 9);
    Shadow(p, plus);
    GlossyFill(p, plus, GreenTop, GreenBottom, GreenLine);
    Highlight(p, plus);
    return img;
}

void PlusBadge(QPainter& p, QPointF c, qreal r)
{
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    Shadow(p, disc);
    GlossyFill(p, disc, GreenTop, GreenBottom, GreenLine);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(Plus(c, r * 1.2, r * 0.36));
    Highlight(p, disc, 0.45);
}

void Folder(QPainter& p, QRectF r, QColor top, QColor bottom, QColor line)
{
    const QPainterPath back = FolderBack(r);
    Shadow(p, back);
    GlossyFill(p, back, bottom.darker(110), bottom.darker(125), line);
    const QPainterPath front = FolderFront(r);
    GlossyFill(p, front, top, bottom, line);
    Highlight(p, front, 0.4);
}

QImage Adds()
{
    QImage img = Canvas(32, 32);
    QPainter p(&img);
    Prepare(p);
    Folder(p, QRectF(2.5, 5.5, 24, 19), OrangeTop, OrangeBottom, OrangeLine);
    PlusBadge(p, QPointF(23, 23), 7.5);
    return img;
}

QPainterPath MinusBar(QRectF r)
{
    QPainterPath bar;
    bar.addRoundedRect(r, r.height() * 0.3, r.height() * 0.3);
    return bar;
}

QImage Remove()
{
    QImage img = Canvas(32, 32);
    QPainter p(&img);
    Prepare(p);
    const QPainterPath bar = MinusBar(QRectF(4.5, 12.5, 23, 8));
    Shadow(p, bar);
    GlossyFill(p, bar, DarkTop, DarkBottom, DarkLine);
    Highlight(p, bar, 0.5);
    return img;
}

QImage Removes()
{
    QImage img = Canvas(32, 32);
    QPainter p(&img);
    Prepare(p);
    Folder(p, QRectF(2.5, 5.5, 24, 19), BlueTop, BlueBottom, BlueLine);
    const QPainterPath bar = MinusBar(QRectF(14.5, 20.5, 16, 7));
    Shadow(p, bar);
    GlossyFill(p, bar, OrangeTop, OrangeBottom, OrangeLine);
    Highlight(p, bar, 0.5);
    return img;
}

QImage Check()
{
    QImage img = Canvas(32, 32);
    QPainter p(&img);
    Prepare(p);
    QPainterPath tick;
    tick.moveTo(3, 17);
    tick.lineTo(8, 12);
    tick.lineTo(13, 17.5);
    tick.lineTo(25, 4);
    tick.lineTo(30, 9);
    tick.lineTo(13, 28);
    tick.closeSubpath();
    Shadow(p, tick);
    GlossyFill(p, tick, GreenTop, GreenBottom, GreenLine);
    Highlight(p, tick, 0.5);
    return img;
}

QPainterPath Gear(QPointF c, qreal outer, qreal inner, qreal hole, int teeth)
{
    QPainterPath gear;
    const qreal step = 2 * M_PI / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * step;
        const auto at = [&](qreal angle, qreal radius) {
            return QPointF(c.x() + radius * qCos(angle), c.y() + radius * qSin(angle));
        };
        const QPointF p0 = at(a - step * 0.30, inner), p1 = at(a - step * 0.17, outer);
        const QPointF p2 = at(a + step * 0.17, outer), p3 = at(a + step * 0.30, inner);
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
        gear.lineTo(p2);
        gear.lineTo(p3);
        gear.lineTo(at(a + step * 0.70, inner));
    }
    gear.closeSubpath();
    QPainterPath holePath;
    holePath.addEllipse(c, hole, hole);
    return gear.subtracted(holePath);
}

QImage Setting()
{
    QImage img = Canvas(32, 32);
    QPainter p(&img);
    Prepare(p);
    const QPainterPath gear = Gear(QPointF(13, 13), 11.5, 8.5, 3.5, 8);
    Shadow(p, gear);
    GlossyFill(p, gear, GreyTop, GreyBottom, GreyLine);
    Highlight(p, gear, 0.5);

    // Screwdriver lying from the lower right up across the gear.
    p.save();
    p.translate(21, 21);
    p.rotate(-45);
    QPainterPath shaft;
    shaft.addRect(QRectF(-15, -1.3, 12, 2.6));
    QPainterPath tip;
    tip.moveTo(-15, -1.3);
    tip.lineTo(-18, -0.6);
    tip.lineTo(-18, 0.6);
    tip.lineTo(-15, 1.3);
    tip.closeSubpath();
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-4, -3.6, 14, 7.2), 3, 3);
    Shadow(p, handle);
    GlossyFill(p, shaft.united(tip), QColor(236, 238, 242), QColor(150, 156, 166), GreyLine, 0.8);
    GlossyFill(p, handle, RedTop, RedBottom, RedLine);
    Highlight(p, handle, 0.5);
    p.setPen(QPen(QColor(120, 20, 16, 140), 0.8));
    p.drawLine(QPointF(0, -1.5), QPointF(8, -1.5));
    p.drawLine(QPointF(0, 1.5), QPointF(8, 1.5));
    p.restore();
    return img;
}

void Document(QPainter& p, QRectF r)
{
    const qreal fold = r.width() * 0.32;
    const QPainterPath sheet = Sheet(r, fold);
    Shadow(p, sheet);
    GlossyFill(p, sheet, QColor(255, 255, 255), QColor(222, 228, 236), GreyLine);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    GlossyFill(p, corner, QColor(240, 242, 246), QColor(190, 196, 206), GreyLine, 0.8);
    p.setPen(QPen(QColor(120, 136, 160), 1.0, Qt::SolidLine, Qt::FlatCap));
    for (qreal y = r.top() + fold + 2.5; y < r.bottom() - 2; y += 3)
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
}

QImage Convert()
{
    QImage img = Canvas(32, 32);
    QPainter p(&img);
    Prepare(p);
    Document(p, QRectF(2.5, 1.5, 14, 18));
    Folder(p, QRectF(13.5, 14.5, 17, 14), YellowTop, YellowBottom, YellowLine);

    QPainterPath arrow;
    arrow.moveTo(6, 22);
    arrow.quadTo(6, 28, 12, 28);
    arrow.lineTo(12, 31);
    arrow.lineTo(17.5, 25.5);
    arrow.lineTo(12, 20);
    arrow.lineTo(12, 23.5);
    arrow.quadTo(10, 23.5, 10, 22);
    arrow.closeSubpath();
    Shadow(p, arrow);
    GlossyFill(p, arrow, BlueTop, BlueBottom, BlueLine, 0.9);
    return img;
}

QPainterPath Disc(QPointF c, qreal r)
{
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    return disc;
}

QImage Stop()
{
    QImage img = Canvas(32, 32);
    QPainter p(&img);
    Prepare(p);
    const QPainterPath disc = Disc(QPointF(16, 16), 13.5);
    Shadow(p, disc);
    GlossyFill(p, disc, RedTop, RedBottom, RedLine);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(10, 9, 4.5, 14), 1, 1);
    p.drawRoundedRect(QRectF(17.5, 9, 4.5, 14), 1, 1);
    Highlight(p, disc, 0.45);
    return img;
}

QImage Help()
{
    QImage img = Canvas(32, 32);
    QPainter p(&img);
    Prepare(p);
    const QPainterPath disc = Disc(QPointF(16, 16), 13.5);
    Shadow(p, disc);
    GlossyFill(p, disc, BlueTop, BlueBottom, BlueLine);

    QPainterPath hook;
    hook.moveTo(11.2, 12.5);
    hook.cubicTo(11.2, 9, 13.5, 7.5, 16, 7.5);
    hook.cubicTo(19, 7.5, 21, 9.5, 21, 12);
    hook.cubicTo(21, 15, 16, 15.5, 16, 19);
    QPen pen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 23.8), 2.3, 2.3);
    Highlight(p, disc, 0.45);
    return img;
}

QImage Home()
{
    QImage img = Canvas(32, 32);
    QPainter p(&img);
    Prepare(p);
    QPainterPath chimney;
    chimney.addRect(QRectF(21.5, 4.5, 4, 8));
    GlossyFill(p, chimney, BlueBottom, BlueLine, BlueLine);

    QPainterPath walls;
    walls.addRect(QRectF(6.5, 14.5, 19, 14));
    Shadow(p, walls);
    GlossyFill(p, walls, QColor(214, 234, 252), QColor(150, 196, 240), BlueLine);

    QPainterPath door;
    door.addRoundedRect(QRectF(13.5, 19.5, 5, 9), 1, 1);
    GlossyFill(p, door, BlueBottom, BlueLine, BlueLine, 0.8);

    QPainterPath roof;
    roof.moveTo(1.5, 16.5);
    roof.lineTo(16, 3);
    roof.lineTo(30.5, 16.5);
    roof.lineTo(27.5, 18.5);
    roof.lineTo(16, 8);
    roof.lineTo(4.5, 18.5);
    roof.closeSubpath();
    Shadow(p, roof);
    GlossyFill(p, roof, BlueTop, BlueBottom, BlueLine);
    Highlight(p, roof, 0.5);
    return img;
}

QImage Browse()
{
    QImage img = Canvas(24, 24);
    QPainter p(&img);
    Prepare(p);
    const QRectF r(1.5, 3.5, 19, 17);
    const QPainterPath back = FolderBack(r);
    GlossyFill(p, back, OrangeBottom.darker(110), OrangeBottom.darker(125), OrangeLine);

    // The sheet stands in the folder, between its back and its open front flap.
    const QPainterPath sheet = Sheet(QRectF(5.5, 1.5, 13, 15), 4);
    GlossyFill(p, sheet, QColor(250, 250, 252), QColor(196, 200, 208), GreyLine);
    p.setPen(QPen(QColor(140, 146, 156), 1.0, Qt::SolidLine, Qt::FlatCap));
    for (qreal y = 7.5; y < 14; y += 2.5)
        p.drawLine(QPointF(8, y), QPointF(16, y));

    QPainterPath flap;
    flap.moveTo(4.5, 10.5);
    flap.lineTo(23, 10.5);
    flap.lineTo(20.5, 20.5);
    flap.lineTo(1.5, 20.5);
    flap.closeSubpath();
    Shadow(p, flap, 0.2);
    GlossyFill(p, flap, OrangeTop, OrangeBottom, OrangeLine);
    Highlight(p, flap, 0.4);
    return img;
}

} // namespace

std::vector<NamedImage> ToolbarPictures()
{
    return {
        {"toolbar/add.png", Add()},
        {"toolbar/adds.png", Adds()},
        {"toolbar/remove.png", Remove()},
        {"toolbar/removes.png", Removes()},
        {"toolbar/check.png", Check()},
        {"toolbar/setting.png", Setting()},
        {"toolbar/convert.png", Convert()},
        {"toolbar/stop.png", Stop()},
        {"toolbar/help.png", Help()},
        {"toolbar/home.png", Home()},
        {"setting/browse.png", Browse()},
    };
}

} // namespace art
