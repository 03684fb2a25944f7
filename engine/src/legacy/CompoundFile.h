// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lectavo::engine::detail::legacy {

// A read-only view of a compound file ([MS-CFB], versions 3 and 4): the
// header, the allocation table with its extension list, the mini stream and
// its table, and the streams at the top of the directory tree. Every sector
// index and chain is checked against the file; a malformed file throws
// OpenError(Damaged) with the reason, at construction or when a stream is read.
class CompoundFile {
public:
    // The bytes must outlive the object. Throws OpenError.
    explicit CompoundFile(std::string_view bytes);

    // Whether the root storage holds a stream or storage of that name (ASCII, any case).
    bool has(std::string_view name) const;
    // The whole stream; throws OpenError(Damaged) when its chain is broken, NotAPresentation when it is missing.
    std::string read(std::string_view name) const;

private:
    struct Entry {
        std::u16string name;
        std::uint8_t type = 0;
        std::uint32_t start = 0;
        std::uint64_t size = 0;
    };

    void readHeader();
    void readAllocationTable();
    void readDirectory();
    void readMiniStream();
    const Entry* find(std::string_view name) const;
    // The sectors of a chain in table; throws when it leaves the table or runs past limit sectors.
    std::vector<std::uint32_t> chain(const std::vector<std::uint32_t>& table, std::uint32_t start, std::size_t limit,
                                     const char* what) const;
    std::string readChain(std::uint32_t start, std::uint64_t size, const char* what) const;
    std::string_view sector(std::uint32_t index) const;

    std::string_view m_bytes;
    unsigned m_sectorShift = 9;
    unsigned m_miniShift = 6;
    std::uint32_t m_sectorCount = 0;
    std::uint32_t m_fatSectors = 0;
    std::uint32_t m_firstDirectory = 0;
    std::uint32_t m_miniCutoff = 4096;
    std::uint32_t m_firstMiniFat = 0;
    std::uint32_t m_miniFatSectors = 0;
    std::uint32_t m_firstDifat = 0;
    std::uint32_t m_difatSectors = 0;
    std::vector<std::uint32_t> m_fat;
    std::vector<std::uint32_t> m_miniFat;
    std::string m_miniStream;
    std::vector<Entry> m_entries;   // the directory, by stream id
    std::vector<std::uint32_t> m_top;  // the root's children
};

}  // namespace lectavo::engine::detail::legacy
