// SPDX-License-Identifier: MIT
#include "MyImgBtn.h"

#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>

namespace {

TWMMouse Record(TWMMouse::Kind kind, const QMouseEvent& e)
{
    return {kind, e.buttons(), e.modifiers(), e.position().toPoint()};
}

} // namespace

TImgBtn::TImgBtn(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(false);
}

QPixmap TImgBtn::Picture() const
{
    return pixmap();
}

void TImgBtn::Show(const QPixmap& pic)
{
    if (pic.isNull())
        clear();
    else
        setPixmap(pic);
}

void TImgBtn::SetPic(const QPixmap& pic)
{
    Show(pic);
    m_pic = pic;
}

void TImgBtn::SetPicDisable(const QPixmap& pic)
{
    m_picDisable = pic;
    if (!m_enabled)
        Show(m_picDisable);
}

void TImgBtn::SetEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
    m_enabled = enabled;
    Show(enabled ? m_picUp : m_picDisable);
}

void TImgBtn::Raise(const TOnMouseEvent& handler, TWMMouse& msg)
{
    if (handler)
        handler(msg);
}

void TImgBtn::MouseEnter(TWMMouse msg)
{
    if (!Active())
        return;
    m_hover = true;
    Show(m_pressed ? m_picDown : m_picUp);
    Raise(m_onMouseEnter, msg);
}

void TImgBtn::MouseLeave(TWMMouse msg)
{
    if (!Active())
        return;
    m_hover = false;
    Show(m_pic);
    Raise(m_onMouseLeave, msg);
}

void TImgBtn::enterEvent(QEnterEvent* event)
{
    m_movedOut = false;
    MouseEnter({TWMMouse::Kind::Enter, event->buttons(), event->modifiers(), event->position().toPoint()});
}

void TImgBtn::leaveEvent(QEvent*)
{
    // Qt holds back enter and leave while a button is down and sends the leave after the release;
    // mouseMoveEvent already handled that leave.
    if (m_movedOut) {
        m_movedOut = false;
        return;
    }
    MouseLeave({TWMMouse::Kind::Leave, Qt::NoButton, Qt::NoModifier, mapFromGlobal(QCursor::pos())});
}

void TImgBtn::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    // Accepting the press makes this button the grabber, so the release comes back here.
    event->accept();
    m_pressBegan = true;
    m_movedOut = false;
    if (!Active())
        return;
    m_pressed = true;
    if (m_hover)
        Show(m_picDown);
    TWMMouse msg = Record(TWMMouse::Kind::LButtonDown, *event);
    Raise(m_onMouseDown, msg);
}

void TImgBtn::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressBegan) {
        QLabel::mouseMoveEvent(event);
        return;
    }
    const bool inside = rect().contains(event->position().toPoint());
    if (!inside && !m_movedOut) {
        m_movedOut = true;
        MouseLeave(Record(TWMMouse::Kind::Leave, *event));
    } else if (inside && m_movedOut) {
        m_movedOut = false;
        MouseEnter(Record(TWMMouse::Kind::Enter, *event));
    }
}

void TImgBtn::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    const bool click = m_pressBegan && rect().contains(event->position().toPoint());
    m_pressBegan = false;
    if (click)
        emit OnClick();
    if (!Active())
        return;
    m_pressed = false;
    if (m_hover)
        Show(m_picUp);
    TWMMouse msg = Record(TWMMouse::Kind::LButtonUp, *event);
    Raise(m_onMouseUp, msg);
}
