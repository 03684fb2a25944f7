// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QPixmap>

#include <functional>

// The message behind one of TImgBtn's pointer events.
struct TWMMouse {
    enum class Kind { Enter, Leave, LButtonDown, LButtonUp };
    Kind Msg = Kind::Enter;
    Qt::MouseButtons Buttons;     // buttons held when the message was made
    Qt::KeyboardModifiers Keys;   // Shift, Control and Alt at that moment
    QPoint Pos;                   // pointer position in the button's coordinates
};

// A pointer event handler; the record is only valid during the call.
using TOnMouseEvent = std::function<void(TWMMouse&)>;

// A push button made of pictures: shows Pic, PicUp (hover), PicDown (pressed) or PicDisable
// at natural size in its top-left corner, following the pointer and its own enabled state.
class TImgBtn : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QPixmap Pic READ Pic WRITE SetPic)
    Q_PROPERTY(QPixmap PicUp READ PicUp WRITE SetPicUp)
    Q_PROPERTY(QPixmap PicDown READ PicDown WRITE SetPicDown)
    Q_PROPERTY(QPixmap PicDisable READ PicDisable WRITE SetPicDisable)
    Q_PROPERTY(bool Supported READ Supported WRITE SetSupported)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)

public:
    explicit TImgBtn(QWidget* parent = nullptr);

    // The face on screen now; null when the shown picture is empty.
    QPixmap Picture() const;

    QPixmap Pic() const { return m_pic; }
    // Shows the picture at once, whatever the state, then keeps it as the normal face.
    void SetPic(const QPixmap& pic);
    QPixmap PicUp() const { return m_picUp; }
    // Keeps the hover face; the display does not change.
    void SetPicUp(const QPixmap& pic) { m_picUp = pic; }
    QPixmap PicDown() const { return m_picDown; }
    // Keeps the pressed face; the display does not change.
    void SetPicDown(const QPixmap& pic) { m_picDown = pic; }
    QPixmap PicDisable() const { return m_picDisable; }
    // Keeps the disabled face and shows it when the button is disabled.
    void SetPicDisable(const QPixmap& pic);

    bool Hover() const { return m_hover; }
    bool Pressed() const { return m_pressed; }
    bool Supported() const { return m_supported; }
    // When false the button ignores the pointer (no face changes, no pointer events); OnClick still works.
    void SetSupported(bool supported) { m_supported = supported; }
    bool Enabled() const { return m_enabled; }
    // Sets the widget's enabled state and the own copy, then shows PicUp when enabling, PicDisable when disabling.
    void SetEnabled(bool enabled);

    const TOnMouseEvent& OnMouseEnter() const { return m_onMouseEnter; }
    void SetOnMouseEnter(TOnMouseEvent handler) { m_onMouseEnter = std::move(handler); }
    const TOnMouseEvent& OnMouseLeave() const { return m_onMouseLeave; }
    void SetOnMouseLeave(TOnMouseEvent handler) { m_onMouseLeave = std::move(handler); }
    const TOnMouseEvent& OnMouseDown() const { return m_onMouseDown; }
    void SetOnMouseDown(TOnMouseEvent handler) { m_onMouseDown = std::move(handler); }
    const TOnMouseEvent& OnMouseUp() const { return m_onMouseUp; }
    void SetOnMouseUp(TOnMouseEvent handler) { m_onMouseUp = std::move(handler); }

signals:
    // A left press and release both inside the button; raised before the release changes the face.
    void OnClick();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool Active() const { return m_enabled && m_supported; }
    void Show(const QPixmap& pic);
    void MouseEnter(TWMMouse msg);
    void MouseLeave(TWMMouse msg);
    static void Raise(const TOnMouseEvent& handler, TWMMouse& msg);

    QPixmap m_pic, m_picUp, m_picDown, m_picDisable;
    bool m_hover = false;
    bool m_pressed = false;
    bool m_supported = true;
    bool m_enabled = true;
    bool m_pressBegan = false;  // a left press started on the button and is not released yet
    bool m_movedOut = false;    // the pointer left during that press; the leave was handled then
    TOnMouseEvent m_onMouseEnter, m_onMouseLeave, m_onMouseDown, m_onMouseUp;
};
