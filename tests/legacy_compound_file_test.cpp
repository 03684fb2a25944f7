// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>

#include "lectavo/engine/OpenError.h"
#include "legacy/CompoundFile.h"
#include "support/CompoundFileBuilder.h"

namespace {

using lectavo::engine::OpenError;
using lectavo::engine::OpenFailure;
using lectavo::engine::detail::legacy::CompoundFile;
using lectavo::testing::CompoundFileBuilder;
using lectavo::testing::putU32;

std::string pattern(std::size_t size, char start)
{
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        s[i] = char(start + i * 7 + i / 251);
    return s;
}

// Good files: every stream reads back whole, whatever its size and place.
struct ReadCase {
    std::string name;
    unsigned sectorShift;
    std::vector<std::size_t> sizes;
    std::uint32_t minimumFatSectors = 1;
};

std::vector<ReadCase> readCases()
{
    return {
        {"SmallSectorsBigStreams", 9, {4096, 5000, 70000}},
        {"LargeSectorsBigStreams", 12, {4096, 9000, 70000}},
        {"MiniStreamOnly", 9, {1, 63, 64, 65, 4095}},
        {"MiniAndBigTogether", 12, {100, 4096, 3000, 20000}},
        {"EmptyStream", 9, {0, 10}},
        {"ExtensionListOfTheTable", 9, {5000, 300}, 240},
    };
}

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class CompoundRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(CompoundRead, StreamsReadBackWhole)
{
    const ReadCase& c = GetParam();
    CompoundFileBuilder builder(c.sectorShift);
    builder.minimumFatSectors(c.minimumFatSectors);
    std::vector<std::string> data;
    for (std::size_t i = 0; i < c.sizes.size(); ++i) {
        data.push_back(pattern(c.sizes[i], char('a' + i)));
        builder.add("Stream" + std::to_string(i), data.back());
    }
    const std::string bytes = builder.build();
    if (c.minimumFatSectors > 109) {
        ASSERT_FALSE(builder.layout().difatSectors.empty());
    }
    CompoundFile file(bytes);
    for (std::size_t i = 0; i < data.size(); ++i) {
        const std::string name = "stream" + std::to_string(i);  // names match in any case
        ASSERT_TRUE(file.has(name));
        EXPECT_EQ(file.read(name), data[i]) << name;
    }
    EXPECT_FALSE(file.has("Stream"));
}

INSTANTIATE_TEST_SUITE_P(Files, CompoundRead, ::testing::ValuesIn(readCases()),
                         [](const auto& info) { return info.param.name; });

// Damaged files: each row breaks one thing in an otherwise good file.
struct DamageCase {
    std::string name;
    std::function<void(std::string& bytes, const CompoundFileBuilder& b)> damage;
    std::uint32_t minimumFatSectors = 1;  // above 109 the table needs its extension list
};



std::vector<DamageCase> damageCases()
{
    auto bigStart = [](const CompoundFileBuilder& b) { return b.layout().start.at("Big"); };
    auto smallStart = [](const CompoundFileBuilder& b) { return b.layout().start.at("Small"); };
    return {
        {"TruncatedHeader", [](std::string& s, auto&) { s.resize(300); }},
        {"TruncatedBody", [](std::string& s, auto&) { s.resize(s.size() - 600); }},
        {"WrongByteOrder", [](std::string& s, auto&) { s[0x1C] = 0; }},
        {"UnknownSectorSize", [](std::string& s, auto&) { s[0x1E] = 10; }},
        {"TableLargerThanFile", [](std::string& s, auto&) { putU32(s, 0x2C, 100000); }},
        {"TableSectorOutsideFile", [](std::string& s, auto&) { putU32(s, 0x4C, 100000); }},
        {"ExtensionListMissing", [](std::string& s, auto&) { putU32(s, 0x48, 0); }, 240},
        {"ExtensionListCycle",
         [](std::string& s, auto& b) {
             const std::uint32_t first = b.layout().difatSectors[0];
             putU32(s, b.sectorOffset(first) + b.sectorSize() - 4, first);
         },
         240},
        {"ChainCycle",
         [=](std::string& s, auto& b) { putU32(s, b.fatEntryOffset(bigStart(b) + 1), bigStart(b)); }},
        {"ChainTooShort",
         [=](std::string& s, auto& b) { putU32(s, b.fatEntryOffset(bigStart(b) + 1), CompoundFileBuilder::kEnd); }},
        {"ChainLeavesTable", [=](std::string& s, auto& b) { putU32(s, b.fatEntryOffset(bigStart(b)), 0x7FFFFFF0); }},
        {"ChainIntoFreeSector",
         [=](std::string& s, auto& b) { putU32(s, b.fatEntryOffset(bigStart(b)), CompoundFileBuilder::kFree); }},
        {"DirectoryChainCycle",
         [](std::string& s, auto& b) {
             putU32(s, b.fatEntryOffset(b.layout().firstDirectory), b.layout().firstDirectory);
         }},
        {"DirectoryTreeCycle", [](std::string& s, auto& b) { putU32(s, b.entryOffset(2) + 0x48, 1); }},
        {"DirectoryLinkOutside", [](std::string& s, auto& b) { putU32(s, b.entryOffset(1) + 0x44, 5000); }},
        {"NoRootEntry", [](std::string& s, auto& b) { s[b.entryOffset(0) + 0x42] = 1; }},
        {"StreamLargerThanFile", [](std::string& s, auto& b) { putU32(s, b.entryOffset(1) + 0x78, 0x7FFFFFFF); }},
        {"MiniChainCycle",
         [=](std::string& s, auto& b) { putU32(s, b.miniFatEntryOffset(smallStart(b) + 1), smallStart(b)); }},
        {"MiniChainLeavesTable",
         [=](std::string& s, auto& b) { putU32(s, b.miniFatEntryOffset(smallStart(b)), 0x100000); }},
        {"MiniStreamTooShort", [](std::string& s, auto& b) { putU32(s, b.entryOffset(0) + 0x78, 64); }},
    };

}

void PrintTo(const DamageCase& c, std::ostream* os)
{
    *os << c.name;
}

class CompoundDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(CompoundDamage, FailsWithItsReason)
{
    CompoundFileBuilder builder;
    builder.minimumFatSectors(GetParam().minimumFatSectors);
    std::string bytes = builder.add("Big", pattern(9000, 'b')).add("Small", pattern(300, 's')).build();
    GetParam().damage(bytes, builder);
    try {
        CompoundFile file(bytes);
        file.read("Big");
        file.read("Small");
        FAIL() << "read a damaged file";
    } catch (const OpenError& e) {
        EXPECT_EQ(e.reason(), OpenFailure::Damaged) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Files, CompoundDamage, ::testing::ValuesIn(damageCases()),
                         [](const auto& info) { return info.param.name; });

TEST(CompoundFile, MissingStreamIsNotAPresentation)
{
    const std::string bytes = CompoundFileBuilder().add("Other", "x").build();
    CompoundFile file(bytes);
    EXPECT_FALSE(file.has("PowerPoint Document"));
    try {
        file.read("PowerPoint Document");
        FAIL();
    } catch (const OpenError& e) {
        EXPECT_EQ(e.reason(), OpenFailure::NotAPresentation);
    }
}

}  // namespace
