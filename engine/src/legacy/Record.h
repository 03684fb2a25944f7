// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lectavo::engine::detail::legacy {

// One record of a binary presentation or drawing ([MS-PPT], [MS-ODRAW]):
// an 8-byte header (version and instance, type, length) and its body.
struct Record {
    std::uint16_t version = 0;
    std::uint16_t instance = 0;
    std::uint16_t type = 0;
    std::string_view body;

    bool isContainer() const { return version == 0xF; }
};

// The record at offset in data; throws OpenError(Damaged) when its header or body does not fit.
Record recordAt(std::string_view data, std::size_t offset);

// Walks the records that follow one another in a container's body.
class RecordList {
public:
    // Each record read takes one step from the budget when one is given: a
    // file's records are each walked once, so a file whose records are shared
    // between containers cannot make the walk grow beyond its size.
    explicit RecordList(std::string_view body, std::size_t* budget = nullptr) : m_body(body), m_budget(budget) {}
    // The next record, false at the end; throws OpenError(Damaged) when a record overruns the body or the budget is spent.
    bool next(Record& out);
    // The first record of that type from the current position on, false when none is left.
    bool find(std::uint16_t type, Record& out);

private:
    std::string_view m_body;
    std::size_t m_pos = 0;
    std::size_t* m_budget;
};

}  // namespace lectavo::engine::detail::legacy
