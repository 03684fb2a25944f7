// SPDX-License-Identifier: MIT
#include "ListPainting.h"
#include "MyImgBtn.h"
#include "Unit1.h"
#include "WindowFrame.h"
#include "ui_Unit1.h"

#include <QHeaderView>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace lectavo::chrome;

namespace {

struct NoDialogs : lectavo::platform::Dialogs {
    std::optional<lectavo::platform::OpenFileResult> openFiles(QWidget*, const lectavo::platform::OpenFileRequest&) override
    {
        return std::nullopt;
    }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
};
struct NoMessages : lectavo::platform::MessageBox {
    void show(QWidget*, const QString&, const QString&) override {}
};
struct NoShell : lectavo::platform::Shell {
    void openPath(const QString&) override {}
    void openUrl(const QString&) override {}
};

struct MainWindow : ::testing::Test {
    NoDialogs dialogs;
    NoMessages messages;
    NoShell shell;
    TForm1 form{lectavo::app::Services{dialogs, messages, shell}};
    Ui::TForm1& ui = *form.controls();

    void Show()
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    void ExpectFrame(int faceColumn)
    {
        const int w = form.width();
        EXPECT_EQ(ui.ImgBtnMin->geometry(), QRect(w - 87, 3, 25, 31));
        EXPECT_EQ(ui.ImgBtnMax->geometry(), QRect(w - 62, 3, 25, 31));
        EXPECT_EQ(ui.ImgBtnClose->geometry(), QRect(w - 37, 3, 25, 31));
        const QImage sprite = ui.ImageM->pixmap().toImage();
        const QImage face = ui.ImgBtnMax->Pic().toImage().convertToFormat(QImage::Format_ARGB32);
        // The glyph's centre: white in every face, so compare a pixel of the rim instead.
        for (QPoint p : {QPoint(12, 6), QPoint(4, 14), QPoint(12, 12)})
            EXPECT_EQ(face.pixel(p), sprite.pixel(faceColumn + p.x(), p.y())) << p.x() << "," << p.y();
        EXPECT_EQ(ui.Label1->pos(), QPoint(ui.Image2->x() + ui.Panel1->width() / 2 - 10, ui.Image2->y() + 6));
        EXPECT_EQ(ui.Image1->pixmap().width(), w);
        const QRegion mask = form.mask();
        EXPECT_FALSE(mask.contains(QPoint(0, 0)));
        EXPECT_FALSE(mask.contains(QPoint(w - 1, form.height() - 1)));
        EXPECT_TRUE(mask.contains(QPoint(w / 2, 0)));
        EXPECT_EQ(mask, RoundedWindowRegion(form.size()));
    }
};

TEST_F(MainWindow, FrameAfterCreationAndAfterMaximiseAndRestore)
{
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(ui.Label1->pos(), QPoint(348, 510));
    ExpectFrame(MaximiseFaceX);
    Show();
    ExpectFrame(MaximiseFaceX);
    const QRect normal = form.geometry();

    emit ui.ImgBtnMax->OnClick();
    QTRY_COMPARE(form.geometry(), MaximisedGeometry(form.screen()));
    ExpectFrame(RestoreFaceX);

    emit ui.ImgBtnMax->OnClick();
    QTRY_COMPARE(form.geometry(), normal);
    ExpectFrame(MaximiseFaceX);
}

// Reads the pixels of the grabbed window, as the user sees it.
TEST_F(MainWindow, ScreenshotShowsTheSkinColours)
{
    Show();
    ui.ProgressBar1->show();
    form.UpdateProgress(10, 5);
    ui.Label1->setText(QStringLiteral("Converting..."));
    QApplication::processEvents();
    const QImage shot = form.grab().toImage();
    const QImage tpl = ui.ImageTop->pixmap().toImage();

    // Title bar: the template's caps and stretched column, where no caption, icon or button lies.
    EXPECT_EQ(shot.pixel(5, 30), tpl.pixel(5, 30));
    EXPECT_EQ(shot.pixel(form.width() / 2, 20), tpl.pixel(200, 20));
    EXPECT_EQ(shot.pixel(form.width() - 5, 20), tpl.pixel(tpl.width() - 5, 20));

    QHeaderView* header = ui.ListView1->header();
    const QPoint headerAt = header->mapTo(&form, QPoint(header->sectionPosition(1) + header->sectionSize(1) - 10,
                                                        header->height() / 2));
    EXPECT_EQ(shot.pixelColor(headerAt), HeaderColor);

    QWidget* viewport = ui.ListView1->viewport();
    const QPoint listAt = viewport->mapTo(&form, QPoint(viewport->width() / 2, viewport->height() - 10));
    EXPECT_EQ(shot.pixelColor(listAt), QColor(172, 212, 234));

    int yellow = 0;
    const QRect status = ui.Label1->geometry();
    for (int y = status.top(); y <= status.bottom(); ++y)
        for (int x = status.left(); x < status.left() + 120; ++x) {
            const QColor c = shot.pixelColor(x, y);
            yellow += c.red() > 200 && c.green() > 200 && c.blue() < 100;
        }
    EXPECT_GT(yellow, 20) << "the status text shows in yellow on the bottom strip";
    EXPECT_GE(status.top(), ui.Image2->y());
    EXPECT_LE(status.bottom(), ui.Image2->geometry().bottom());

    const QPoint barAt = ui.ProgressBar1->mapTo(&form, QPoint(ui.ProgressBar1->width() / 4, 8));
    const QColor bar = shot.pixelColor(barAt);
    EXPECT_GT(bar.green(), 90) << bar.name().toStdString();
    EXPECT_LT(bar.red(), 60) << bar.name().toStdString();
    EXPECT_LT(bar.blue(), 60) << bar.name().toStdString();
}

} // namespace
