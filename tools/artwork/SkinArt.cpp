// SPDX-License-Identifier: MIT
#include "SkinArt.h"

#include "Paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace art {
namespace {

constexpr int FaceW = 25, FaceH = 31;
const QPointF FaceCentre(12.5, 14.5);
constexpr qreal FaceRadius = 9.5;

enum class Glyph { Minimise, Maximise, Close, Restore };

struct Glass {
    QColor top, bottom, rim;
};

void DrawGlyph(QPainter& p, Glyph glyph, QColor ink, QPointF shift)
{
    p.save();
    p.translate(shift);
    p.setBrush(Qt::NoBrush);
    QPen pen(ink, 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    switch (glyph) {
    case Glyph::Minimise:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRect(QRectF(8.5, 16, 8, 2.5));
        break;
    case Glyph::Maximise:
        p.setPen(pen);
        p.drawRect(QRectF(8.8, 10.8, 7.4, 7.4));
        p.drawLine(QPointF(8.8, 11.4), QPointF(16.2, 11.4));
        break;
    case Glyph::Close:
        pen.setWidthF(2.2);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(QPointF(9.3, 11.3), QPointF(15.7, 17.7));
        p.drawLine(QPointF(15.7, 11.3), QPointF(9.3, 17.7));
        break;
    case Glyph::Restore: {
        const QRectF back(10.8, 9.3, 5.8, 5.8), front(8.3, 12.3, 5.8, 5.8);
        p.setPen(pen);
        QPainterPath outside;
        outside.addRect(QRectF(0, 0, FaceW, FaceH));
        QPainterPath frontArea;
        frontArea.addRect(front.adjusted(-0.8, -0.8, 0.8, 0.8));
        p.setClipPath(outside.subtracted(frontArea));
        p.drawRect(back);
        p.setClipping(false);
        p.drawRect(front);
        break;
    }
    }
    p.restore();
}

// One glass button face on the title bar's dark grey, at (x, y) of the painter.
void DrawFace(QPainter& p, QPointF at, Glyph glyph, const Glass& glass, bool pressed)
{
    p.save();
    p.translate(at);
    QPainterPath disc;
    disc.addEllipse(FaceCentre, FaceRadius, FaceRadius);

    QRadialGradient body(FaceCentre + QPointF(0, 4), FaceRadius * 1.3);
    body.setColorAt(0, glass.top);
    body.setColorAt(1, glass.bottom);
    p.setPen(QPen(glass.rim, 1.0));
    p.setBrush(body);
    p.drawPath(disc);

    // The glass reflection across the upper half.
    QLinearGradient shine(FaceCentre - QPointF(0, FaceRadius), FaceCentre + QPointF(0, 1));
    shine.setColorAt(0, QColor(255, 255, 255, pressed ? 120 : 190));
    shine.setColorAt(1, QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QRectF(FaceCentre.x() - 6.5, FaceCentre.y() - FaceRadius + 1.2, 13, 8.5));

    DrawGlyph(p, glyph, Qt::white, pressed ? QPointF(0.5, 0.5) : QPointF(0, 0));
    p.restore();
}

QImage Sprite()
{
    QImage img = OpaqueCanvas(101, 93, TitleDark);
    QPainter p(&img);
    Prepare(p);
    const Glass rows[3] = {
        {QColor(255, 150, 100), QColor(206, 52, 20), QColor(110, 26, 8)},   // normal: orange-red
        {QColor(140, 200, 255), QColor(28, 96, 200), QColor(12, 46, 110)},  // hover: blue
        {QColor(80, 160, 96), QColor(16, 80, 36), QColor(6, 40, 16)},       // pressed: dark green
    };
    const struct {
        int x;
        Glyph glyph;
    } columns[] = {{0, Glyph::Minimise}, {25, Glyph::Maximise}, {50, Glyph::Close}, {76, Glyph::Restore}};
    for (int row = 0; row < 3; ++row)
        for (const auto& c : columns)
            DrawFace(p, QPointF(c.x, row * FaceH), c.glyph, rows[row], row == 2);
    return img;
}

QImage TitleTemplate()
{
    constexpr int W = 799, H = 37, Cap = 200;
    QImage img = OpaqueCanvas(W, H, TitleDark);
    QPainter p(&img);
    Prepare(p);

    // Every column has the same profile, so the stretched middle column joins both caps seamlessly.
    QLinearGradient profile(0, 0, 0, H);
    profile.setColorAt(0.0, QColor(168, 172, 178));
    profile.setColorAt(0.03, QColor(132, 136, 143));
    profile.setColorAt(0.30, QColor(70, 73, 79));
    profile.setColorAt(0.40, TitleDark);
    profile.setColorAt(0.70, TitleDark);
    profile.setColorAt(0.80, QColor(74, 52, 36));
    profile.setColorAt(0.86, QColor(214, 110, 30));
    profile.setColorAt(0.89, QColor(250, 150, 50));
    profile.setColorAt(0.92, QColor(120, 62, 22));
    profile.setColorAt(1.0, QColor(30, 30, 34));
    p.fillRect(img.rect(), profile);

    // A warm glow behind the icon and caption, faded out before the stretched column.
    QRadialGradient glow(QPointF(24, 34), 160);
    glow.setColorAt(0, QColor(255, 140, 40, 90));
    glow.setColorAt(0.6, QColor(255, 120, 30, 30));
    glow.setColorAt(1, QColor(255, 120, 30, 0));
    p.fillRect(QRect(0, 0, Cap - 10, H), glow);

    // Grey drawings of the three buttons where the button controls stand.
    const Glass grey{QColor(150, 154, 160), QColor(70, 74, 80), QColor(36, 38, 42)};
    const int right = W - Cap;
    DrawFace(p, QPointF(right + Cap - 87, 3), Glyph::Minimise, grey, false);
    DrawFace(p, QPointF(right + Cap - 62, 3), Glyph::Maximise, grey, false);
    DrawFace(p, QPointF(right + Cap - 37, 3), Glyph::Close, grey, false);
    return img;
}

// A slide turning into a page of text lines, drawn on a 32-unit grid scaled to the size.
QImage AppIcon(int size)
{
    QImage img = Canvas(size, size);
    QPainter p(&img);
    Prepare(p);
    const qreal s = size / 32.0;
    p.scale(s, s);
    const qreal hair = std::max(1.0, 1.0 / s) ;

    QPainterPath slide;
    slide.addRoundedRect(QRectF(1, 3, 20, 15), 2, 2);
    Shadow(p, slide);
    GlossyFill(p, slide, tone::OrangeTop, tone::OrangeBottom, tone::OrangeLine, hair);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRect(QRectF(4, 6, 14, 2.6));
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawRect(QRectF(4, 10.5, 8, 5));

    const QRectF page(12, 9, 18, 22);
    const QPainterPath sheet = Sheet(page, 5);
    Shadow(p, sheet);
    GlossyFill(p, sheet, QColor(255, 255, 255), QColor(224, 230, 238), tone::GreyLine, hair);
    p.setPen(QPen(tone::BlueBottom, std::max(2.0, 1.0 / s), Qt::SolidLine, Qt::RoundCap));
    const int lines = size <= 16 ? 3 : 4;
    const qreal gap = size <= 16 ? 5.0 : 4.0;
    for (int i = 0; i < lines; ++i) {
        const qreal y = page.top() + 8 + i * gap;
        const qreal end = i == lines - 1 ? page.right() - 7 : page.right() - 3;
        p.drawLine(QPointF(page.left() + 3, y), QPointF(end, y));
    }
    return img;
}

} // namespace

std::vector<NamedImage> SkinPictures()
{
    return {
        {"skin/imagem.png", Sprite()},
        {"skin/imagetop.png", TitleTemplate()},
        {"skin/imagebk.png", OpaqueCanvas(19, 16, QColor(172, 212, 234))},
        {"skin/icon-16.png", AppIcon(16)},
        {"skin/icon-32.png", AppIcon(32)},
        {"skin/icon-48.png", AppIcon(48)},
        {"skin/icon-128.png", AppIcon(128)},
        {"skin/icon-256.png", AppIcon(256)},
    };
}

} // namespace art
