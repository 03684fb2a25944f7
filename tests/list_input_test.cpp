// SPDX-License-Identifier: MIT
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QHeaderView>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "support/ProgramForms.h"

namespace {

struct Window : lectavo::testing::ProgramForms {

    // Sends a drag over the list and, when accepted, the drop; returns whether the drag was accepted.
    bool drop(const QStringList& paths)
    {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls << QUrl::fromLocalFile(p);
        mime.setUrls(urls);
        QWidget* target = ui.ListView1->viewport();
        QPoint at(20, 20);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropEvent(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &dropEvent);
        return dropEvent.isAccepted();
    }
};

using lectavo::testing::makeFile;

}  // namespace

TEST(ListInput, DropsAddFilesAsAddAndFoldersAsAddFolderInOrder)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("folder"));
    makeFile(dir.filePath(QStringLiteral("folder/inner.ppt")));
    makeFile(dir.filePath(QStringLiteral("folder/readme.txt")));
    QString loose = makeFile(dir.filePath(QStringLiteral("Loose.txt")));  // Add takes any file
    QString deck = makeFile(dir.filePath(QStringLiteral("deck.pptx")));

    Window w;
    w.ui.Label1->setText(QStringLiteral("Successed!"));
    EXPECT_TRUE(w.drop({deck, dir.filePath(QStringLiteral("folder")), loose, dir.filePath(QStringLiteral("gone.ppt"))}));
    EXPECT_EQ(w.names(), (QStringList{"deck.pptx", "inner.ppt", "Loose.txt"}));
    EXPECT_TRUE(w.ui.Label1->text().isEmpty());

    w.form1.setConverting(true);
    EXPECT_FALSE(w.drop({deck}));
    w.form1.setConverting(false);
    EXPECT_TRUE(w.drop({deck}));
    EXPECT_EQ(w.form1.fileList().size(), 4);
}

TEST(ListInput, KeysRemoveToggleSelectAll)
{
    QTemporaryDir dir;
    Window w;
    w.form1.addPaths({makeFile(dir.filePath(QStringLiteral("1.ppt"))), makeFile(dir.filePath(QStringLiteral("2.ppt"))),
                      makeFile(dir.filePath(QStringLiteral("3.ppt")))});
    w.form1.show();
    auto* view = w.ui.ListView1;
    view->setFocus();
    view->selectionModel()->select(w.form1.fileList().index(1, 0), QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_FALSE(w.form1.fileList().entry(1).checked);
    EXPECT_TRUE(w.form1.fileList().entry(0).checked);

    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_TRUE(w.form1.fileList().entry(1).checked);
    EXPECT_FALSE(w.form1.fileList().entry(0).checked);

    view->selectionModel()->select(w.form1.fileList().index(2, 0), QItemSelectionModel::ClearAndSelect);
    w.form1.setConverting(true);
    QTest::keyClick(view, Qt::Key_Delete);  // Remove is disabled while converting
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(w.names(), (QStringList{"1.ppt", "2.ppt", "3.ppt"}));
    EXPECT_FALSE(w.form1.fileList().entry(2).checked);  // as Ctrl+A and Space left it
    w.form1.setConverting(false);
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(w.names(), (QStringList{"1.ppt", "2.ppt"}));
}

TEST(ListInput, ConvertingDisablesListCommandsButNotStopHelpHome)
{
    QTemporaryDir dir;
    Window w;
    w.form1.addPaths({makeFile(dir.filePath(QStringLiteral("b.ppt"))), makeFile(dir.filePath(QStringLiteral("a.ppt")))});
    w.form1.setConverting(true);
    for (QWidget* b : {w.ui.SpeedButton3, w.ui.SpeedButton4, w.ui.SpeedButton20, w.ui.SpeedButton5, w.ui.SpeedButton6,
                       w.ui.SpeedButton10, w.ui.SpeedButton11})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    for (QWidget* b : {w.ui.SpeedButton1, w.ui.SpeedButton13, w.ui.SpeedButton14})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    w.ui.RemoveAll1->trigger();
    w.ui.CheckAll1->trigger();
    EXPECT_FALSE(w.ui.ListView1->header()->sectionsClickable());
    EXPECT_FALSE(w.form1.fileList().flags(w.form1.fileList().index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_EQ(w.names(), (QStringList{"b.ppt", "a.ppt"}));
    EXPECT_TRUE(w.form1.fileList().entry(0).checked);

    w.form1.setConverting(false);
    EXPECT_TRUE(w.ui.SpeedButton11->isEnabled());
    EXPECT_TRUE(w.ui.ListView1->header()->sectionsClickable());
    w.ui.RemoveAll1->trigger();
    EXPECT_EQ(w.form1.fileList().size(), 0);
}
