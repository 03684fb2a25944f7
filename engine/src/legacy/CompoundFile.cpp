// SPDX-License-Identifier: MIT
#include "legacy/CompoundFile.h"

#include <algorithm>

#include "lectavo/engine/OpenError.h"
#include "legacy/ByteReader.h"

namespace lectavo::engine::detail::legacy {

namespace {

constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::size_t kHeaderSize = 512;
constexpr std::size_t kHeaderDifatEntries = 109;
constexpr std::size_t kEntrySize = 128;
constexpr std::uint8_t kStorage = 1, kStream = 2, kRoot = 5;

[[noreturn]] void damaged(const std::string& why)
{
    throw OpenError(OpenFailure::Damaged, why);
}

std::uint32_t u32At(std::string_view s, std::size_t i)
{
    ByteReader r(s, i * 4);
    return r.u32();
}

bool sameName(const std::u16string& stored, std::string_view wanted)
{
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; };
    return stored.size() == wanted.size()
        && std::equal(stored.begin(), stored.end(), wanted.begin(),
                      [&](char16_t a, char b) { return lower(a) == lower(static_cast<unsigned char>(b)); });
}

}  // namespace

CompoundFile::CompoundFile(std::string_view bytes) : m_bytes(bytes)
{
    readHeader();
    readAllocationTable();
    readDirectory();
    readMiniStream();
}

void CompoundFile::readHeader()
{
    if (m_bytes.size() < kHeaderSize)
        damaged("the compound file is shorter than its header");
    ByteReader r(m_bytes);
    if (r.u64() != 0xE11AB1A1E011CFD0ull)
        damaged("no compound file signature");
    r.skip(16 + 2);  // class id, minor version
    const std::uint16_t major = r.u16();
    const std::uint16_t byteOrder = r.u16();
    m_sectorShift = r.u16();
    m_miniShift = r.u16();
    r.skip(6 + 4);  // reserved, directory sector count (unused by version 3)
    m_fatSectors = r.u32();
    m_firstDirectory = r.u32();
    r.skip(4);  // transaction signature
    m_miniCutoff = r.u32();
    m_firstMiniFat = r.u32();
    m_miniFatSectors = r.u32();
    m_firstDifat = r.u32();
    m_difatSectors = r.u32();
    if (byteOrder != 0xFFFE)
        damaged("the compound file's byte order mark is wrong");
    if ((major != 3 && major != 4) || (m_sectorShift != 9 && m_sectorShift != 12))
        damaged("unknown compound file version or sector size");
    if (m_miniShift != 6 || m_miniCutoff != 4096)
        damaged("unknown compound file mini sector size");
    const std::size_t sectorSize = std::size_t(1) << m_sectorShift;
    if (m_bytes.size() <= sectorSize)
        damaged("the compound file holds no sectors");
    // a short last sector is tolerated: some writers drop its unused tail
    m_sectorCount = static_cast<std::uint32_t>(
        std::min<std::size_t>((m_bytes.size() - sectorSize + sectorSize - 1) >> m_sectorShift, kEndOfChain - 1));
    if (m_fatSectors == 0 || m_fatSectors > m_sectorCount)
        damaged("the allocation table size does not fit the file");
    if (m_difatSectors > m_sectorCount)
        damaged("the allocation table's extension list does not fit the file");
}

std::string_view CompoundFile::sector(std::uint32_t index) const
{
    if (index >= m_sectorCount)
        damaged("a sector index lies outside the file");
    const std::size_t offset = (std::size_t(index) + 1) << m_sectorShift;
    return m_bytes.substr(offset, std::size_t(1) << m_sectorShift);
}

void CompoundFile::readAllocationTable()
{
    std::vector<std::uint32_t> fatSectors;
    fatSectors.reserve(m_fatSectors);
    ByteReader header(m_bytes, 0x4C);
    for (std::size_t i = 0; i < kHeaderDifatEntries && fatSectors.size() < m_fatSectors; ++i)
        fatSectors.push_back(header.u32());

    const std::size_t perSector = (std::size_t(1) << m_sectorShift) / 4;
    std::uint32_t next = m_firstDifat;
    std::vector<bool> visited;
    for (std::uint32_t n = 0; fatSectors.size() < m_fatSectors; ++n) {
        if (n == m_difatSectors || next >= m_sectorCount)
            damaged("the allocation table's extension list ends early");
        visited.resize(m_sectorCount);
        if (visited[next])
            damaged("the allocation table's extension list is cyclic");
        visited[next] = true;
        std::string_view s = sector(next);
        if (s.size() < perSector * 4)
            damaged("an extension list sector is cut short");
        for (std::size_t i = 0; i + 1 < perSector && fatSectors.size() < m_fatSectors; ++i)
            fatSectors.push_back(u32At(s, i));
        next = u32At(s, perSector - 1);
    }

    m_fat.reserve(fatSectors.size() * perSector);
    for (std::uint32_t index : fatSectors) {
        std::string_view s = sector(index);
        if (s.size() < perSector * 4)
            damaged("an allocation table sector is cut short");
        for (std::size_t i = 0; i < perSector; ++i)
            m_fat.push_back(u32At(s, i));
    }
}

std::vector<std::uint32_t> CompoundFile::chain(const std::vector<std::uint32_t>& table, std::uint32_t start,
                                               std::size_t limit, const char* what) const
{
    std::vector<std::uint32_t> out;
    for (std::uint32_t cur = start; cur != kEndOfChain; cur = table[cur]) {
        if (out.size() == limit)
            damaged(std::string("the sector chain of ") + what + " is cyclic or too long");
        if (cur >= table.size())
            damaged(std::string("the sector chain of ") + what + " leaves its table");
        out.push_back(cur);
    }
    return out;
}

std::string CompoundFile::readChain(std::uint32_t start, std::uint64_t size, const char* what) const
{
    const std::size_t sectorSize = std::size_t(1) << m_sectorShift;
    if (size > m_bytes.size())
        damaged(std::string(what) + " is larger than the file");
    if (size == 0)
        return {};
    const std::size_t needed = (size + sectorSize - 1) / sectorSize;
    std::vector<std::uint32_t> sectors = chain(m_fat, start, needed, what);
    if (sectors.size() < needed)
        damaged(std::string("the sector chain of ") + what + " ends before its data");
    std::string out;
    out.reserve(size);
    for (std::uint32_t index : sectors) {
        std::string_view s = sector(index).substr(0, size - out.size());
        if (s.size() < std::min<std::uint64_t>(sectorSize, size - out.size()))
            damaged(std::string(what) + " runs past the end of the file");
        out.append(s);
    }
    return out;
}

void CompoundFile::readDirectory()
{
    std::vector<std::uint32_t> sectors = chain(m_fat, m_firstDirectory, m_sectorCount, "the directory");
    if (sectors.empty())
        damaged("the directory is empty");
    const std::size_t perSector = (std::size_t(1) << m_sectorShift) / kEntrySize;
    m_entries.reserve(sectors.size() * perSector);
    for (std::uint32_t index : sectors) {
        std::string_view s = sector(index);
        if (s.size() < perSector * kEntrySize)
            damaged("a directory sector is cut short");
        for (std::size_t i = 0; i < perSector; ++i) {
            ByteReader r(s, i * kEntrySize);
            std::string_view rawName = r.bytes(64);
            const std::uint16_t nameBytes = r.u16();
            Entry e;
            e.type = r.u8();
            r.skip(1 + 4 + 4 + 4 + 16 + 4 + 16);  // colour, siblings and child (read below), class, state, times
            e.start = r.u32();
            e.size = r.u64();
            if (m_sectorShift == 9)
                e.size &= 0xFFFFFFFFu;  // version 3 writers may leave garbage in the high half
            const std::size_t chars = std::min<std::size_t>(nameBytes / 2, 32);
            for (std::size_t c = 0; c + 1 < chars; ++c)
                e.name += char16_t(static_cast<unsigned char>(rawName[2 * c])
                                   | static_cast<unsigned char>(rawName[2 * c + 1]) << 8);
            m_entries.push_back(std::move(e));
        }
    }
    if (m_entries[0].type != kRoot)
        damaged("the directory has no root entry");

    auto link = [&](std::uint32_t id, std::size_t field) {
        ByteReader r(sector(sectors[id / perSector]), (id % perSector) * kEntrySize + field);
        return r.u32();
    };
    // the root's children form a tree of siblings; walk it with an explicit stack
    std::vector<bool> seen(m_entries.size());
    std::vector<std::uint32_t> stack{link(0, 0x4C)};
    while (!stack.empty()) {
        std::uint32_t id = stack.back();
        stack.pop_back();
        if (id == kNoStream)
            continue;
        if (id >= m_entries.size() || id == 0)
            damaged("a directory link points outside the directory");
        if (seen[id])
            damaged("the directory tree is cyclic");
        seen[id] = true;
        if (m_entries[id].type == kStorage || m_entries[id].type == kStream)
            m_top.push_back(id);
        stack.push_back(link(id, 0x44));
        stack.push_back(link(id, 0x48));
    }
}

void CompoundFile::readMiniStream()
{
    const Entry& root = m_entries[0];
    if (root.size == 0)
        return;
    m_miniStream = readChain(root.start, root.size, "the mini stream");
    std::vector<std::uint32_t> sectors = chain(m_fat, m_firstMiniFat, m_sectorCount, "the mini allocation table");
    const std::size_t perSector = (std::size_t(1) << m_sectorShift) / 4;
    m_miniFat.reserve(sectors.size() * perSector);
    for (std::uint32_t index : sectors) {
        std::string_view s = sector(index);
        if (s.size() < perSector * 4)
            damaged("a mini allocation table sector is cut short");
        for (std::size_t i = 0; i < perSector; ++i)
            m_miniFat.push_back(u32At(s, i));
    }
}

const CompoundFile::Entry* CompoundFile::find(std::string_view name) const
{
    for (std::uint32_t id : m_top)
        if (sameName(m_entries[id].name, name))
            return &m_entries[id];
    return nullptr;
}

bool CompoundFile::has(std::string_view name) const
{
    return find(name) != nullptr;
}

std::string CompoundFile::read(std::string_view name) const
{
    const Entry* e = find(name);
    if (!e || e->type != kStream)
        throw OpenError(OpenFailure::NotAPresentation, "the compound file has no stream \"" + std::string(name) + "\"");
    const std::string what = "the stream \"" + std::string(name) + "\"";
    if (e->size >= m_miniCutoff)
        return readChain(e->start, e->size, what.c_str());
    if (e->size == 0)
        return {};
    if (e->size > m_miniStream.size())
        damaged(what + " is larger than the mini stream");
    const std::size_t miniSize = std::size_t(1) << m_miniShift;
    const std::size_t needed = (e->size + miniSize - 1) / miniSize;
    std::vector<std::uint32_t> sectors = chain(m_miniFat, e->start, needed, what.c_str());
    if (sectors.size() < needed)
        damaged("the sector chain of " + what + " ends before its data");
    std::string out;
    out.reserve(e->size);
    for (std::uint32_t index : sectors) {
        const std::size_t offset = std::size_t(index) << m_miniShift;
        const std::size_t want = std::min<std::size_t>(miniSize, e->size - out.size());
        if (offset >= m_miniStream.size() || m_miniStream.size() - offset < want)
            damaged(what + " runs past the end of the mini stream");
        out.append(m_miniStream, offset, want);
    }
    return out;
}

}  // namespace lectavo::engine::detail::legacy
