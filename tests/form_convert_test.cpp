// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "lectavo/convert/BuiltinEngine.h"
#include "support/Corpus.h"
#include "support/ProgramForms.h"

namespace {

// The windows as the program wires them, converting with the built-in engine.
struct Program : lectavo::testing::ProgramForms {
    Program() { lectavo::automation::registerBuiltinEngine(); }
    void setOutputFolder(const QString& folder) { settings.LabeledEdit2->setText(folder); }
};

QString corpusFile(const char* name) { return QString::fromUtf8(LECTAVO_CORPUS_DIR) + "/files/" + name; }

QByteArray expected(const char* name)
{
    return QByteArray::fromStdString(lectavo::testing::readBytes(std::string(LECTAVO_CORPUS_DIR) + "/expected/" + name + ".txt"));
}

QByteArray read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

TEST(FormConvert, ConvertsTheCheckedRowsAndOpensTheFolder)
{
    QTemporaryDir out;
    const QString folder = out.filePath(QStringLiteral("texts/new"));  // created by the run
    Program p;
    p.form1.show();
    p.add({corpusFile("basic-2007.pptx"), corpusFile("no-slides.pptx"), corpusFile("soft-breaks.pptx")});
    p.form1.fileList().setChecked(1, false);
    p.setOutputFolder(folder);

    bool disabledDuringRun = false;
    QTimer::singleShot(0, &p.form1, [&] { disabledDuringRun = !p.ui.SpeedButton11->isEnabled() && p.ui.SpeedButton1->isEnabled(); });
    p.ui.SpeedButton11->click();

    EXPECT_TRUE(disabledDuringRun);
    EXPECT_TRUE(p.ui.SpeedButton11->isEnabled());
    EXPECT_EQ(p.ui.Label1->text(), QStringLiteral("Successed!"));
    EXPECT_FALSE(p.ui.ProgressBar1->isVisible());
    EXPECT_EQ(read(folder + "/basic-2007.txt"), expected("basic-2007.pptx"));
    EXPECT_EQ(read(folder + "/soft-breaks.txt"), expected("soft-breaks.pptx"));
    EXPECT_FALSE(QFile::exists(folder + "/no-slides.txt"));
    EXPECT_EQ(p.fakes.shell.opened, QStringList{"path:" + folder});
    EXPECT_TRUE(p.fakes.messages.shown.isEmpty());
    EXPECT_EQ(p.ui.ProgressBar1->maximum(), p.ui.ProgressBar1->value());  // keeps its last values
}

TEST(FormConvert, StopEndsTheRunAfterTheSlide)
{
    QTemporaryDir out;
    Program p;
    p.form1.show();
    p.add({corpusFile("hidden-48-slides.pptx")});
    p.setOutputFolder(out.path());
    QTimer::singleShot(0, p.ui.SpeedButton1, &QToolButton::click);
    p.ui.SpeedButton11->click();
    EXPECT_EQ(p.ui.Label1->text(), QStringLiteral("Stopped!"));
    EXPECT_FALSE(p.form1.StopFlag);
    EXPECT_FALSE(QFile::exists(out.filePath(QStringLiteral("hidden-48-slides.txt"))));
    EXPECT_TRUE(p.fakes.shell.opened.isEmpty());
}

TEST(FormConvert, AFileThatCannotOpenEndsTheRunWithTheMessage)
{
    QTemporaryDir out;
    Program p;
    p.add({corpusFile("basic-2007.pptx"), corpusFile("password-agile.pptx"), corpusFile("soft-breaks.pptx")});
    p.setOutputFolder(out.path());
    p.ui.SpeedButton11->click();
    EXPECT_EQ(p.fakes.messages.shown,
              QStringList{"Error: Failed to open the ppt file. If the powerpoint version is below 2007, please update it."});
    EXPECT_TRUE(p.ui.Label1->text().isEmpty());
    EXPECT_FALSE(p.ui.ProgressBar1->isVisible());
    EXPECT_TRUE(QFile::exists(out.filePath(QStringLiteral("basic-2007.txt"))));
    EXPECT_FALSE(QFile::exists(out.filePath(QStringLiteral("soft-breaks.txt"))));
    EXPECT_TRUE(p.fakes.shell.opened.isEmpty());
    EXPECT_TRUE(p.ui.SpeedButton3->isEnabled());
}

TEST(FormConvert, AnUnwritableOutputIsNeverReportedAsSuccess)
{
    QTemporaryDir out;
    QFile blocker(out.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Program p;
    p.add({corpusFile("basic-2007.pptx")});
    p.setOutputFolder(out.filePath(QStringLiteral("file/below")));  // a folder cannot be made under a file
    p.ui.SpeedButton11->click();
    ASSERT_EQ(p.fakes.messages.shown.size(), 1);
    EXPECT_TRUE(p.fakes.messages.shown[0].startsWith(QStringLiteral("Error: ")));
    EXPECT_TRUE(p.fakes.messages.shown[0].contains(QStringLiteral("basic-2007.txt")));
    EXPECT_NE(p.ui.Label1->text(), QStringLiteral("Successed!"));
    EXPECT_TRUE(p.fakes.shell.opened.isEmpty());
}

TEST(FormConvert, CloseDuringARunIsGrantedAndTheRunFinishes)
{
    QTemporaryDir out;
    Program p;
    p.form1.show();
    p.add({corpusFile("basic-2007.pptx"), corpusFile("soft-breaks.pptx")});
    p.setOutputFolder(out.path());
    bool closed = false;
    QTimer::singleShot(0, &p.form1, [&] { closed = p.form1.close(); });
    p.ui.SpeedButton11->click();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(p.form1.isVisible());
    EXPECT_EQ(p.ui.Label1->text(), QStringLiteral("Successed!"));
    EXPECT_TRUE(QFile::exists(out.filePath(QStringLiteral("soft-breaks.txt"))));
}
