// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

namespace Ui { class TForm2; }

// The settings dialog: the output folder, typed or picked.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    using FolderPicker = std::function<QString(const QString& initial)>;

    // `chooseFolder` is the main window's folder picker.
    explicit TForm2(FolderPicker chooseFolder, QWidget* parent = nullptr);
    ~TForm2() override;

    Ui::TForm2* controls() const { return ui.get(); }

    // The output folder setting: the field's text, read afresh by every reader.
    QString outputFolder() const;
    // The field's text at every start: the folder Output in the user's home.
    static QString defaultOutputFolder();

public slots:
    void SpeedButton1Click();  // browse
    void Button1Click();       // OK
    void Button2Click();       // Cancel

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::TForm2> ui;
    FolderPicker m_chooseFolder;
};
