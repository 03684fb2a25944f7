// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace lectavo::testing {

// One log for a fake application and a recording host, compared whole as a golden dump.
// A call on the application object starts a line; calls on the objects it hands out extend
// that line, so one line is one chain of accesses from the application.
class CallLog {
public:
    void line(std::string text) { m_lines.push_back(std::move(text)); }
    void extend(const std::string& text)
    {
        if (m_lines.empty())
            m_lines.emplace_back();
        m_lines.back() += "." + text;
    }
    const std::vector<std::string>& lines() const { return m_lines; }
    void clear() { m_lines.clear(); }
    std::string dump() const
    {
        std::string out;
        for (const auto& l : m_lines)
            out += l + "\n";
        return out;
    }

private:
    std::vector<std::string> m_lines;
};

}  // namespace lectavo::testing
