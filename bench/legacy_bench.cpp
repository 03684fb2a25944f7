// SPDX-License-Identifier: MIT
// Walks a generated 1000-slide binary presentation (12 text shapes a slide)
// through the legacy reader, and its OOXML twin through the engine's content
// dispatch when that reader is built in; the binary walk must be at least as
// fast as the twin's.
#include <zip.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <stdexcept>
#include <string>

#include "lectavo/engine/OpenError.h"
#include "lectavo/engine/Reader.h"
#include "legacy/LegacyReader.h"
#include "support/LegacyDeckBuilder.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace ppt = lectavo::testing::ppt;
using lectavo::engine::Document;

constexpr int kSlides = 1000;
constexpr int kShapesPerSlide = 12;
constexpr int kRounds = 7;

std::string sentence(int slide, int shape)
{
    return "Slide " + std::to_string(slide) + ", shape " + std::to_string(shape)
        + ": the quick brown fox jumps over the lazy dog";
}

std::u16string widen(const std::string& s)
{
    return std::u16string(s.begin(), s.end());
}

std::string legacyDeck()
{
    ppt::Deck deck;
    for (int n = 1; n <= kSlides; ++n) {
        ppt::Slide slide;
        for (int k = 1; k <= kShapesPerSlide; ++k)
            slide.shapes.push_back(ppt::shape(
                ppt::kTextBox, ppt::kHaveAnchor | ppt::kHaveSpt,
                ppt::textHeader() + ppt::textChars(widen(sentence(n, k) + "\rsecond paragraph"))));
        deck.slides.push_back(std::move(slide));
    }
    return ppt::deckFile(deck);
}

// The same slides as an OOXML package, written in memory with libzip.
std::string ooxmlDeck()
{
    const std::string ns = R"( xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main")"
                           R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")"
                           R"( xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main")";
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    const std::string ct = "application/vnd.openxmlformats-officedocument.presentationml.";
    std::deque<std::string> parts;  // libzip reads the buffers at zip_close
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* zip = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (!zip)
        throw std::runtime_error("cannot write the OOXML twin");
    zip_source_keep(buffer);
    auto add = [&](const std::string& name, std::string data) {
        parts.push_back(std::move(data));
        zip_source_t* s = zip_source_buffer(zip, parts.back().data(), parts.back().size(), 0);
        zip_file_add(zip, name.c_str(), s, ZIP_FL_ENC_UTF_8);
    };
    std::string types = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
                        R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
                        R"(<Default Extension="xml" ContentType="application/xml"/>)"
                        R"(<Override PartName="/ppt/presentation.xml" ContentType=")" + ct + R"(presentation.main+xml"/>)"
                        R"(<Override PartName="/ppt/slideMasters/slideMaster1.xml" ContentType=")" + ct + R"(slideMaster+xml"/>)"
                        R"(<Override PartName="/ppt/slideLayouts/slideLayout1.xml" ContentType=")" + ct + R"(slideLayout+xml"/>)";
    std::string presRels = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
                           R"(<Relationship Id="rIdM" Type=")" + rel + R"(slideMaster" Target="slideMasters/slideMaster1.xml"/>)";
    std::string ids;
    const std::string tree = R"(<p:nvGrpSpPr><p:cNvPr id="1" name=""/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr><p:grpSpPr/>)";
    for (int n = 1; n <= kSlides; ++n) {
        const std::string name = "slide" + std::to_string(n) + ".xml";
        types += R"(<Override PartName="/ppt/slides/)" + name + R"(" ContentType=")" + ct + R"(slide+xml"/>)";
        presRels += R"(<Relationship Id="rId)" + std::to_string(n) + R"(" Type=")" + rel + R"(slide" Target="slides/)" + name + R"("/>)";
        ids += R"(<p:sldId id=")" + std::to_string(255 + n) + R"(" r:id="rId)" + std::to_string(n) + R"("/>)";
        std::string slide = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><p:sld)" + ns + "><p:cSld><p:spTree>" + tree;
        for (int k = 1; k <= kShapesPerSlide; ++k)
            slide += R"(<p:sp><p:nvSpPr><p:cNvPr id=")" + std::to_string(k + 1) + R"(" name="TextBox"/><p:cNvSpPr txBox="1"/><p:nvPr/></p:nvSpPr><p:spPr/>)"
                     R"(<p:txBody><a:bodyPr/><a:lstStyle/><a:p><a:r><a:rPr lang="en-US"/><a:t>)" + sentence(n, k)
                     + R"(</a:t></a:r></a:p><a:p><a:r><a:rPr lang="en-US"/><a:t>second paragraph</a:t></a:r></a:p></p:txBody></p:sp>)";
        add("ppt/slides/" + name, slide + "</p:spTree></p:cSld></p:sld>");
        add("ppt/slides/_rels/" + name + ".rels",
            R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
            R"(<Relationship Id="rId1" Type=")" + rel + R"(slideLayout" Target="../slideLayouts/slideLayout1.xml"/></Relationships>)");
    }
    add("[Content_Types].xml", types + "</Types>");
    add("_rels/.rels",
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type=")" + rel + R"(officeDocument" Target="ppt/presentation.xml"/></Relationships>)");
    add("ppt/_rels/presentation.xml.rels", presRels + "</Relationships>");
    add("ppt/presentation.xml", R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><p:presentation)" + ns
            + R"(><p:sldMasterIdLst><p:sldMasterId id="2147483648" r:id="rIdM"/></p:sldMasterIdLst><p:sldIdLst>)" + ids
            + R"(</p:sldIdLst><p:sldSz cx="9144000" cy="6858000"/><p:notesSz cx="6858000" cy="9144000"/></p:presentation>)");
    add("ppt/slideMasters/slideMaster1.xml", R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><p:sldMaster)" + ns
            + "><p:cSld><p:spTree>" + tree + R"(</p:spTree></p:cSld><p:sldLayoutIdLst><p:sldLayoutId id="2147483649" r:id="rId1"/></p:sldLayoutIdLst></p:sldMaster>)");
    add("ppt/slideMasters/_rels/slideMaster1.xml.rels",
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type=")" + rel + R"(slideLayout" Target="../slideLayouts/slideLayout1.xml"/></Relationships>)");
    add("ppt/slideLayouts/slideLayout1.xml", R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><p:sldLayout)" + ns
            + "><p:cSld><p:spTree>" + tree + "</p:spTree></p:cSld></p:sldLayout>");
    add("ppt/slideLayouts/_rels/slideLayout1.xml.rels",
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type=")" + rel + R"(slideMaster" Target="../slideMasters/slideMaster1.xml"/></Relationships>)");
    if (zip_close(zip) != 0)
        throw std::runtime_error("cannot write the OOXML twin");
    zip_stat_t st;
    zip_source_open(buffer);
    zip_source_stat(buffer, &st);
    std::string out(st.size, '\0');
    zip_source_read(buffer, out.data(), st.size);
    zip_source_close(buffer);
    zip_source_free(buffer);
    return out;
}

// The conversion's walk: every shape of every slide, the text of each frame.
std::size_t walk(const Document& doc)
{
    std::size_t chars = 0;
    for (const auto& slide : doc.slides)
        for (const auto& shape : slide.shapes)
            if (shape.hasTextFrame)
                chars += shape.text.size() + 2;
    return chars;
}

// The fastest of several rounds, in milliseconds; chars gets what the walk saw.
template <class Read>
double bestOf(Read read, std::size_t& chars)
{
    double best = 1e300;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = Clock::now();
        chars = walk(read());
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main()
{
    const std::string binary = legacyDeck();
    std::size_t binaryChars = 0;
    const double binaryMs = bestOf([&] { return lectavo::engine::detail::readLegacy(binary); }, binaryChars);
    std::printf("legacy .ppt: %d slides x %d text shapes, %.1f MB, walked in %.2f ms (%.0f MB/s), %zu chars\n", kSlides,
                kShapesPerSlide, binary.size() / 1e6, binaryMs, binary.size() / 1e3 / binaryMs, binaryChars);

    const std::string twin = ooxmlDeck();
    std::size_t twinChars = 0;
    double twinMs = 0;
    try {
        twinMs = bestOf([&] { return lectavo::engine::readPresentation(twin); }, twinChars);
    } catch (const lectavo::engine::OpenError& e) {
        std::printf("OOXML twin (%.1f MB): not compared, %s\n", twin.size() / 1e6, e.what());
        return 0;
    }
    std::printf("OOXML twin:  %.1f MB, walked in %.2f ms, %zu chars\n", twin.size() / 1e6, twinMs, twinChars);
    if (twinChars != binaryChars)
        std::printf("warning: the twins do not give the same text\n");
    const bool ok = binaryMs <= twinMs;
    std::printf("%s: the binary walk takes %.2fx the OOXML walk's time\n", ok ? "PASS" : "FAIL", binaryMs / twinMs);
    return ok ? 0 : 1;
}
