// SPDX-License-Identifier: MIT
#include "MyImgBtn.h"
#include "WindowFrame.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace lectavo::chrome;

namespace {

QPixmap Art(const char* name)
{
    QPixmap pix(QStringLiteral(":/art/") + QLatin1String(name));
    EXPECT_FALSE(pix.isNull()) << name;
    return pix;
}

// The main window's frame widgets, laid out as the window lays them out.
struct FrameForm {
    QWidget form;
    QLabel* image1;
    QLabel* image2;
    QWidget* panel1;
    QLabel* label1;
    TImgBtn *btnMin, *btnMax, *btnClose;
    QWidget* panelImage;
    QLabel *imageM, *imageTop;
    WindowFrame* frame;
    int startMoves = 0;

    explicit FrameForm(const QString& caption = QStringLiteral("Lectavo 2.6"))
    {
        form.setWindowFlag(Qt::FramelessWindowHint);
        form.setWindowTitle(caption);
        form.setWindowIcon(ApplicationIcon());
        form.setGeometry(40, 20, 724, 534);
        auto* column = new QVBoxLayout(&form);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        image1 = new QLabel(&form);
        image1->setFixedHeight(33);
        column->addWidget(image1);
        auto* middle = new QHBoxLayout;
        middle->setSpacing(0);
        auto* left = new QLabel(&form);
        left->setFixedWidth(4);
        panel1 = new QWidget(&form);
        auto* right = new QLabel(&form);
        right->setFixedWidth(4);
        middle->addWidget(left);
        middle->addWidget(panel1, 1);
        middle->addWidget(right);
        column->addLayout(middle, 1);
        image2 = new QLabel(&form);
        image2->setFixedHeight(30);
        column->addWidget(image2);
        label1 = new QLabel(QStringLiteral("Converting..."), &form);
        btnMin = new TImgBtn(&form);
        btnMax = new TImgBtn(&form);
        btnClose = new TImgBtn(&form);
        for (TImgBtn* b : {btnMin, btnMax, btnClose})
            b->resize(25, 31);
        panelImage = new QWidget(&form);
        imageM = new QLabel(panelImage);
        imageM->setPixmap(Art("skin/imagem.png"));
        imageTop = new QLabel(panelImage);
        imageTop->setPixmap(Art("skin/imagetop.png"));

        frame = new WindowFrame({&form, image1, btnMin, btnMax, btnClose, image2, panel1, label1, panelImage, imageM,
                                 imageTop},
                                &form);
        frame->SetSystem({[this](QWidget*) { ++startMoves; }, [](QWidget* w) { w->showMinimized(); }});
        frame->FormCreate();
        frame->Connect();
        form.installEventFilter(&m_resizes);
    }

    // Shows the window and waits until the window system has placed it.
    void Show()
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    struct ResizeHook : QObject {
        WindowFrame** frame;
        explicit ResizeHook(WindowFrame** f) : frame(f) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Resize)
                (*frame)->FormResize();
            return false;
        }
    } m_resizes{&frame};
};

// Checks where the three buttons stand and which faces the maximise button carries.
void ExpectButtons(const FrameForm& f, int faceColumn)
{
    const int w = f.form.width();
    EXPECT_EQ(f.btnMin->pos(), QPoint(w - 87, 3));
    EXPECT_EQ(f.btnMax->pos(), QPoint(w - 62, 3));
    EXPECT_EQ(f.btnClose->pos(), QPoint(w - 37, 3));
    const QImage sprite = Art("skin/imagem.png").toImage();
    const QImage shown = f.btnMax->Pic().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage hover = f.btnMax->PicUp().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), QSize(25, 31));
    int opaque = 0;
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 25; ++x) {
            if (qAlpha(shown.pixel(x, y)) == 255) {
                ++opaque;
                EXPECT_EQ(shown.pixel(x, y), sprite.pixel(faceColumn + x, y)) << x << "," << y;
                EXPECT_EQ(hover.pixel(x, y) | 0xff000000, sprite.pixel(faceColumn + x, 31 + y)) << x << "," << y;
            }
        }
    EXPECT_GT(opaque, 200) << "the glass button itself is opaque";
    EXPECT_EQ(qAlpha(shown.pixel(0, 30)), 0) << "the title bar's grey around it is transparent";
}

void ExpectStatusLine(const FrameForm& f)
{
    EXPECT_EQ(f.label1->pos(), QPoint(f.image2->x() + f.panel1->width() / 2 - 10, f.image2->y() + 6));
}

TEST(WindowFrame, CreatePlacesButtonsStatusLineAndTitle)
{
    FrameForm f;
    EXPECT_EQ(f.form.size(), QSize(724, 534));
    ExpectButtons(f, MaximiseFaceX);
    EXPECT_EQ(f.label1->pos(), QPoint(348, 510));
    EXPECT_TRUE(f.panelImage->isHidden());
    EXPECT_EQ(f.btnMin->Picture().toImage(), f.btnMin->Pic().toImage());
    EXPECT_EQ(f.image1->pixmap().size(), QSize(724, 33));
}

TEST(WindowFrame, TitleBarIsTheTemplateCapsAndStretchedColumn)
{
    const QImage tpl = Art("skin/imagetop.png").toImage().convertToFormat(QImage::Format_RGB32);
    const QImage bar = ComposeTitleBar(QSize(900, 33), QPixmap::fromImage(tpl), 200, 35).toImage().convertToFormat(
        QImage::Format_RGB32);
    ASSERT_EQ(bar.size(), QSize(900, 33));
    for (int y : {0, 5, 16, 30, 32}) {
        EXPECT_EQ(bar.pixel(0, y), tpl.pixel(0, y));
        EXPECT_EQ(bar.pixel(199, y), tpl.pixel(199, y));
        for (int x : {200, 450, 699})
            EXPECT_EQ(bar.pixel(x, y), tpl.pixel(200, y)) << x << "," << y;
        EXPECT_EQ(bar.pixel(700, y), tpl.pixel(599, y));
        EXPECT_EQ(bar.pixel(899, y), tpl.pixel(798, y));
        EXPECT_EQ(bar.pixel(900 - 87 + 12, y), tpl.pixel(799 - 87 + 12, y)) << "grey button drawing";
    }
}

int WhitePixels(const QImage& img, QRect area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            n += c.red() > 240 && c.green() > 240 && c.blue() > 240;
        }
    return n;
}

TEST(WindowFrame, CaptionIsDrawnAndClippedAtTheSameEdgeAfterResize)
{
    FrameForm f(QStringLiteral("Lectavo 2.6 with a caption far too long for the title bar of this window"));
    f.Show();
    const QImage created = f.image1->pixmap().toImage();
    EXPECT_GT(WhitePixels(created, QRect(34, 2, 200, 31)), 100);
    EXPECT_EQ(WhitePixels(created, QRect(234, 0, 200, 33)), 0) << "clipped at x 234";
    EXPECT_GT(WhitePixels(created, QRect(10, 5, 16, 16)), 0) << "the icon's page";

    f.form.resize(760, 534);
    const QImage resized = f.image1->pixmap().toImage();
    EXPECT_EQ(resized.width(), 760);
    EXPECT_EQ(resized.copy(0, 0, 300, 33), created.copy(0, 0, 300, 33)) << "same font and clip after a resize";
}

TEST(WindowFrame, OutlineHasRoundedCornersAtEverySize)
{
    for (QSize size : {QSize(724, 534), QSize(800, 570), QSize(401, 120)}) {
        const QRegion r = RoundedWindowRegion(size);
        const int w = size.width(), h = size.height();
        for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
            const int dx = corner.x() == 0 ? 1 : -1, dy = corner.y() == 0 ? 1 : -1;
            const auto at = [&](int x, int y) { return corner + QPoint(dx * x, dy * y); };
            EXPECT_FALSE(r.contains(at(0, 0)));
            EXPECT_FALSE(r.contains(at(1, 0)));
            EXPECT_FALSE(r.contains(at(0, 1)));
            EXPECT_TRUE(r.contains(at(2, 0)));
            EXPECT_TRUE(r.contains(at(1, 1)));
            EXPECT_TRUE(r.contains(at(0, 2)));
        }
        EXPECT_TRUE(r.contains(QPoint(w / 2, 0)));
        EXPECT_TRUE(r.contains(QPoint(w / 2, h - 1)));
        EXPECT_FALSE(r.contains(QPoint(w, h / 2)));
    }
    FrameForm f;
    f.Show();
    EXPECT_EQ(f.form.mask(), RoundedWindowRegion(QSize(724, 534)));
    f.form.resize(760, 540);
    EXPECT_EQ(f.form.mask(), RoundedWindowRegion(QSize(760, 540)));
}

TEST(WindowFrame, MaximiseAndRestoreByButtonAndDoubleClick)
{
    FrameForm f;
    f.Show();
    const QRect normal = f.form.geometry();
    const QRect maximised = MaximisedGeometry(f.form.screen());
    ASSERT_EQ(maximised.height(), f.form.screen()->geometry().height() - 30);

    for (bool byDoubleClick : {false, true}) {
        SCOPED_TRACE(byDoubleClick ? "double-click on the title bar" : "maximise button");
        const auto toggle = [&] {
            if (byDoubleClick) {
                QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(300, 10), f.image1->mapToGlobal(QPointF(300, 10)),
                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(f.image1, &dbl);
            } else {
                emit f.btnMax->OnClick();
            }
        };
        toggle();
        EXPECT_TRUE(f.frame->Maximised());
        QTRY_COMPARE(f.form.geometry(), maximised);
        ExpectButtons(f, RestoreFaceX);
        ExpectStatusLine(f);
        EXPECT_EQ(f.image1->pixmap().width(), maximised.width());
        EXPECT_EQ(f.form.mask(), RoundedWindowRegion(maximised.size()));

        toggle();
        EXPECT_FALSE(f.frame->Maximised());
        QTRY_COMPARE(f.form.geometry(), normal);
        ExpectButtons(f, MaximiseFaceX);
        ExpectStatusLine(f);
        EXPECT_EQ(f.image1->pixmap().width(), normal.width());
    }
}

TEST(WindowFrame, LeftPressOnTitleDragsOnlyWhenNotMaximised)
{
    FrameForm f;
    f.Show();
    const auto press = [&](Qt::MouseButton button) {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(300, 10), f.image1->mapToGlobal(QPointF(300, 10)), button,
                      button, Qt::NoModifier);
        QApplication::sendEvent(f.image1, &e);
    };
    press(Qt::RightButton);
    EXPECT_EQ(f.startMoves, 0);
    press(Qt::LeftButton);
    EXPECT_EQ(f.startMoves, 1);
    f.frame->ImgBtnMaxClick();
    press(Qt::LeftButton);
    EXPECT_EQ(f.startMoves, 1) << "a maximised window stays put";
}

TEST(WindowFrame, MinimiseSwallowsFailuresAndCloseCloses)
{
    FrameForm f;
    f.Show();
    f.frame->SetSystem({[](QWidget*) {}, [](QWidget*) { throw std::runtime_error("no"); }});
    EXPECT_NO_THROW(emit f.btnMin->OnClick());
    f.frame->SetSystem({[](QWidget*) {}, [](QWidget*) { throw 7; }});
    EXPECT_NO_THROW(emit f.btnMin->OnClick());
    EXPECT_TRUE(f.form.isVisible());

    emit f.btnClose->OnClick();
    EXPECT_FALSE(f.form.isVisible());
}

TEST(WindowFrame, ButtonFacesAreTransparentOnTheirBottomLeftColour)
{
    TImgBtn btn;
    const QPixmap sprite = Art("skin/imagem.png");
    LoadButtonSkin(&btn, sprite, 25, 31, 50, 0);
    const QImage sheet = sprite.toImage();
    const struct {
        QPixmap face;
        int row;
    } faces[] = {{btn.Pic(), 0}, {btn.PicUp(), 1}, {btn.PicDown(), 2}};
    for (const auto& [face, row] : faces) {
        const QImage img = face.toImage().convertToFormat(QImage::Format_ARGB32);
        const QRgb key = sheet.pixel(50, row * 31 + 30);
        for (int y = 0; y < 31; ++y)
            for (int x = 0; x < 25; ++x) {
                const QRgb src = sheet.pixel(50 + x, row * 31 + y);
                EXPECT_EQ(qAlpha(img.pixel(x, y)), src == key ? 0 : 255) << row << ":" << x << "," << y;
            }
    }
    EXPECT_TRUE(btn.PicDisable().isNull());
    EXPECT_EQ(btn.Picture().toImage(), btn.Pic().toImage());
}

} // namespace
