// SPDX-License-Identifier: MIT
#include "ListPainting.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace lectavo::chrome {
namespace {

// Draws each header section as the application style does, then replaces its face with the header
// colour: in every row between the top and bottom edge, the pixels of the face's own colour there.
class HeaderFaceStyle : public QProxyStyle {
public:
    explicit HeaderFaceStyle(QColor colour) : m_colour(colour) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element != CE_HeaderSection || option->rect.width() < 3 || option->rect.height() < 3) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const QRect r = option->rect;
        QImage section(r.size(), QImage::Format_ARGB32_Premultiplied);
        section.fill(Qt::transparent);
        {
            QPainter p(&section);
            p.translate(-r.topLeft());
            QProxyStyle::drawControl(element, option, &p, widget);
        }
        const QRgb face = m_colour.rgb();
        for (int y = 1; y < section.height() - 1; ++y) {
            auto* line = reinterpret_cast<QRgb*>(section.scanLine(y));
            const QRgb key = line[section.width() / 2];
            for (int x = 0; x < section.width(); ++x)
                if (line[x] == key)
                    line[x] = face;
        }
        painter->drawImage(r.topLeft(), section);
    }

private:
    QColor m_colour;
};

// Draws a black 1-pixel outline round the header after the header has painted itself.
class HeaderOutline : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || m_painting)
            return false;
        auto* viewport = static_cast<QWidget*>(watched);
        m_painting = true;
        QCoreApplication::sendEvent(viewport, event);
        m_painting = false;
        QPainter p(viewport);
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(viewport->rect().adjusted(0, 0, -1, -1));
        return true;
    }

private:
    bool m_painting = false;
};

QHeaderView* ColumnHeader(QAbstractItemView* list)
{
    for (QHeaderView* header : list->findChildren<QHeaderView*>())
        if (header->orientation() == Qt::Horizontal)
            return header;
    return nullptr;
}

} // namespace

void HookHeaderPaint(QAbstractItemView* list, QColor colour)
{
    QHeaderView* header = ColumnHeader(list);
    if (!header)
        return;
    auto* style = new HeaderFaceStyle(colour);
    style->setParent(header);
    header->setStyle(style);
    header->viewport()->installEventFilter(new HeaderOutline(header));
    header->viewport()->update();
}

void PaintListBackground(QAbstractItemView* list, const QPixmap& background)
{
    // Styles that read the brush's colour (check box faces) get the picture's own colour, not black.
    const QImage img = background.toImage();
    const QBrush brush(img.isNull() ? QColor(Qt::white) : img.pixelColor(0, 0), background);
    // The viewport gets it too: a style sheet above the list can hold the viewport's palette apart.
    for (QWidget* w : {static_cast<QWidget*>(list), list->viewport()}) {
        QPalette palette = w->palette();
        palette.setBrush(QPalette::Base, brush);
        w->setPalette(palette);
    }
    list->setAlternatingRowColors(false);
    list->viewport()->setAutoFillBackground(true);
}

} // namespace lectavo::chrome
