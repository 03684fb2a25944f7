// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lectavo::platform {

// Hands documents, folders and web addresses to the desktop. Started and
// forgotten: results are not examined. Tests replace it with a recording fake.
class Shell {
public:
    virtual ~Shell() = default;
    // A local file or folder, opened with the desktop's opener (a folder in the file manager).
    virtual void openPath(const QString& path) = 0;
    // A web address, opened in the browser.
    virtual void openUrl(const QString& url) = 0;
};

class QtShell : public Shell {
public:
    void openPath(const QString& path) override;
    void openUrl(const QString& url) override;
};

}  // namespace lectavo::platform
