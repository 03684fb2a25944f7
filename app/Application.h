// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <functional>

namespace lectavo::app {

// The application object: an exception that escapes an event handler is
// reported with its text and the event loop goes on.
class Application : public QApplication {
public:
    using ErrorReporter = std::function<void(const QString& text)>;

    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    void setErrorReporter(ErrorReporter reporter) { m_report = std::move(reporter); }

private:
    ErrorReporter m_report;
};

}  // namespace lectavo::app
