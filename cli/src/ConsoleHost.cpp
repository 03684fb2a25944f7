// SPDX-License-Identifier: MIT
#include "ConsoleHost.h"

#include <csignal>
#include <ostream>

#include "lectavo/convert/ConversionRun.h"
#include "lectavo/convert/TextEncoding.h"

namespace lectavo::cli {

namespace {
volatile std::sig_atomic_t g_stop = 0;
}

void requestStop() { g_stop = 1; }

ConsoleHost::ConsoleHost(std::vector<std::u16string> files, std::u16string folder, std::ostream& out,
                         std::ostream& err, bool progressLine)
    : m_files(std::move(files)), m_folder(std::move(folder)), m_out(out), m_err(err), m_progressLine(progressLine)
{
}

void ConsoleHost::setStatus(std::u16string_view text)
{
    clearProgressLine();
    // The opening text says nothing a terminal user needs; the progress line stands for it.
    if (text != convert::kConvertingText && !text.empty())
        m_out << text::toUtf8(text) << std::endl;
    drawProgressLine();
}

void ConsoleHost::showProgress()
{
    m_progressShown = true;
    drawProgressLine();
}

void ConsoleHost::hideProgress()
{
    clearProgressLine();
    m_progressShown = false;
}

void ConsoleHost::setProgress(int maximum, int position)
{
    m_maximum = maximum;
    m_position = position;
    drawProgressLine();
}

void ConsoleHost::showError(std::u16string_view text)
{
    clearProgressLine();
    m_err << "Error: " << text::toUtf8(text) << std::endl;
    drawProgressLine();
}

void ConsoleHost::openFailed(std::u16string_view sourcePath, std::string_view reason)
{
    clearProgressLine();
    m_err << text::toUtf8(sourcePath) << ": " << reason << std::endl;
}

bool ConsoleHost::stopRequested() const { return g_stop != 0; }

void ConsoleHost::clearStopRequest() { g_stop = 0; }

void ConsoleHost::clearProgressLine()
{
    if (!m_lineDrawn)
        return;
    m_err << "\r\033[K" << std::flush;
    m_lineDrawn = false;
}

void ConsoleHost::drawProgressLine()
{
    if (!m_progressLine || !m_progressShown)
        return;
    m_err << "\r\033[K";
    if (m_maximum > 0)
        m_err << "slide " << m_position << "/" << m_maximum;
    else
        m_err << "converting";
    m_err << std::flush;
    m_lineDrawn = true;
}

}  // namespace lectavo::cli
