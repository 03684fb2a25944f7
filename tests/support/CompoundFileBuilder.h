// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Writes small compound files ([MS-CFB]) for tests and benchmarks: streams at
// the root, small ones in the mini stream, and the layout kept so that a test
// can damage a chosen table entry afterwards.
namespace lectavo::testing {

inline void putU16(std::string& s, std::size_t at, std::uint16_t v)
{
    s[at] = char(v & 0xFF), s[at + 1] = char(v >> 8);
}

inline void putU32(std::string& s, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[at + i] = char((v >> (8 * i)) & 0xFF);
}

inline void appendU16(std::string& s, std::uint16_t v)
{
    s.append(2, '\0');
    putU16(s, s.size() - 2, v);
}

inline void appendU32(std::string& s, std::uint32_t v)
{
    s.append(4, '\0');
    putU32(s, s.size() - 4, v);
}

class CompoundFileBuilder {
public:
    static constexpr std::uint32_t kEnd = 0xFFFFFFFE, kFree = 0xFFFFFFFF, kFatSect = 0xFFFFFFFD,
                                   kDifSect = 0xFFFFFFFC, kNone = 0xFFFFFFFF;

    // Where build() put things, for tests that damage the file.
    struct Layout {
        std::vector<std::uint32_t> fatSectors;
        std::vector<std::uint32_t> difatSectors;
        std::uint32_t firstDirectory = 0;
        std::uint32_t firstMiniFat = kEnd;
        std::uint32_t miniStreamStart = kEnd;
        std::map<std::string, std::uint32_t> start;  // each stream's first (mini) sector
        std::map<std::string, bool> inMiniStream;
        std::map<std::string, std::uint32_t> entry;  // each stream's directory entry
    };

    // sectorShift 9 writes version 3 (512-byte sectors), 12 version 4.
    explicit CompoundFileBuilder(unsigned sectorShift = 9) : m_shift(sectorShift) {}

    // Adds a stream at the root; names are ASCII.
    CompoundFileBuilder& add(std::string name, std::string data)
    {
        m_streams.push_back({std::move(name), std::move(data)});
        return *this;
    }
    // Writes at least this many allocation table sectors (unused ones stay free), to reach the extension list.
    CompoundFileBuilder& minimumFatSectors(std::uint32_t n)
    {
        m_minFat = n;
        return *this;
    }

    std::string build()
    {
        const std::size_t ss = sectorSize();
        m_layout = {};
        std::vector<std::uint32_t> fat;
        std::vector<std::string> sectors;  // contents of every sector after the header
        auto allocate = [&](std::size_t count) {
            const auto first = static_cast<std::uint32_t>(sectors.size());
            for (std::size_t i = 0; i < count; ++i) {
                sectors.emplace_back(ss, '\0');
                fat.push_back(i + 1 < count ? first + std::uint32_t(i) + 1 : kEnd);
            }
            return count ? first : kEnd;
        };
        auto fill = [&](std::uint32_t first, std::string_view data) {
            for (std::size_t i = 0; i * ss < data.size(); ++i)
                sectors[first + i].replace(0, std::min(ss, data.size() - i * ss), data.substr(i * ss, ss));
        };

        // the mini stream and its table
        std::string mini;
        std::vector<std::uint32_t> miniFat;
        for (const auto& s : m_streams) {
            const bool small = s.data.size() < 4096;
            m_layout.inMiniStream[s.name] = small;
            if (!small || s.data.empty())
                continue;
            const auto first = static_cast<std::uint32_t>(mini.size() / 64);
            const std::size_t count = (s.data.size() + 63) / 64;
            for (std::size_t i = 0; i < count; ++i)
                miniFat.push_back(i + 1 < count ? first + std::uint32_t(i) + 1 : kEnd);
            m_layout.start[s.name] = first;
            mini += s.data;
            mini.append((64 - mini.size() % 64) % 64, '\0');
        }

        // count the table sectors first: they cover themselves too
        const std::size_t perFat = ss / 4;
        auto sectorsFor = [&](std::size_t bytes) { return (bytes + ss - 1) / ss; };
        std::size_t dataSectors = sectorsFor((m_streams.size() + 1) * 128) + sectorsFor(miniFat.size() * 4)
            + sectorsFor(mini.size());
        for (const auto& s : m_streams)
            if (s.data.size() >= 4096)
                dataSectors += sectorsFor(s.data.size());
        std::size_t fatCount = std::max<std::size_t>(m_minFat, 1), difatCount = 0;
        while (true) {
            difatCount = fatCount > 109 ? (fatCount - 109 + perFat - 2) / (perFat - 1) : 0;
            if (fatCount * perFat >= dataSectors + fatCount + difatCount)
                break;
            ++fatCount;
        }
        for (std::size_t i = 0; i < fatCount; ++i) {
            m_layout.fatSectors.push_back(static_cast<std::uint32_t>(sectors.size()));
            sectors.emplace_back(ss, '\0');
            fat.push_back(kFatSect);
        }
        for (std::size_t i = 0; i < difatCount; ++i) {
            m_layout.difatSectors.push_back(static_cast<std::uint32_t>(sectors.size()));
            sectors.emplace_back(ss, '\0');
            fat.push_back(kDifSect);
        }

        std::string directory((m_streams.size() + 1) * 128, '\0');
        m_layout.firstDirectory = allocate(sectorsFor(directory.size()));
        std::string miniFatBytes;
        for (std::uint32_t v : miniFat)
            appendU32(miniFatBytes, v);
        m_layout.firstMiniFat = allocate(sectorsFor(miniFatBytes.size()));
        fill(m_layout.firstMiniFat, miniFatBytes);
        if (!miniFatBytes.empty())
            sectors[m_layout.firstMiniFat + sectorsFor(miniFatBytes.size()) - 1].replace(
                miniFatBytes.size() % ss ? miniFatBytes.size() % ss : ss, std::string::npos,
                std::string((ss - miniFatBytes.size() % ss) % ss, '\xFF'));
        m_layout.miniStreamStart = allocate(sectorsFor(mini.size()));
        fill(m_layout.miniStreamStart, mini);
        for (const auto& s : m_streams) {
            if (s.data.size() < 4096)
                continue;
            m_layout.start[s.name] = allocate(sectorsFor(s.data.size()));
            fill(m_layout.start[s.name], s.data);
        }

        // directory: the root, then the streams as a chain of right siblings
        writeEntry(directory, 0, "Root Entry", 5, m_streams.empty() ? kNone : 1, kNone, m_layout.miniStreamStart,
                   mini.size());
        for (std::size_t i = 0; i < m_streams.size(); ++i) {
            const auto& s = m_streams[i];
            const auto id = static_cast<std::uint32_t>(i + 1);
            m_layout.entry[s.name] = id;
            writeEntry(directory, id, s.name, 2, kNone, i + 1 < m_streams.size() ? id + 1 : kNone,
                       s.data.empty() ? kEnd : m_layout.start[s.name], s.data.size());
        }
        fill(m_layout.firstDirectory, directory);

        fat.resize(fatCount * perFat, kFree);
        for (std::size_t i = 0; i < fatCount; ++i)
            for (std::size_t j = 0; j < perFat; ++j)
                putU32(sectors[m_layout.fatSectors[i]], j * 4, fat[i * perFat + j]);
        for (std::size_t d = 0; d < difatCount; ++d) {
            std::string& sec = sectors[m_layout.difatSectors[d]];
            for (std::size_t j = 0; j + 1 < perFat; ++j) {
                const std::size_t k = 109 + d * (perFat - 1) + j;
                putU32(sec, j * 4, k < fatCount ? m_layout.fatSectors[k] : kFree);
            }
            putU32(sec, ss - 4, d + 1 < difatCount ? m_layout.difatSectors[d + 1] : kEnd);
        }

        std::string header(ss, '\0');
        header.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
        putU16(header, 0x18, 0x3E);
        putU16(header, 0x1A, m_shift == 9 ? 3 : 4);
        putU16(header, 0x1C, 0xFFFE);
        putU16(header, 0x1E, std::uint16_t(m_shift));
        putU16(header, 0x20, 6);
        putU32(header, 0x28, m_shift == 9 ? 0 : std::uint32_t(sectorsFor(directory.size())));
        putU32(header, 0x2C, std::uint32_t(fatCount));
        putU32(header, 0x30, m_layout.firstDirectory);
        putU32(header, 0x38, 4096);
        putU32(header, 0x3C, m_layout.firstMiniFat);
        putU32(header, 0x40, std::uint32_t(sectorsFor(miniFatBytes.size())));
        putU32(header, 0x44, difatCount ? m_layout.difatSectors[0] : kEnd);
        putU32(header, 0x48, std::uint32_t(difatCount));
        for (std::size_t i = 0; i < 109; ++i)
            putU32(header, 0x4C + 4 * i, i < fatCount ? m_layout.fatSectors[i] : kFree);

        std::string out = header;
        for (const std::string& s : sectors)
            out += s;
        return out;
    }

    const Layout& layout() const { return m_layout; }
    std::size_t sectorSize() const { return std::size_t(1) << m_shift; }
    // The file offset of a sector, and of the allocation table entry that follows it.
    std::size_t sectorOffset(std::uint32_t sector) const { return (std::size_t(sector) + 1) * sectorSize(); }
    std::size_t fatEntryOffset(std::uint32_t sector) const
    {
        const std::size_t per = sectorSize() / 4;
        return sectorOffset(m_layout.fatSectors[sector / per]) + (sector % per) * 4;
    }
    // The file offset of a mini allocation table entry (the table fits one sector in these tests).
    std::size_t miniFatEntryOffset(std::uint32_t miniSector) const
    {
        return sectorOffset(m_layout.firstMiniFat) + miniSector * 4;
    }
    // The file offset of a directory entry (the directory fits one sector in these tests).
    std::size_t entryOffset(std::uint32_t id) const { return sectorOffset(m_layout.firstDirectory) + id * 128; }

private:
    struct Stream {
        std::string name;
        std::string data;
    };

    static void writeEntry(std::string& dir, std::uint32_t id, std::string_view name, std::uint8_t type,
                           std::uint32_t child, std::uint32_t right, std::uint32_t start, std::uint64_t size)
    {
        const std::size_t at = id * 128;
        for (std::size_t i = 0; i < name.size() && i < 31; ++i)
            putU16(dir, at + 2 * i, static_cast<unsigned char>(name[i]));
        putU16(dir, at + 0x40, std::uint16_t((std::min<std::size_t>(name.size(), 31) + 1) * 2));
        dir[at + 0x42] = char(type);
        dir[at + 0x43] = 1;  // black
        putU32(dir, at + 0x44, kNone);
        putU32(dir, at + 0x48, right);
        putU32(dir, at + 0x4C, child);
        putU32(dir, at + 0x74, start);
        putU32(dir, at + 0x78, std::uint32_t(size));
        putU32(dir, at + 0x7C, std::uint32_t(size >> 32));
    }

    unsigned m_shift;
    std::uint32_t m_minFat = 1;
    std::vector<Stream> m_streams;
    Layout m_layout;
};

}  // namespace lectavo::testing
