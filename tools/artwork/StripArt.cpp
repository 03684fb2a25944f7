// SPDX-License-Identifier: MIT
#include "StripArt.h"

#include "Paint.h"

#include <QLinearGradient>

namespace art {
namespace {

const QColor Blues[4] = {{22, 63, 115}, {37, 102, 176}, {74, 144, 217}, {156, 200, 240}};

QImage VerticalGradient(int w, int h, std::initializer_list<std::pair<qreal, QColor>> stops)
{
    QImage img = OpaqueCanvas(w, h, Qt::black);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, h);
    for (const auto& [at, colour] : stops)
        g.setColorAt(at, colour);
    p.fillRect(img.rect(), g);
    return img;
}

QImage BottomStrip()
{
    return VerticalGradient(700, 38, {{0.0, QColor(74, 178, 156)},
                                      {0.12, QColor(46, 150, 130)},
                                      {0.6, QColor(26, 116, 100)},
                                      {1.0, QColor(16, 88, 76)}});
}

QImage ToolbarBackground()
{
    QImage img = VerticalGradient(700, 73, {{0.0, QColor(70, 176, 154)},
                                            {0.45, QColor(34, 132, 114)},
                                            {1.0, QColor(18, 92, 80)}});
    QPainter p(&img);
    Prepare(p);
    // Light sweeps leaning to the right, each brighter at its upper edge.
    const struct {
        qreal x, width;
        int alpha;
    } sweeps[] = {{40, 90, 34}, {150, 30, 22}, {300, 140, 26}, {470, 40, 20}, {560, 110, 30}};
    for (const auto& s : sweeps) {
        QPainterPath band;
        band.moveTo(s.x, 0);
        band.lineTo(s.x + s.width, 0);
        band.lineTo(s.x + s.width - 60, 73);
        band.lineTo(s.x - 60, 73);
        band.closeSubpath();
        QLinearGradient g(0, 0, 0, 73);
        g.setColorAt(0, QColor(255, 255, 255, s.alpha));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(band, g);
    }
    // A top highlight line and a darker foot.
    p.setPen(QColor(160, 224, 210));
    p.drawLine(0, 0, 699, 0);
    return img;
}

QImage UnderLine()
{
    QImage img = OpaqueCanvas(4, 4, Qt::black);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            img.setPixelColor(x, y, Blues[3 - y]);
    return img;
}

QImage SideStrip(bool darkLeft)
{
    QImage img = OpaqueCanvas(4, 15, Qt::black);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 4; ++x)
            img.setPixelColor(x, y, Blues[darkLeft ? x : 3 - x]);
    return img;
}

QImage SettingBackground()
{
    return VerticalGradient(4, 33, {{0.0, QColor(200, 236, 228)}, {1.0, QColor(104, 186, 170)}});
}

} // namespace

std::vector<NamedImage> StripPictures()
{
    return {
        {"strip/image2.png", BottomStrip()},
        {"strip/image3.png", ToolbarBackground()},
        {"strip/image4.png", UnderLine()},
        {"strip/image9.png", SideStrip(true)},
        {"strip/image10.png", SideStrip(false)},
        {"setting/background.png", SettingBackground()},
    };
}

} // namespace art
