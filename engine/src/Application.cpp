// SPDX-License-Identifier: MIT
#include "lectavo/engine/Application.h"

#include <algorithm>

#include "lectavo/engine/Reader.h"

namespace lectavo::engine {

void Application::checkRunning() const
{
    if (m_quit)
        throw StateError("the application has quit");
}

void Application::setVisible(bool visible)
{
    checkRunning();
    m_visible = visible;
}

void Application::setWindowState(int state)
{
    checkRunning();
    if (state < 1 || state > 3)
        throw StateError("window state must be 1 (normal), 2 (minimised) or 3 (maximised)");
    m_windowState = state;
}

Presentation& Application::open(const std::string& path)
{
    checkRunning();
    auto presentation = std::make_unique<Presentation>(path, readPresentationFile(path));
    m_open.push_back(std::move(presentation));
    return *m_open.back();
}

Presentation& Application::activePresentation()
{
    checkRunning();
    if (m_open.empty())
        throw StateError("no presentation is open");
    return *m_open.back();
}

Presentation& Application::activeWindowPresentation()
{
    checkRunning();
    if (m_open.empty())
        throw StateError("no window is open");
    return *m_open.back();
}

void Application::closeActiveWindow()
{
    checkRunning();
    if (m_open.empty())
        throw StateError("no window is open");
    m_open.pop_back();
}

void Application::close(const Presentation& presentation)
{
    checkRunning();
    const auto it = std::find_if(m_open.begin(), m_open.end(), [&](const auto& p) { return p.get() == &presentation; });
    if (it == m_open.end())
        throw StateError("the presentation is not open");
    m_open.erase(it);
}

void Application::quit()
{
    m_open.clear();
    m_quit = true;
}

}  // namespace lectavo::engine
