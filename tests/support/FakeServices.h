// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "Dialogs.h"
#include "MessageBox.h"
#include "Services.h"
#include "Shell.h"

// Recording stand-ins for the desktop: answers are queued by the test.
namespace lectavo::testing {

class FakeDialogs : public platform::Dialogs {
public:
    std::optional<platform::OpenFileResult> openFiles(QWidget*, const platform::OpenFileRequest& request) override
    {
        openRequests.push_back(request);
        if (openRequests.size() > openAnswers.size())
            return std::nullopt;
        return openAnswers[openRequests.size() - 1];
    }
    QString chooseFolder(QWidget*, const QString& title, const QString& initial) override
    {
        folderTitles << title;
        folderInitials << initial;
        if (folderAnswers.empty())
            return {};
        QString answer = folderAnswers.front();
        folderAnswers.pop_front();
        return answer;
    }

    std::vector<std::optional<platform::OpenFileResult>> openAnswers;  // one per use, in order; nullopt: cancelled
    std::vector<platform::OpenFileRequest> openRequests;
    std::deque<QString> folderAnswers;  // empty text: cancelled
    QStringList folderTitles;
    QStringList folderInitials;
};

class FakeMessageBox : public platform::MessageBox {
public:
    void show(QWidget*, const QString& text, const QString& caption) override
    {
        shown << caption + QStringLiteral(": ") + text;
        if (onShow)
            onShow();
    }
    QStringList shown;  // "caption: text"
    std::function<void()> onShow;
};

class FakeShell : public platform::Shell {
public:
    void openPath(const QString& path) override { opened << QStringLiteral("path:") + path; }
    void openUrl(const QString& url) override { opened << QStringLiteral("url:") + url; }
    QStringList opened;
};

struct FakeServices {
    FakeDialogs dialogs;
    FakeMessageBox messages;
    FakeShell shell;
    app::Services services() { return app::Services{dialogs, messages, shell}; }
};

}  // namespace lectavo::testing
