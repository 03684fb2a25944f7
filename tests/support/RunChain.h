// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "lectavo/convert/Automation.h"
#include "lectavo/convert/TextEncoding.h"

// The conversion run's calls against "PowerPoint.Application", each chain
// starting again from the application object, collecting the output bytes.
namespace lectavo::testing {

inline std::string convertThroughAutomation(const automation::Object& app, const std::string& path)
{
    using automation::Value;
    app.object("Presentations").call("Open", {Value(text::fromUtf8(path))});
    const std::int32_t slides = app.object("ActivePresentation").object("Slides").get("Count").toInt();
    std::string out;
    for (std::int32_t n = 1; n <= slides; ++n) {
        auto shapesOf = [&] { return app.object("ActiveWindow").object("Presentation").object("Slides").object("item", {n}).object("Shapes"); };
        const std::int32_t shapes = shapesOf().get("Count").toInt();
        for (std::int32_t k = 1; k <= shapes; ++k) {
            if (!shapesOf().object("item", {k}).get("HasTextFrame").toBool())
                continue;
            out += text::toUtf8(
                shapesOf().object("item", {k}).object("TextFrame").object("TextRange").get("Text").toText());
            out += "\r\n";
        }
    }
    app.object("ActiveWindow").object("Presentation").put("Saved", Value(true));
    app.object("ActiveWindow").call("Close");
    return out;
}

}  // namespace lectavo::testing
