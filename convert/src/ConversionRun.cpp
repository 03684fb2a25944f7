// SPDX-License-Identifier: MIT
#include "lectavo/convert/ConversionRun.h"

#include <exception>
#include <optional>

#include "lectavo/convert/OutputFile.h"
#include "lectavo/convert/OutputNaming.h"
#include "lectavo/convert/TextBuffer.h"
#include "lectavo/convert/TextEncoding.h"

namespace lectavo::convert {

using automation::Object;
using automation::Value;

namespace {

struct RunBracket {
    ConversionHost& host;
    explicit RunBracket(ConversionHost& h) : host(h) { host.runStarted(); }
    ~RunBracket() { host.runEnded(); }
};

// Every access to the content starts again from the application object.
Object slideShapes(const Object& app, std::int32_t slide)
{
    return app.object("ActiveWindow")
        .object("Presentation")
        .object("Slides")
        .object("item", {Value(slide)})
        .object("Shapes");
}

std::u16string writeFailedText(std::u16string_view outputPath, std::string_view reason)
{
    return u"Failed to write the output file " + std::u16string(outputPath) + u": " + text::fromUtf8(reason);
}

}  // namespace

RunResult ConversionRun::run()
{
    RunBracket bracket(m_host);
    RunResult result;
    m_host.repaint();

    Object app;
    try {
        app = m_classes.create(kApplicationClass);
    } catch (const std::exception&) {
        m_host.showError(kConnectFailedText);
        result.end = RunEnd::ConnectFailed;
        return result;
    }

    m_host.showProgress();
    m_host.setStatus(kConvertingText);
    app.put("Visible", Value(true));
    app.put("WindowState", Value(std::int32_t(2)));

    // Quits the application and lets it go; a failing Quit still releases it on the way out.
    auto quit = [&app] {
        Object released = std::move(app);
        app = Object();
        released.call("Quit");
    };
    auto endWithoutSuccess = [&](RunEnd end, std::u16string_view status) {
        quit();
        m_host.hideProgress();
        m_host.setStatus(status);
        result.end = end;
        return result;
    };

    std::u16string lastFolder;
    TextBuffer buffer(m_encoder);
    const int rows = m_host.rowCount();
    for (int row = 0; row < rows; ++row) {
        m_host.pumpEvents();
        if (!m_host.isChecked(row))
            continue;
        const std::u16string source = m_host.rowPath(row);

        try {
            app.object("Presentations").call("Open", {Value(source)});
        } catch (const std::exception& e) {
            m_host.openFailed(source, e.what());
            m_host.showError(kOpenFailedText);
            return endWithoutSuccess(RunEnd::OpenFailed, u"");
        }

        const std::int32_t slides = app.object("ActivePresentation").object("Slides").get("Count").toInt();

        // Each outcome is acted on outside the try blocks, so that a failing Quit is not taken
        // for a failure of this file.
        bool stop = false;
        bool rowLoopBroken = false;
        std::optional<std::u16string> writeFailure;
        try {
            lastFolder = m_host.outputFolder();
            const OutputNames names = outputNames(lastFolder, source, m_rules);
            m_host.setStatus(names.displayPath);
            buffer.clear();

            try {
                for (std::int32_t slide = 1; slide <= slides && !stop; ++slide) {
                    m_host.updateProgress(slides, slide);
                    const std::int32_t shapes = slideShapes(app, slide).get("Count").toInt();
                    for (std::int32_t shape = 1; shape <= shapes; ++shape) {
                        if (!slideShapes(app, slide).object("item", {Value(shape)}).get("HasTextFrame").toBool())
                            continue;
                        buffer.appendLine(slideShapes(app, slide)
                                              .object("item", {Value(shape)})
                                              .object("TextFrame")
                                              .object("TextRange")
                                              .get("Text")
                                              .toText());
                    }
                    stop = m_host.stopRequested();
                }
            } catch (const std::exception&) {
                // The rest of this presentation is skipped; what was gathered is still written.
            }

            if (!stop) {
                app.object("ActiveWindow").object("Presentation").put("Saved", Value(true));
                app.object("ActiveWindow").call("Close");
                try {
                    if (lastFolder.empty())
                        throw OutputError("no output folder is set");
                    buffer.save(names.outputPath);
                    ++result.filesWritten;
                } catch (const OutputError& e) {
                    writeFailure = writeFailedText(names.outputPath, e.what());
                }
            }
        } catch (const std::exception&) {
            // Marking saved or closing failed: the row loop ends and the run finishes as done.
            rowLoopBroken = true;
        }

        if (stop) {
            m_host.clearStopRequest();
            return endWithoutSuccess(RunEnd::Stopped, kStoppedText);
        }
        if (writeFailure) {
            m_host.showError(*writeFailure);
            return endWithoutSuccess(RunEnd::WriteFailed, u"");
        }
        if (rowLoopBroken)
            break;
    }

    quit();
    m_host.hideProgress();
    m_host.setStatus(kSucceededText);
    m_host.openFolder(lastFolder);
    result.end = RunEnd::Done;
    return result;
}

}  // namespace lectavo::convert
