// SPDX-License-Identifier: MIT
#include "Application.h"

#include <exception>

namespace lectavo::app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (m_report)
            m_report(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        if (m_report)
            m_report(QStringLiteral("An unexpected error occurred."));
    }
    return false;
}

}  // namespace lectavo::app
