// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "lectavo/convert/BuiltinEngine.h"
#include "lectavo/engine/Reader.h"
#include "support/Corpus.h"
#include "support/RunChain.h"

namespace {

using lectavo::testing::CorpusCase;

std::vector<CorpusCase> ooxmlCases()
{
    std::vector<CorpusCase> cases;
    for (const CorpusCase& c : lectavo::testing::corpusCases()) {
        // The legacy binary rows, text or refused, belong to the legacy reader's tests.
        const bool legacyName = c.file.ends_with(".ppt") || c.file.ends_with(".pps") || c.file.ends_with(".pot");
        if (!c.isLegacy() && !legacyName)
            cases.push_back(c);
    }
    return cases;
}

class OoxmlCorpus : public ::testing::TestWithParam<CorpusCase> {
protected:
    static void SetUpTestSuite() { lectavo::automation::registerBuiltinEngine(); }
};

TEST_P(OoxmlCorpus, AnswersAsExpected)
{
    const CorpusCase& c = GetParam();
    const auto app = lectavo::automation::createObject("PowerPoint.Application");
    if (c.kind == "open-fails") {
        EXPECT_THROW(lectavo::engine::readPresentationFile(c.path()), lectavo::engine::OpenError);
        try {
            app.object("Presentations").call("Open", {lectavo::text::fromUtf8(c.path())});
            ADD_FAILURE() << c.file << " opened";
        } catch (const lectavo::automation::Error& e) {
            EXPECT_EQ(e.code(), lectavo::automation::ErrorCode::Failed) << e.what();
        }
    } else {
        const std::string expected = lectavo::testing::readBytes(c.expectedPath());
        EXPECT_EQ(lectavo::testing::convertThroughAutomation(app, c.path()), expected);
    }
    app.call("Quit");
}

INSTANTIATE_TEST_SUITE_P(Corpus, OoxmlCorpus, ::testing::ValuesIn(ooxmlCases()),
                         [](const auto& info) { return lectavo::testing::caseName(info.param.file); });

}  // namespace
