// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "Dialogs.h"
#include "EntryTexts.h"
#include "FileListModel.h"
#include "Services.h"

class QMenu;
class TForm2;
namespace lectavo::chrome { class WindowFrame; }
namespace Ui { class TForm1; }

// The main window: toolbar, file list, progress bar and status line.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(lectavo::app::Services services, QWidget* parent = nullptr);
    ~TForm1() override;

    // The settings dialog whose output folder the conversion reads; set once at start-up.
    void setForm2(TForm2* form2) { m_form2 = form2; }
    TForm2* form2() const { return m_form2; }

    Ui::TForm1* controls() const { return ui.get(); }
    lectavo::filelist::FileListModel& fileList() { return m_fileList; }
    const lectavo::filelist::FileListModel& fileList() const { return m_fileList; }

    bool StopFlag = false;
    int SortColumn = 0;

    // The folder picker: the picked folder's path, or empty text when cancelled.
    QString ChooseFolder(const QString& initial);
    // Appends one checked entry for the file at `path`; nothing when it cannot be found or read.
    void AddFileEntry(const QString& path);
    // Converts every checked entry.
    void ConvertChecked();
    // Pumps pending events, then shows `current` of `total` on the progress bar.
    void UpdateProgress(int total, int current);

    // A modal message over the window.
    void showMessage(const QString& text, const QString& caption);
    // Opens a folder in the desktop's file manager; nothing when the text is empty.
    void openInFileManager(const QString& folder);

    // Adds paths as Add adds picked files (what a desktop "Open with" passes on the command line).
    void addPaths(const QStringList& paths);
    // Adds dropped paths in order: a folder as Add Folder adds it, anything else as Add does.
    void addDropped(const QStringList& paths);

    // While a conversion runs, the commands that change the list, Convert and Setting are
    // disabled and drops are refused; Stop, Help and Home stay available.
    void setConverting(bool converting);
    bool converting() const { return m_converting; }

    // The help guide beside the executable in `executableDir`, or the installed
    // tree's share/lectavo/; empty when there is none.
    static QString helpFilePath(const QString& executableDir);
    static const QString HomePageAddress;

public slots:
    void SpeedButton3Click();   // Add
    void SpeedButton4Click();   // Adds
    void SpeedButton20Click();  // Remove
    void SpeedButton5Click();   // Removes
    void SpeedButton6Click();   // Check
    void SpeedButton10Click();  // Setting
    void SpeedButton11Click();  // Convert
    void SpeedButton1Click();   // Stop
    void SpeedButton13Click();  // Help
    void SpeedButton14Click();  // Home
    void Remove1Click();
    void RemoveAll1Click();
    void CheckAll1Click();
    void ListView1ColumnClick(int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void FormResize();
    bool FormCloseQuery();
    void connectCommands();
    void showPopupMenu(const QPoint& pos);
    void appendEntriesFor(const QStringList& paths, bool foldersAsScan);
    void toggleSelectedChecks();

    std::unique_ptr<Ui::TForm1> ui;
    lectavo::app::Services m_services;
    lectavo::filelist::FileListModel m_fileList;
    lectavo::filelist::TimeFormat m_timeFormat;
    lectavo::platform::OpenFileRequest m_dlgOpen1;  // what the open-file dialog keeps between uses
    QMenu* PopupMenu1 = nullptr;
    TForm2* m_form2 = nullptr;
    bool m_converting = false;
    // The skinned frame; it also handles the title bar and its three buttons.
    lectavo::chrome::WindowFrame* m_frame = nullptr;
};
