// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "lectavo/convert/TextEncoding.h"
#include "lectavo/engine/OpenError.h"
#include "legacy/LegacyReader.h"
#include "support/Corpus.h"

namespace engine = lectavo::engine;
namespace corpus = lectavo::testing;
using corpus::CorpusCase;

namespace {

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

class LegacyCorpus : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(LegacyCorpus, MatchesExpectation)
{
    const CorpusCase& c = GetParam();
    const std::string bytes = corpus::readBytes(c.path());
    ASSERT_FALSE(bytes.empty()) << c.path();
    if (c.kind == "open-fails") {
        EXPECT_THROW(engine::detail::readLegacy(bytes), engine::OpenError);
        return;
    }
    engine::Document doc;
    try {
        doc = engine::detail::readLegacy(bytes);
    } catch (const engine::OpenError& e) {
        FAIL() << e.what();
    }
    EXPECT_EQ(corpus::looseLines(outputOf(doc)), corpus::looseLines(corpus::readBytes(c.expectedPath())));
}

INSTANTIATE_TEST_SUITE_P(Files, LegacyCorpus, ::testing::ValuesIn(legacyCases()),
                         [](const auto& info) { return corpus::caseName(info.param.file); });

}  // namespace
