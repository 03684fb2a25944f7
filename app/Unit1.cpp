// SPDX-License-Identifier: MIT
#include "Unit1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "EntryMaker.h"
#include "FormHost.h"
#include "ListPainting.h"
#include "WindowFrame.h"
#include "lectavo/convert/ConversionRun.h"
#include "Unit2.h"
#include "ui_Unit1.h"

using lectavo::filelist::FileEntry;
using lectavo::filelist::FileListModel;

const QString TForm1::HomePageAddress = QStringLiteral("https://lectavo.org/");

namespace {

// The open-file dialog's filters: description as the user reads it, then the patterns.
QStringList openDialogFilters()
{
    struct Filter {
        const char* description;
        const char* patterns;
    };
    static constexpr Filter filters[] = {
        {"All PowerPoint Presentations", "*.ppt;*.pps;*.pptx;*.ppsx;*.pptm;*.ppsm;*.pot;*.potx;*.potm"},
        {"Microsoft PowerPoint(97-2003)(*.ppt)", "*.ppt"},
        {"Microsoft PowerPoint(2007-2010)(*.pps;*.pptx;*.ppsx;*.pptm;*.ppsm)", "*.pps;*.pptx;*.ppsx;*.pptm;*.ppsm;"},
        {"PowerPoint Templates(*.pot;*.potx;*.potm)", "*.pot;*.potx;*.potm"},
    };
    QStringList list;
    for (const Filter& f : filters) {
        QStringList patterns = QString::fromLatin1(f.patterns).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        list << QStringLiteral("%1 (%2)").arg(QString::fromLatin1(f.description), patterns.join(QLatin1Char(' ')));
    }
    return list;
}

}  // namespace

TForm1::TForm1(lectavo::app::Services services, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm1>()), m_services(services)
{
    ui->setupUi(this);
    move(296, 114);  // where the window first appears, not centred
    m_timeFormat = lectavo::filelist::TimeFormat::fromLocale(QLocale::system());
    m_dlgOpen1.filters = openDialogFilters();
    m_dlgOpen1.selectedFilter = m_dlgOpen1.filters.first();

    ui->ListView1->setModel(&m_fileList);
    QHeaderView* header = ui->ListView1->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setSectionsMovable(false);
    for (int c = 0; c < FileListModel::NUM_COLUMNS; ++c)
        header->resizeSection(c, FileListModel::columnWidth(c));
    QPalette listPalette = ui->ListView1->palette();
    listPalette.setColor(QPalette::Text, QColor(0, 128, 0));
    listPalette.setColor(QPalette::Base, Qt::white);
    ui->ListView1->setPalette(listPalette);

    ui->Panel1->setStyleSheet(QStringLiteral("QToolButton { color: white; }"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(ui->Remove1);
    PopupMenu1->addAction(ui->RemoveAll1);
    PopupMenu1->addAction(ui->CheckAll1);

    ui->ListView1->installEventFilter(this);
    ui->ListView1->viewport()->installEventFilter(this);
    ui->ListView1->viewport()->setAcceptDrops(true);

    connectCommands();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::connectCommands()
{
    connect(ui->SpeedButton3, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    connect(ui->SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(ui->SpeedButton20, &QToolButton::clicked, this, &TForm1::SpeedButton20Click);
    connect(ui->SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    connect(ui->SpeedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    connect(ui->SpeedButton10, &QToolButton::clicked, this, &TForm1::SpeedButton10Click);
    connect(ui->SpeedButton11, &QToolButton::clicked, this, &TForm1::SpeedButton11Click);
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(ui->SpeedButton13, &QToolButton::clicked, this, &TForm1::SpeedButton13Click);
    connect(ui->SpeedButton14, &QToolButton::clicked, this, &TForm1::SpeedButton14Click);
    connect(ui->Remove1, &QAction::triggered, this, &TForm1::Remove1Click);
    connect(ui->RemoveAll1, &QAction::triggered, this, &TForm1::RemoveAll1Click);
    connect(ui->CheckAll1, &QAction::triggered, this, &TForm1::CheckAll1Click);
    connect(ui->ListView1->header(), &QHeaderView::sectionClicked, this, &TForm1::ListView1ColumnClick);
    connect(ui->ListView1, &QWidget::customContextMenuRequested, this, &TForm1::showPopupMenu);
}

void TForm1::FormCreate()
{
    setWindowFlag(Qt::FramelessWindowHint);
    setWindowIcon(lectavo::chrome::ApplicationIcon());
    m_frame = new lectavo::chrome::WindowFrame({this, ui->Image1, ui->ImgBtnMin, ui->ImgBtnMax, ui->ImgBtnClose,
                                                ui->Image2, ui->Panel1, ui->Label1, ui->PanelImage, ui->ImageM,
                                                ui->ImageTop},
                                               this);
    m_frame->FormCreate();
    m_frame->Connect();
    lectavo::chrome::HookHeaderPaint(ui->ListView1, lectavo::chrome::HeaderColor);
    lectavo::chrome::PaintListBackground(ui->ListView1, ui->ImageBk->pixmap());
    ui->Image3->lower();  // the toolbar picture lies under the toolbar buttons

    // Set once: the bar stays green for the life of the window.
    ui->ProgressBar1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: rgb(0, 128, 0); }"));
    ui->ProgressBar1->hide();
    StopFlag = false;
    ui->Memo1->hide();
}

void TForm1::FormResize()
{
    if (m_frame)
        m_frame->FormResize();
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

bool TForm1::FormCloseQuery() { return true; }

void TForm1::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        m_timeFormat = lectavo::filelist::TimeFormat::fromLocale(QLocale::system());
    QWidget::changeEvent(event);
}

void TForm1::showPopupMenu(const QPoint& pos) { PopupMenu1->popup(ui->ListView1->viewport()->mapToGlobal(pos)); }

QString TForm1::ChooseFolder(const QString& initial)
{
    QWidget* owner = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    return m_services.dialogs.chooseFolder(owner, QStringLiteral("Please Choose a Folder"), initial);
}

void TForm1::AddFileEntry(const QString& path)
{
    if (auto entry = lectavo::filelist::makeFileEntry(path, m_timeFormat))
        m_fileList.append(std::move(*entry));
}

void TForm1::appendEntriesFor(const QStringList& paths, bool foldersAsScan)
{
    std::vector<FileEntry> entries;
    entries.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths) {
        if (foldersAsScan && QFileInfo(path).isDir()) {
            auto scanned = lectavo::filelist::scanFolder(path, m_timeFormat);
            entries.insert(entries.end(), std::make_move_iterator(scanned.begin()), std::make_move_iterator(scanned.end()));
        } else if (auto entry = lectavo::filelist::makeFileEntry(path, m_timeFormat)) {
            entries.push_back(std::move(*entry));
        }
    }
    m_fileList.append(std::move(entries));
}

void TForm1::addPaths(const QStringList& paths) { appendEntriesFor(paths, false); }

void TForm1::addDropped(const QStringList& paths)
{
    if (m_converting)
        return;
    ui->Label1->clear();
    appendEntriesFor(paths, true);
}

void TForm1::SpeedButton3Click()
{
    ui->Label1->clear();
    auto picked = m_services.dialogs.openFiles(this, m_dlgOpen1);
    if (!picked)
        return;
    m_dlgOpen1.selectedFilter = picked->selectedFilter;
    if (!picked->files.isEmpty())
        m_dlgOpen1.initialFile = picked->files.first();
    appendEntriesFor(picked->files, false);
}

void TForm1::SpeedButton4Click()
{
    ui->Label1->clear();
    QString folder = ChooseFolder(QString());
    if (folder.isEmpty())
        return;
    m_fileList.append(lectavo::filelist::scanFolder(folder, m_timeFormat));
}

void TForm1::SpeedButton20Click()
{
    std::vector<int> rows;
    for (const QModelIndex& index : ui->ListView1->selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    m_fileList.removeEntries(std::move(rows));
}

void TForm1::SpeedButton5Click() { m_fileList.clear(); }

void TForm1::SpeedButton6Click() { m_fileList.invertChecks(); }

void TForm1::SpeedButton10Click()
{
    if (m_form2)
        m_form2->exec();
}

void TForm1::SpeedButton11Click()
{
    StopFlag = false;
    ConvertChecked();
}

void TForm1::SpeedButton1Click()
{
    StopFlag = true;
    ui->Label1->clear();
    ui->ProgressBar1->hide();
}

QString TForm1::helpFilePath(const QString& executableDir)
{
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("lectavo.chm");
#else
    const QString name = QStringLiteral("lectavo.html");
#endif
    for (const QString& candidate : {QDir(executableDir).filePath(name),
                                     QDir(executableDir).filePath(QStringLiteral("../share/lectavo/") + name)}) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return {};
}

void TForm1::SpeedButton13Click()
{
    QString help = helpFilePath(QCoreApplication::applicationDirPath());
    if (!help.isEmpty())
        m_services.shell.openPath(help);
}

void TForm1::SpeedButton14Click() { m_services.shell.openUrl(HomePageAddress); }

void TForm1::Remove1Click() { ui->SpeedButton20->click(); }

void TForm1::RemoveAll1Click() { ui->SpeedButton5->click(); }

void TForm1::CheckAll1Click() { ui->SpeedButton6->click(); }

void TForm1::ListView1ColumnClick(int column)
{
    SortColumn = column;
    m_fileList.sortByColumn(SortColumn);
}

void TForm1::setConverting(bool converting)
{
    m_converting = converting;
    for (QWidget* w : std::initializer_list<QWidget*>{ui->SpeedButton3, ui->SpeedButton4, ui->SpeedButton20,
                                                      ui->SpeedButton5, ui->SpeedButton6, ui->SpeedButton10,
                                                      ui->SpeedButton11})
        w->setEnabled(!converting);
    for (QAction* a : {ui->Remove1, ui->RemoveAll1, ui->CheckAll1})
        a->setEnabled(!converting);
    ui->ListView1->header()->setSectionsClickable(!converting);
    // A name edit still open when the run starts is not taken: the model refuses it.
    m_fileList.setNameEditable(!converting);
    ui->ListView1->setEditTriggers(converting ? QAbstractItemView::NoEditTriggers
                                              : QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
}

void TForm1::toggleSelectedChecks()
{
    QList<int> rows;
    for (const QModelIndex& index : ui->ListView1->selectionModel()->selectedIndexes()) {
        if (!rows.contains(index.row()))
            rows << index.row();
    }
    for (int row : rows)
        m_fileList.setChecked(row, !m_fileList.entry(row).checked);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->ListView1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            ui->SpeedButton20->click();
            return true;
        }
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            if (!m_converting)
                toggleSelectedChecks();
            return true;
        }
    }
    if (watched == ui->ListView1->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (!m_converting && drag->mimeData()->hasUrls())
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (m_converting || !drop->mimeData()->hasUrls()) {
                drop->ignore();
                return true;
            }
            QStringList paths;
            for (const QUrl& url : drop->mimeData()->urls()) {
                if (url.isLocalFile())
                    paths << QDir::toNativeSeparators(url.toLocalFile());
            }
            drop->acceptProposedAction();
            addDropped(paths);
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::showMessage(const QString& text, const QString& caption) { m_services.messages.show(this, text, caption); }

void TForm1::openInFileManager(const QString& folder)
{
    if (!folder.isEmpty())
        m_services.shell.openPath(folder);
}

void TForm1::ConvertChecked()
{
    // The run's own failures end it with a message; anything else reaches the application's error report.
    FormHost host(*this);
    lectavo::convert::ConversionRun(host).run();
}

void TForm1::UpdateProgress(int total, int current)
{
    QCoreApplication::processEvents();
    ui->ProgressBar1->setMaximum(total);
    ui->ProgressBar1->setValue(current);
}
