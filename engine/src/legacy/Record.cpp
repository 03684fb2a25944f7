// SPDX-License-Identifier: MIT
#include "legacy/Record.h"

#include "lectavo/engine/OpenError.h"
#include "legacy/ByteReader.h"

namespace lectavo::engine::detail::legacy {

Record recordAt(std::string_view data, std::size_t offset)
{
    ByteReader r(data, offset);
    const std::uint16_t verInst = r.u16();
    Record rec;
    rec.version = verInst & 0xF;
    rec.instance = verInst >> 4;
    rec.type = r.u16();
    const std::uint32_t length = r.u32();
    rec.body = r.bytes(length);
    if (!r.ok())
        throw OpenError(OpenFailure::Damaged, "a record runs past the end of its container");
    return rec;
}

bool RecordList::next(Record& out)
{
    if (m_pos >= m_body.size())
        return false;
    if (m_budget) {
        if (*m_budget == 0)
            throw OpenError(OpenFailure::Damaged, "records are shared between slides");
        --*m_budget;
    }
    out = recordAt(m_body, m_pos);
    m_pos = static_cast<std::size_t>(out.body.data() - m_body.data()) + out.body.size();
    return true;
}

bool RecordList::find(std::uint16_t type, Record& out)
{
    while (next(out))
        if (out.type == type)
            return true;
    return false;
}

}  // namespace lectavo::engine::detail::legacy
