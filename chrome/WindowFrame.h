// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QRegion>

#include <functional>

class QLabel;
class QScreen;
class QWidget;
class TImgBtn;

namespace lectavo::chrome {

// Sizes of the skin pictures and of the title bar layout.
inline constexpr int TitleCap = 200;       // width of each cap of the title template
inline constexpr int TitleCopyHeight = 35; // template rows copied into the title bar
inline constexpr int FaceWidth = 25, FaceHeight = 31;
inline constexpr int MaximiseFaceX = 25, RestoreFaceX = 76;
inline constexpr int CaptionLeft = 34, CaptionRight = 234;

// The title bar picture for `size`: the template's left cap, its column `cap` stretched over the
// middle, its right cap; only `height` template rows are copied. Caps overlap when size is narrow.
QPixmap ComposeTitleBar(QSize size, const QPixmap& tpl, int cap, int height);

// Gives `btn` the normal, hover and pressed faces cut from `sprite` at (x, y), (x, y + h), (x, y + 2h),
// each transparent where it has its own bottom-left pixel's colour. PicDisable is left alone.
void LoadButtonSkin(TImgBtn* btn, const QPixmap& sprite, int w, int h, int x, int y);

// The window outline: the rectangle of `size` with 6 x 6 corner ellipses cut off.
QRegion RoundedWindowRegion(QSize size);

// Draws `icon` at (10, 5) as 16 x 16 and `caption` in white bold 12 point, vertically centred,
// clipped to the rectangle from (34, 2) to (right, bar height).
void DrawIconAndCaption(QPixmap& bar, const QIcon& icon, const QString& caption, const QFont& base, int right);

// Where the maximised window stands: the whole width of the screen, its height less 30.
QRect MaximisedGeometry(const QScreen* screen);

// The application icon drawn for the window, in all its sizes.
QIcon ApplicationIcon();

// The skinned frame of the main window: shape, title bar, its three buttons, status line placement,
// dragging, maximise and restore, minimise and close. It works on the window's own widgets.
class WindowFrame : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QWidget* form = nullptr;
        QLabel* image1 = nullptr;     // title bar
        TImgBtn* btnMin = nullptr;
        TImgBtn* btnMax = nullptr;
        TImgBtn* btnClose = nullptr;
        QLabel* image2 = nullptr;     // bottom strip
        QWidget* panel1 = nullptr;    // client area
        QLabel* label1 = nullptr;     // status line
        QWidget* panelImage = nullptr;
        QLabel* imageM = nullptr;     // sprite of the button faces
        QLabel* imageTop = nullptr;   // title template
    };
    // What the frame asks of the window system; tests replace them.
    struct System {
        std::function<void(QWidget*)> startMove;  // move the window with the pointer until release
        std::function<void(QWidget*)> minimise;   // may throw; failures are dropped
    };

    explicit WindowFrame(Parts parts, QObject* parent = nullptr);
    void SetSystem(System system) { m_system = std::move(system); }

    // The frame steps of the window's creation: shape, title bar, buttons, caption, status line.
    void FormCreate();
    // Rebuilds the frame for the window's new size; a maximised window gets the maximised geometry.
    void FormResize();
    // Routes the title bar's presses and double-clicks and the buttons' clicks to the handlers below.
    void Connect();

    // Whether the frame shows the window maximised (by its button, its title bar or the window manager).
    bool Maximised() const { return m_maximised; }

    // Left press on the title bar of a window that is not maximised: the system moves the window.
    void Image1MouseDown(Qt::MouseButton button);
    void Image1DblClick();
    void ImgBtnMinClick();
    // Toggles maximised and normal, swapping the maximise button's faces first.
    void ImgBtnMaxClick();
    void ImgBtnCloseClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsNormal() const;
    QPixmap Sprite() const;
    void ApplyShape();
    void ComposeTitle();
    void PlaceButton(TImgBtn* btn, int fromRight, int top);
    void PlaceButtons();
    void PlaceStatusLine();

    Parts m;
    System m_system;
    QRect m_normalGeometry;
    // Qt drops its own maximised state as soon as the geometry is set, so the frame keeps it.
    bool m_maximised = false;
};

} // namespace lectavo::chrome
