// SPDX-License-Identifier: MIT
#pragma once

#include <time.h>

#include <cstdint>
#include <string>
#include <vector>

#include "lectavo/convert/Automation.h"
#include "lectavo/convert/TextEncoding.h"

// What the benchmarks measure the run against: the automation calls of a run
// and nothing else.
namespace lectavo::bench {

// Processor time of this process: on a machine shared with other work it is far
// steadier than the wall clock, and both sides of a comparison are measured alike.
inline double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Every call of a run over the files, each chain from the application object;
// the texts are only counted, turning them into output is the run's work.
// Returns the number of text characters seen.
inline std::size_t automationWalk(const automation::Object& app, const std::vector<std::string>& files)
{
    using automation::Value;
    std::size_t chars = 0;
    app.put("Visible", Value(true));
    app.put("WindowState", Value(std::int32_t(2)));
    for (const auto& file : files) {
        app.object("Presentations").call("Open", {Value(text::fromUtf8(file))});
        const std::int32_t slides = app.object("ActivePresentation").object("Slides").get("Count").toInt();
        for (std::int32_t n = 1; n <= slides; ++n) {
            auto shapes = [&] {
                return app.object("ActiveWindow").object("Presentation").object("Slides").object("item", {Value(n)}).object("Shapes");
            };
            const std::int32_t count = shapes().get("Count").toInt();
            for (std::int32_t k = 1; k <= count; ++k) {
                if (shapes().object("item", {Value(k)}).get("HasTextFrame").toBool())
                    chars += shapes().object("item", {Value(k)}).object("TextFrame").object("TextRange").get("Text").toText().size();
            }
        }
        app.object("ActiveWindow").object("Presentation").put("Saved", Value(true));
        app.object("ActiveWindow").call("Close");
    }
    app.call("Quit");
    return chars;
}

}  // namespace lectavo::bench
