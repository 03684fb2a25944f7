// SPDX-License-Identifier: MIT
#include "Unit2.h"

#include <QDir>
#include <QKeyEvent>
#include <QPushButton>

#include "lectavo/convert/DefaultOutputFolder.h"
#include "ui_Unit2.h"

TForm2::TForm2(FolderPicker chooseFolder, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TForm2>()), m_chooseFolder(std::move(chooseFolder))
{
    ui->setupUi(this);
    move(399, 259);
    ui->Image1->lower();  // the background picture stays behind the controls placed over it
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    ui->LabeledEdit2->setText(defaultOutputFolder());
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TForm2::SpeedButton1Click);
    connect(ui->Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
}

TForm2::~TForm2() = default;

QString TForm2::defaultOutputFolder() { return QString::fromStdU16String(lectavo::convert::defaultOutputFolder()); }

QString TForm2::outputFolder() const { return ui->LabeledEdit2->text(); }

void TForm2::SpeedButton1Click()
{
    QString folder = m_chooseFolder ? m_chooseFolder(QString()) : QString();
    if (!folder.isEmpty())
        ui->LabeledEdit2->setText(folder);
}

void TForm2::Button1Click() { close(); }

void TForm2::Button2Click()
{
    ui->LabeledEdit2->setText(defaultOutputFolder());
    close();
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    // No default or cancel button: Escape does nothing, Enter presses only a focused button.
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
