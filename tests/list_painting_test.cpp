// SPDX-License-Identifier: MIT
#include "ListPainting.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace lectavo::chrome;

namespace {

const QColor kImageBk(172, 212, 234);

QPixmap Background()
{
    QPixmap pix(19, 16);
    pix.fill(kImageBk);
    return pix;
}

// A five-column list with check boxes, as the main window shows its files.
struct ListFixture : ::testing::Test {
    QStandardItemModel model{0, 5};
    QTreeView list;

    void SetUp() override
    {
        model.setHorizontalHeaderLabels({"Name", "Path", "Size", "Build Time", "ModifyTime"});
        for (int r = 0; r < 3; ++r) {
            QList<QStandardItem*> row;
            for (int c = 0; c < 5; ++c)
                row << new QStandardItem(QStringLiteral("i%1").arg(r));
            row[0]->setCheckable(true);
            row[0]->setCheckState(Qt::Checked);
            model.appendRow(row);
        }
        list.setModel(&model);
        list.setRootIsDecorated(false);
        list.resize(716, 300);
        for (int c = 0; c < 5; ++c)
            list.header()->resizeSection(c, QList<int>{100, 200, 100, 120, 220}[c]);
        HookHeaderPaint(&list, HeaderColor);
        PaintListBackground(&list, Background());
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    // Header face beside the caption of `column`, its outline, and the separator after it.
    void ExpectHeader(int column)
    {
        QHeaderView* header = list.header();
        const QImage img = header->viewport()->grab().toImage();
        const int right = header->sectionViewportPosition(column) + header->sectionSize(column);
        const int mid = img.height() / 2;
        EXPECT_EQ(img.pixelColor(right - 10, mid), HeaderColor) << "face of column " << column;
        EXPECT_EQ(img.pixelColor(0, mid), QColor(Qt::black));
        EXPECT_EQ(img.pixelColor(img.width() / 2, 0), QColor(Qt::black));
        EXPECT_EQ(img.pixelColor(img.width() - 1, mid), QColor(Qt::black));
        EXPECT_EQ(img.pixelColor(img.width() / 2, img.height() - 1), QColor(Qt::black));
        bool separator = false;
        for (int x = right - 3; x <= right; ++x)
            separator |= img.pixelColor(x, mid) != HeaderColor;
        EXPECT_TRUE(separator) << "the separator after column " << column << " is still drawn";
        int caption = 0;
        const int left = header->sectionViewportPosition(column);
        for (int x = left + 2; x < left + 40; ++x)
            for (int y = 2; y < img.height() - 2; ++y)
                caption += img.pixelColor(x, y) != HeaderColor;
        EXPECT_GT(caption, 10) << "the caption of column " << column << " is still drawn";
    }
};

TEST_F(ListFixture, HeaderFaceTakesTheColourAndKeepsItThroughClicksAndResizes)
{
    for (int c : {0, 1, 3})
        ExpectHeader(c);
    QTest::mouseClick(list.header()->viewport(), Qt::LeftButton, {}, QPoint(150, 8));
    list.header()->resizeSection(1, 150);
    QApplication::processEvents();
    for (int c : {0, 1, 3})
        ExpectHeader(c);
}

TEST_F(ListFixture, ListShowsTheBackgroundBehindRowsAndTexts)
{
    const QImage img = list.viewport()->grab().toImage();
    EXPECT_EQ(img.pixelColor(img.width() - 5, img.height() - 5), kImageBk) << "below the last row";
    const QRect cell = list.visualRect(model.index(1, 2));
    EXPECT_EQ(img.pixelColor(cell.right() - 5, cell.center().y()), kImageBk) << "inside a cell beside its text";
    EXPECT_EQ(img.pixelColor(cell.left() + 1, cell.top() + 1), kImageBk) << "behind the text's cell";
    EXPECT_EQ(list.viewport()->palette().base().color(), kImageBk) << "what check box faces are drawn with";
    EXPECT_FALSE(list.alternatingRowColors());
    EXPECT_TRUE(model.item(1, 0)->isCheckable());
}

} // namespace
