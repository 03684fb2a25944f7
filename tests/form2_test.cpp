// SPDX-License-Identifier: MIT
#include <QDir>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/ProgramForms.h"

namespace {

// The settings dialog's controls are what these tests look at.
struct Forms : lectavo::testing::ProgramForms {
    Ui::TForm2& ui = settings;
};

// Runs `step` once the modal dialog is up.
void whileShown(TForm2& dialog, std::function<void()> step)
{
    QTimer::singleShot(0, &dialog, [&dialog, step] {
        EXPECT_TRUE(dialog.isVisible());
        step();
        if (dialog.isVisible())
            dialog.close();
    });
}

const QString home = QDir::homePath() + QStringLiteral("/Output");

}  // namespace

TEST(Form2, LaidOutAsDesigned)
{
    Forms f;
    EXPECT_EQ(f.form2.windowTitle(), QStringLiteral("Setting"));
    EXPECT_EQ(f.form2.size(), QSize(425, 163));
    EXPECT_EQ(f.ui.LabeledEdit2->geometry(), QRect(48, 44, 249, 21));
    EXPECT_EQ(f.ui.LabeledEdit2Label->text(), QStringLiteral("Output Path"));
    EXPECT_EQ(f.ui.SpeedButton1->geometry(), QRect(328, 32, 33, 33));
    EXPECT_EQ(f.ui.Button1->text(), QStringLiteral("OK"));
    EXPECT_EQ(f.ui.Button2->text(), QStringLiteral("Cancel"));
    for (QWidget* control : {static_cast<QWidget*>(f.ui.LabeledEdit2), static_cast<QWidget*>(f.ui.SpeedButton1),
                             static_cast<QWidget*>(f.ui.Button1), static_cast<QWidget*>(f.ui.Button2)})
        EXPECT_EQ(f.form2.childAt(control->geometry().center()), control) << "hidden behind the background";
    EXPECT_FALSE(f.ui.Button1->isDefault() || f.ui.Button1->autoDefault());
    EXPECT_FALSE(f.ui.Button2->isDefault() || f.ui.Button2->autoDefault());
    QWidgetList tabOrder;
    for (QWidget* w = f.ui.Button1; tabOrder.size() < 3; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            tabOrder << w;
    }
    EXPECT_EQ(tabOrder, (QWidgetList{f.ui.Button1, f.ui.Button2, f.ui.LabeledEdit2}));
    EXPECT_EQ(f.form2.outputFolder(), home);
    EXPECT_TRUE(QDir::isAbsolutePath(f.form2.outputFolder()));
}

TEST(Form2, OkAndCloseBoxKeepTheTextCancelRestoresTheStartValue)
{
    Forms f;
    whileShown(f.form2, [&] {
        f.ui.LabeledEdit2->setText(QStringLiteral("/srv/texts"));
        f.ui.Button1->click();
    });
    f.form1.controls()->SpeedButton10->click();
    EXPECT_EQ(f.form2.outputFolder(), QStringLiteral("/srv/texts"));

    whileShown(f.form2, [&] { f.ui.LabeledEdit2->setText(QString()); });  // closed by the close box
    f.form1.controls()->SpeedButton10->click();
    EXPECT_EQ(f.form2.outputFolder(), QString());

    f.fakes.dialogs.folderAnswers.push_back(QStringLiteral("/picked"));
    whileShown(f.form2, [&] {
        f.ui.SpeedButton1->click();
        EXPECT_EQ(f.ui.LabeledEdit2->text(), QStringLiteral("/picked"));
        f.ui.Button2->click();
    });
    f.form1.controls()->SpeedButton10->click();
    EXPECT_EQ(f.form2.outputFolder(), home);
    EXPECT_EQ(f.fakes.dialogs.folderTitles, QStringList{QStringLiteral("Please Choose a Folder")});
    EXPECT_EQ(f.fakes.dialogs.folderInitials, QStringList{QString()});
}

TEST(Form2, CancelledPickerLeavesTheField)
{
    Forms f;
    f.ui.LabeledEdit2->setText(QStringLiteral("/kept"));
    f.fakes.dialogs.folderAnswers.push_back(QString());
    f.ui.SpeedButton1->click();
    EXPECT_EQ(f.form2.outputFolder(), QStringLiteral("/kept"));
}

TEST(Form2, EscapeDoesNothingAndEnterPressesOnlyAFocusedButton)
{
    Forms f;
    bool stillOpen = false;
    whileShown(f.form2, [&] {
        f.ui.LabeledEdit2->setFocus();
        f.ui.LabeledEdit2->setText(QStringLiteral("/typed"));
        QTest::keyClick(&f.form2, Qt::Key_Escape);
        QTest::keyClick(f.ui.LabeledEdit2, Qt::Key_Return);
        stillOpen = f.form2.isVisible();
        f.ui.Button2->setFocus();
        QTest::keyClick(f.ui.Button2, Qt::Key_Return);  // Cancel
    });
    f.form2.exec();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(f.form2.outputFolder(), home);
}
