// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lectavo::engine::detail::legacy {

// Little-endian reads over a byte range with a sticky failure flag: a read
// past the end clears ok() and returns 0 (or an empty view), and every later
// read fails too, so a caller reads a whole structure and checks once.
class ByteReader {
public:
    explicit ByteReader(std::string_view data, std::size_t pos = 0) : m_data(data), m_pos(pos), m_ok(pos <= data.size()) {}

    bool ok() const { return m_ok; }
    std::size_t pos() const { return m_pos; }
    std::size_t size() const { return m_data.size(); }
    // Bytes left after pos(), 0 once failed.
    std::size_t remaining() const { return m_ok ? m_data.size() - m_pos : 0; }

    std::uint8_t u8() { return static_cast<std::uint8_t>(take(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(take(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(take(4)); }
    std::uint64_t u64() { return take(8); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

    // The next n bytes, or an empty view (and failure) when fewer are left.
    std::string_view bytes(std::size_t n)
    {
        if (!fits(n))
            return {};
        std::string_view v = m_data.substr(m_pos, n);
        m_pos += n;
        return v;
    }
    void skip(std::size_t n) { fits(n) ? void(m_pos += n) : void(); }
    void seek(std::size_t pos) { m_pos = pos, m_ok = m_ok && pos <= m_data.size(); }

private:
    bool fits(std::size_t n)
    {
        // n > size - pos rather than pos + n > size: no overflow
        if (!m_ok || n > m_data.size() - m_pos)
            m_ok = false;
        return m_ok;
    }
    std::uint64_t take(std::size_t n)
    {
        if (!fits(n))
            return 0;
        std::uint64_t v = 0;
        for (std::size_t i = 0; i < n; ++i)
            v |= std::uint64_t(static_cast<unsigned char>(m_data[m_pos + i])) << (8 * i);
        m_pos += n;
        return v;
    }

    std::string_view m_data;
    std::size_t m_pos;
    bool m_ok;
};

}  // namespace lectavo::engine::detail::legacy
