// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "lectavo/engine/Document.h"

// The engine's application object: the stand-in for the presentation
// application, one active window showing the active presentation.
namespace lectavo::engine {

// A misuse of the object model (no active presentation, a closed application).
class StateError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class Presentation {
public:
    Presentation(std::string path, Document document) : m_path(std::move(path)), m_document(std::move(document)) {}
    const std::string& path() const { return m_path; }
    const Document& document() const { return m_document; }
    bool saved() const { return m_saved; }
    void setSaved(bool saved) { m_saved = saved; }

private:
    std::string m_path;
    Document m_document;
    bool m_saved = true;
};

class Application {
public:
    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    int windowState() const { return m_windowState; }
    void setWindowState(int state);

    // Opens the file; it becomes the active presentation, shown in the active window. Throws OpenError.
    Presentation& open(const std::string& path);
    // Throws StateError when no presentation is open.
    Presentation& activePresentation();
    // The active window's presentation. Throws StateError when no window is open.
    Presentation& activeWindowPresentation();
    // Closes the active window and its presentation. Throws StateError when none is open.
    void closeActiveWindow();
    // Closes the window of this presentation. Throws StateError when it is not open.
    void close(const Presentation& presentation);
    // Closes everything; later calls other than quit() throw StateError.
    void quit();
    bool hasQuit() const { return m_quit; }
    std::size_t openCount() const { return m_open.size(); }

private:
    void checkRunning() const;

    std::vector<std::unique_ptr<Presentation>> m_open;  // the last one is active
    bool m_visible = false;
    int m_windowState = 1;
    bool m_quit = false;
};

}  // namespace lectavo::engine
