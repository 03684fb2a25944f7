// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

#include "lectavo/convert/TextEncoding.h"
#include "lectavo/engine/OpenError.h"
#include "legacy/LegacyReader.h"
#include "support/Corpus.h"

namespace lectavo::testing {
// Test names show the file, not the struct's bytes.
inline void PrintTo(const CorpusCase& c, std::ostream* os)
{
    *os << c.file;
}
}  // namespace lectavo::testing

namespace {

namespace engine = lectavo::engine;
namespace corpus = lectavo::testing;
using corpus::CorpusCase;
using engine::OpenFailure;

bool isCompoundFile(const std::string& bytes)
{
    return bytes.rfind("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 0) == 0;
}

// The legacy rows, and the open-fails rows whose bytes are compound files.
std::vector<CorpusCase> legacyCases()
{
    std::vector<CorpusCase> out;
    for (const CorpusCase& c : corpus::corpusCases())
        if (c.isLegacy() || (c.kind == "open-fails" && isCompoundFile(corpus::readBytes(c.path()))))
            out.push_back(c);
    return out;
}

// The reason a refused compound file must give, where the manifest's note names it.
std::optional<OpenFailure> expectedReason(const std::string& file)
{
    static const std::map<std::string, OpenFailure> reasons = {
        {"password-legacy.ppt", OpenFailure::PasswordProtected},
        {"password-standard.pptx", OpenFailure::PasswordProtected},
        {"password-agile.pptx", OpenFailure::PasswordProtected},
        {"powerpoint4-only.ppt", OpenFailure::TooOld},
    };
    auto it = reasons.find(file);
    return it == reasons.end() ? std::nullopt : std::optional(it->second);
}

// The output the conversion writes: each text frame's text in UTF-8, then CR LF.
std::string outputOf(const engine::Document& doc)
{
    std::string out;
    for (const engine::Slide& slide : doc.slides)
        for (const engine::Shape& shape : slide.shapes)
            if (shape.hasTextFrame)
                out += lectavo::text::toUtf8(shape.text) + "\r\n";
    return out;
}

// The office suite that made the legacy expectations shows its own prompt
// texts for footer and date placeholders it adds from the master; no byte of
// the file holds them, and master shapes are not a slide's shapes.
std::vector<std::string> expectedLines(const CorpusCase& c)
{
    std::vector<std::string> lines = corpus::looseLines(corpus::readBytes(c.expectedPath()));
    std::erase_if(lines, [](const std::string& l) {
        return l == "<footer>" || l == "<date/time>" || l == "<header>" || l == "<number>";
    });
    return lines;
}

class LegacyCorpus : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(LegacyCorpus, MatchesExpectation)
{
    const CorpusCase& c = GetParam();
    const std::string bytes = corpus::readBytes(c.path());
    ASSERT_FALSE(bytes.empty()) << c.path();
    if (c.kind == "open-fails") {
        try {
            engine::detail::readLegacy(bytes);
            ADD_FAILURE() << "opened";
        } catch (const engine::OpenError& e) {
            if (auto reason = expectedReason(c.file)) {
                EXPECT_EQ(e.reason(), *reason) << e.what();
            }
        }
        return;
    }
    engine::Document doc;
    try {
        doc = engine::detail::readLegacy(bytes);
    } catch (const engine::OpenError& e) {
        FAIL() << e.what();
    }
    EXPECT_EQ(corpus::looseLines(outputOf(doc)), expectedLines(c));
}

INSTANTIATE_TEST_SUITE_P(Files, LegacyCorpus, ::testing::ValuesIn(legacyCases()),
                         [](const auto& info) { return corpus::caseName(info.param.file); });

}  // namespace
