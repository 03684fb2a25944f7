// SPDX-License-Identifier: MIT
#include "WindowFrame.h"

#include "MyImgBtn.h"

#include <algorithm>

#include <QBitmap>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace lectavo::chrome {

QPixmap ComposeTitleBar(QSize size, const QPixmap& tpl, int cap, int height)
{
    const int w = std::max(size.width(), 1), h = std::max(size.height(), 1);
    QPixmap bar(w, h);
    bar.fill(Qt::black);
    QPainter p(&bar);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawPixmap(QRect(0, 0, cap, height), tpl, QRect(0, 0, cap, height));
    if (w > 2 * cap)
        p.drawPixmap(QRect(cap, 0, w - 2 * cap, height), tpl, QRect(cap, 0, 1, height));
    p.drawPixmap(QRect(w - cap, 0, cap, height), tpl, QRect(tpl.width() - cap, 0, cap, height));
    return bar;
}

void LoadButtonSkin(TImgBtn* btn, const QPixmap& sprite, int w, int h, int x, int y)
{
    const auto face = [&](int row) {
        QPixmap pix = sprite.copy(x, y + row * h, w, h);
        const QImage img = pix.toImage();
        if (!img.isNull())
            pix.setMask(pix.createMaskFromColor(img.pixelColor(0, h - 1), Qt::MaskInColor));
        return pix;
    };
    btn->SetPic(face(0));
    btn->SetPicUp(face(1));
    btn->SetPicDown(face(2));
}

QRegion RoundedWindowRegion(QSize size)
{
    const int w = size.width(), h = size.height();
    QRegion region(0, 0, w, h);
    // How far each of the corner rows is cut in from the side: a 6 x 6 ellipse on the pixel grid.
    static constexpr int inset[] = {2, 1};
    for (int row = 0; row < 2; ++row) {
        const int cut = inset[row];
        for (int y : {row, h - 1 - row}) {
            region -= QRegion(0, y, cut, 1);
            region -= QRegion(w - cut, y, cut, 1);
        }
    }
    return region;
}

void DrawIconAndCaption(QPixmap& bar, const QIcon& icon, const QString& caption, const QFont& base, int right)
{
    QPainter p(&bar);
    if (!icon.isNull())
        p.drawPixmap(QRect(10, 5, 16, 16), icon.pixmap(16, 16));
    QFont font = base;
    font.setPointSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    const QRect box(QPoint(CaptionLeft, 2), QPoint(right - 1, bar.height() - 1));
    p.setClipRect(box);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

QRect MaximisedGeometry(const QScreen* screen)
{
    if (!screen)
        return {};
    const QRect s = screen->geometry();
    return QRect(s.left(), s.top(), s.width(), s.height() - 30);
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 128, 256})
        icon.addFile(QStringLiteral(":/art/skin/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

WindowFrame::WindowFrame(Parts parts, QObject* parent) : QObject(parent), m(parts)
{
    m_system.startMove = [](QWidget* form) {
        if (QWindow* window = form->windowHandle())
            window->startSystemMove();
    };
    m_system.minimise = [](QWidget* form) { form->showMinimized(); };
}

bool WindowFrame::IsNormal() const
{
    return !m_maximised && !(m.form->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
}

QPixmap WindowFrame::Sprite() const
{
    return m.imageM->pixmap();
}

void WindowFrame::ApplyShape()
{
    m.form->setMask(RoundedWindowRegion(m.form->size()));
}

void WindowFrame::ComposeTitle()
{
    QPixmap bar = ComposeTitleBar(m.image1->size(), m.imageTop->pixmap(), TitleCap, TitleCopyHeight);
    DrawIconAndCaption(bar, m.form->windowIcon(), m.form->windowTitle(), m.form->font(), CaptionRight);
    m.image1->setPixmap(bar);
}

void WindowFrame::PlaceButton(TImgBtn* btn, int fromRight, int top)
{
    btn->raise();
    btn->move(m.form->width() - fromRight, top);
}

void WindowFrame::PlaceButtons()
{
    PlaceButton(m.btnMin, 87, 3);
    PlaceButton(m.btnMax, 62, 3);
    PlaceButton(m.btnClose, 37, 3);
}

void WindowFrame::PlaceStatusLine()
{
    m.label1->raise();
    const int left = m.image2->x() + m.panel1->width() / 2 - 10;
    // The label reaches the strip's right end, so any text grows to the right without a resize.
    const int height = std::max(m.label1->height(), m.label1->fontMetrics().height());
    m.label1->setGeometry(left, m.image2->y() + 6, std::max(m.image2->x() + m.image2->width() - left, 1), height);
}

void WindowFrame::FormCreate()
{
    // The title picture follows the window's width, so its own width must not hold the window wide.
    m.image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m.image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (QLayout* layout = m.form->layout())
        layout->activate();

    ApplyShape();
    m.panelImage->hide();
    ComposeTitle();
    const QPixmap sprite = Sprite();
    PlaceButton(m.btnMin, 87, 3);
    LoadButtonSkin(m.btnMin, sprite, FaceWidth, FaceHeight, 0, 0);
    PlaceButton(m.btnMax, 62, 3);
    LoadButtonSkin(m.btnMax, sprite, FaceWidth, FaceHeight, MaximiseFaceX, 0);
    PlaceButton(m.btnClose, 37, 3);
    LoadButtonSkin(m.btnClose, sprite, FaceWidth, FaceHeight, 50, 0);
    PlaceStatusLine();
}

void WindowFrame::FormResize()
{
    ApplyShape();
    ComposeTitle();
    PlaceButtons();
    PlaceStatusLine();
    if (m.form->isMaximized() && !m_maximised) {
        m_maximised = true;
        m_normalGeometry = m.form->normalGeometry();
    }
    if (m_maximised) {
        const QRect target = MaximisedGeometry(m.form->screen());
        if (target.isValid() && m.form->geometry() != target)
            m.form->setGeometry(target);
    }
}

void WindowFrame::Connect()
{
    m.image1->installEventFilter(this);
    connect(m.btnMin, &TImgBtn::OnClick, this, &WindowFrame::ImgBtnMinClick);
    connect(m.btnMax, &TImgBtn::OnClick, this, &WindowFrame::ImgBtnMaxClick);
    connect(m.btnClose, &TImgBtn::OnClick, this, &WindowFrame::ImgBtnCloseClick);
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m.image1) {
        if (event->type() == QEvent::MouseButtonPress)
            Image1MouseDown(static_cast<QMouseEvent*>(event)->button());
        else if (event->type() == QEvent::MouseButtonDblClick)
            Image1DblClick();
    }
    return QObject::eventFilter(watched, event);
}

void WindowFrame::Image1MouseDown(Qt::MouseButton button)
{
    if (button == Qt::LeftButton && !m_maximised)
        m_system.startMove(m.form);
}

void WindowFrame::Image1DblClick()
{
    ImgBtnMaxClick();
}

void WindowFrame::ImgBtnMinClick()
{
    try {
        m_system.minimise(m.form);
    } catch (...) {
        // Minimising is a convenience; a failure leaves the window as it was.
    }
}

void WindowFrame::ImgBtnMaxClick()
{
    if (IsNormal()) {
        PlaceButton(m.btnMax, 62, 3);
        LoadButtonSkin(m.btnMax, Sprite(), FaceWidth, FaceHeight, RestoreFaceX, 0);
        m_normalGeometry = m.form->geometry();
        m_maximised = true;
        // The window sets its maximised geometry itself, the same with or without a window manager.
        const QRect target = MaximisedGeometry(m.form->screen());
        if (target.isValid())
            m.form->setGeometry(target);
    } else {
        PlaceButton(m.btnMax, 62, 1);
        LoadButtonSkin(m.btnMax, Sprite(), FaceWidth, FaceHeight, MaximiseFaceX, 0);
        m_maximised = false;
        m.form->setWindowState(m.form->windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
        if (m_normalGeometry.isValid())
            m.form->setGeometry(m_normalGeometry);
    }
}

void WindowFrame::ImgBtnCloseClick()
{
    m.form->close();
}

} // namespace lectavo::chrome
