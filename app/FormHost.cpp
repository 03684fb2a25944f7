// SPDX-License-Identifier: MIT
#include "FormHost.h"

#include <QCoreApplication>

#include "Unit1.h"
#include "Unit2.h"
#include "ui_Unit1.h"

namespace {

QString qt(std::u16string_view text) { return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

int FormHost::rowCount() const { return m_form.fileList().size(); }

bool FormHost::isChecked(int row) const { return row < m_form.fileList().size() && m_form.fileList().entry(row).checked; }

std::u16string FormHost::rowPath(int row) const
{
    return row < m_form.fileList().size() ? m_form.fileList().entry(row).path.toStdU16String() : std::u16string();
}

std::u16string FormHost::outputFolder() const
{
    return m_form.form2() ? m_form.form2()->outputFolder().toStdU16String() : std::u16string();
}

void FormHost::setStatus(std::u16string_view text)
{
    QLabel* label = m_form.controls()->Label1;
    label->setText(qt(text));
    label->adjustSize();  // the status line is as wide as its text
    label->repaint();
}

void FormHost::showProgress() { m_form.controls()->ProgressBar1->show(); }

void FormHost::hideProgress() { m_form.controls()->ProgressBar1->hide(); }

void FormHost::setProgress(int maximum, int position)
{
    m_form.controls()->ProgressBar1->setMaximum(maximum);
    m_form.controls()->ProgressBar1->setValue(position);
}

void FormHost::updateProgress(int total, int current) { m_form.UpdateProgress(total, current); }

void FormHost::showError(std::u16string_view text) { m_form.showMessage(qt(text), QStringLiteral("Error")); }

void FormHost::pumpEvents() { QCoreApplication::processEvents(); }

bool FormHost::stopRequested() const { return m_form.StopFlag; }

void FormHost::clearStopRequest() { m_form.StopFlag = false; }

void FormHost::openFolder(std::u16string_view folder)
{
    QString path = folder.empty() && m_form.form2() ? m_form.form2()->outputFolder() : qt(folder);
    m_form.openInFileManager(path);
}

void FormHost::runStarted() { m_form.setConverting(true); }

void FormHost::runEnded() { m_form.setConverting(false); }

void FormHost::repaint() { m_form.repaint(); }
