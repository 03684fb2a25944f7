// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "lectavo/engine/Reader.h"
#include "legacy/LegacyReader.h"
#include "ooxml/OoxmlReader.h"
#include "support/Packages.h"

namespace {

using namespace lectavo::testing;
using lectavo::deckwriter::DeckKind;
using lectavo::deckwriter::DeckContent;
using lectavo::deckwriter::TextShape;
using lectavo::engine::OpenError;
using lectavo::engine::OpenFailure;
using Role = TextShape::Role;

constexpr std::string_view kP14 = " xmlns:p14=\"http://schemas.microsoft.com/office/powerpoint/2010/main\"";
constexpr std::string_view kA14 = " xmlns:a14=\"http://schemas.microsoft.com/office/drawing/2010/main\"";
constexpr std::string_view kMa = " xmlns:ma=\"http://schemas.microsoft.com/office/mac/drawingml/2008/main\"";

// ---- What a readable package answers ----

struct ReadCase {
    std::string name;
    std::function<std::string()> package;
    std::string expected;  // dump()
};

std::string oneSlide(std::string_view shapes, std::string_view ns = {}) { return packageWithSlide(slideXml(shapes, ns)); }

std::vector<ReadCase> readCases()
{
    std::vector<ReadCase> cases = {
        {"ParagraphsJoinedByCrSoftBreaksAsVt",
         [] { return deckBytes({slide({{Role::Title, "Plan"}, {Role::Body, "one\ntwo\vhalf\n\nfour\twith tab"}})}); },
         "slide 1\n  text \"Plan\"\n  text \"one\\rtwo\\vhalf\\r\\rfour\\twith tab\"\n"},
        {"HiddenSlidesCountMastersAndLayoutsDoNot",
         [] {
             return deckBytes({slide({{Role::Title, "a"}}), slide({{Role::Title, "b"}}, {}, true), slide({{Role::Title, "c"}})});
         },
         "slide 1\n  text \"a\"\nslide 2\n  text \"b\"\nslide 3\n  text \"c\"\n"},
        {"ShapeWithoutTextBodyHasEmptyFrame", [] { return deckBytes({slide({{Role::Rectangle, ""}}, {{64, 64}})}); },
         "slide 1\n  text \"\"\n  shape\n"},
        {"NoSlides", [] { return deckBytes({}); }, ""},
        {"SlideNumberFieldShowsPositionFromFirstNumber",
         [] {
             return deckBytes({slide({{Role::SlideNumber, "99"}}), slide({{Role::SlideNumber, "1"}})},
                              DeckKind::Presentation, 7);
         },
         "slide 1\n  text \"7\"\nslide 2\n  text \"8\"\n"},
        {"OtherFieldsKeepStoredText",
         [] {
             return oneSlide(sp("<a:p><a:fld id=\"{1}\" type=\"datetime1\"><a:t>3/4/2021</a:t></a:fld>" + run(" ok") +
                                "</a:p>"));
         },
         "slide 1\n  text \"3/4/2021 ok\"\n"},
        {"SlideOrderIsTheIdListNotPartNames",
         [] {
             Parts parts = deckOf(3);
             std::string& rels = part(parts, "ppt/_rels/presentation.xml.rels").data;
             replaceAll(rels, "slides/slide1.xml", "slides/slideX.xml");
             replaceAll(rels, "slides/slide3.xml", "slides/slide1.xml");
             replaceAll(rels, "slides/slideX.xml", "slides/slide3.xml");
             return lectavo::deckwriter::zipParts(parts);
         },
         "slide 1\n  text \"Slide 3\"\nslide 2\n  text \"Slide 2\"\nslide 3\n  text \"Slide 1\"\n"},
        {"MainPartFoundThroughPackageRelationships",
         [] {
             Parts parts = deckOf(1);
             part(parts, "ppt/presentation.xml").name = "deck/main.xml";
             part(parts, "ppt/_rels/presentation.xml.rels").name = "deck/_rels/main.xml.rels";
             replaceAll(part(parts, "deck/_rels/main.xml.rels").data, "Target=\"", "Target=\"../ppt/");
             replaceAll(part(parts, "_rels/.rels").data, "ppt/presentation.xml", "deck/main.xml");
             replaceAll(part(parts, "[Content_Types].xml").data, "/ppt/presentation.xml", "/deck/main.xml");
             return lectavo::deckwriter::zipParts(parts);
         },
         "slide 1\n  text \"Slide 1\"\n"},
        {"StrictNamespaces",
         [] {
             Parts parts = deckOf(2);
             for (Part& p : parts) {
                 replaceAll(p.data, "http://schemas.openxmlformats.org/presentationml/2006/main",
                            "http://purl.oclc.org/ooxml/presentationml/main");
                 replaceAll(p.data, "http://schemas.openxmlformats.org/drawingml/2006/main",
                            "http://purl.oclc.org/ooxml/drawingml/main");
                 replaceAll(p.data, "http://schemas.openxmlformats.org/officeDocument/2006/relationships",
                            "http://purl.oclc.org/ooxml/officeDocument/relationships");
             }
             return lectavo::deckwriter::zipParts(parts);
         },
         "slide 1\n  text \"Slide 1\"\nslide 2\n  text \"Slide 2\"\n"},
        {"PrefixesAreResolvedNotAssumed",
         [] {
             Parts parts = deckOf(1);
             std::string& slide = part(parts, "ppt/slides/slide1.xml").data;
             replaceAll(slide, "<p:", "<pml:");
             replaceAll(slide, "</p:", "</pml:");
             replaceAll(slide, "xmlns:p=", "xmlns:pml=");
             replaceAll(slide, "<a:", "<d:");
             replaceAll(slide, "</a:", "</d:");
             replaceAll(slide, "xmlns:a=", "xmlns:d=");
             return lectavo::deckwriter::zipParts(parts);
         },
         "slide 1\n  text \"Slide 1\"\n"},
        {"TopLevelShapesInOrderOnlyOrdinaryShapesHaveFrames",
         [] {
             return oneSlide(sp("<a:p>" + run("first") + "</a:p>") +
                             "<p:grpSp><p:nvGrpSpPr/><p:grpSpPr/>" + sp("<a:p>" + run("inside group") + "</a:p>") +
                             "</p:grpSp><p:graphicFrame><a:graphic><a:graphicData><a:tbl><a:tr><a:tc><a:txBody><a:p>" +
                             run("cell") +
                             "</a:p></a:txBody></a:tc></a:tr></a:tbl></a:graphicData></a:graphic></p:graphicFrame>"
                             "<p:cxnSp/><p:pic/><p:contentPart r:id=\"rId9\"/><p:extLst/>" +
                             sp("<a:p>" + run("last") + "</a:p>"));
         },
         "slide 1\n  text \"first\"\n  shape\n  shape\n  shape\n  shape\n  shape\n  text \"last\"\n"},
        {"AlternateContentTakesUnderstoodChoice",
         [] {
             return oneSlide("<mc:AlternateContent" + std::string(kP14) +
                                 "><mc:Choice Requires=\"p14\"><p14:contentPart r:id=\"rId3\"/></mc:Choice>"
                                 "<mc:Fallback>" +
                                 sp("<a:p>" + run("fallback") + "</a:p>") + "</mc:Fallback></mc:AlternateContent>",
                             kMcNs);
         },
         "slide 1\n  shape\n"},
        {"AlternateContentFallsBackForUnknownNamespace",
         [] {
             return oneSlide("<mc:AlternateContent" + std::string(kMa) + "><mc:Choice Requires=\"ma\"><p:pic/></mc:Choice>"
                                 "<mc:Fallback>" +
                                 sp("<a:p>" + run("fallback") + "</a:p>") + "</mc:Fallback></mc:AlternateContent>",
                             kMcNs);
         },
         "slide 1\n  text \"fallback\"\n"},
        {"AlternateContentFallsBackForUndeclaredPrefix",
         [] {
             return oneSlide("<mc:AlternateContent><mc:Choice Requires=\"p14\"><p:pic/></mc:Choice><mc:Fallback>" +
                                 sp("") + "</mc:Fallback></mc:AlternateContent>",
                             kMcNs);
         },
         "slide 1\n  text \"\"\n"},
        {"AlternateContentWithoutTakenBranchIsNoShape",
         [] {
             return oneSlide("<mc:AlternateContent" + std::string(kMa) + "><mc:Choice Requires=\"ma p14\"" +
                                 std::string(kP14) + "><p:pic/></mc:Choice></mc:AlternateContent>",
                             kMcNs);
         },
         "slide 1\n"},
        {"AlternateContentInsideParagraph",
         [] {
             return oneSlide(sp("<a:p>" + run("x = ") + "<mc:AlternateContent><mc:Choice Requires=\"a14\">" +
                                run("choice") + "</mc:Choice><mc:Fallback>" + run("fallback") +
                                "</mc:Fallback></mc:AlternateContent></a:p>"),
                             std::string(kMcNs) + std::string(kA14));
         },
         "slide 1\n  text \"x = choice\"\n"},
        {"Utf16Part",
         [] {
             std::string xml = slideXml(sp("<a:p>" + run("wide") + "</a:p>"));
             replaceAll(xml, "UTF-8", "UTF-16");
             std::string wide = "\xFF\xFE";
             for (char c : xml)
                 wide += std::string{c, '\0'};
             return packageWithSlide(wide);
         },
         "slide 1\n  text \"wide\"\n"},
        {"TextAsStoredEscapesCdataSpacesSurrogates",
         [] {
             return oneSlide(sp("<a:p>" + run(" ") + run("a &amp; b &#x1F600;") +
                                "<a:r><a:t><![CDATA[<raw>]]></a:t></a:r><a:r><a:t>  two  </a:t></a:r></a:p><a:p/>"));
         },
         "slide 1\n  text \" a & b \xF0\x9F\x98\x80<raw>  two  \\r\"\n"},
    };
    for (DeckKind kind : {DeckKind::Presentation, DeckKind::SlideShow, DeckKind::Template, DeckKind::MacroPresentation,
                          DeckKind::MacroSlideShow, DeckKind::MacroTemplate}) {
        std::string name = "Kind";
        for (char c : lectavo::deckwriter::extensionOf(kind).substr(1))
            name += c;
        cases.push_back({name, [kind] { return deckBytes({slide({{Role::Title, "t"}})}, kind); },
                         "slide 1\n  text \"t\"\n"});
    }
    return cases;
}

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadRule : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadRule, Answers)
{
    const std::string bytes = GetParam().package();
    EXPECT_EQ(dump(lectavo::engine::readPresentation(bytes)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Ooxml, ReadRule, ::testing::ValuesIn(readCases()),
                         [](const auto& info) { return info.param.name; });

// ---- What a package must not get through ----

struct BadCase {
    std::string name;
    std::function<std::string()> package;
    OpenFailure expected;
    lectavo::engine::detail::Limits limits = {};
};

std::string withPart(std::string_view name, std::string data)
{
    Parts parts = deckOf(1);
    part(parts, name).data = std::move(data);
    return lectavo::deckwriter::zipParts(parts);
}

std::string without(std::string_view name)
{
    Parts parts = deckOf(1);
    removePart(parts, name);
    return lectavo::deckwriter::zipParts(parts);
}

std::string withSlideTarget(std::string_view target)
{
    Parts parts = deckOf(1);
    replaceAll(part(parts, "ppt/_rels/presentation.xml.rels").data, "slides/slide1.xml", target);
    return lectavo::deckwriter::zipParts(parts);
}

std::vector<BadCase> badCases()
{
    const std::string lol = "<!DOCTYPE lolz [<!ENTITY lol \"lol\"><!ENTITY lol2 \"&lol;&lol;&lol;&lol;\">]>";
    return {
        {"Empty", [] { return std::string(); }, OpenFailure::NotAPresentation},
        {"PlainText", [] { return std::string("Quarterly numbers\r\n"); }, OpenFailure::NotAPresentation},
        {"TruncatedZip", [] { std::string b = deckBytes({}); return b.substr(0, b.size() / 2); },
         OpenFailure::Damaged},
        {"ZipOfSomethingElse", [] { return lectavo::deckwriter::zipParts({{"notes.txt", "hello"}}); },
         OpenFailure::NotAPresentation},
        {"NoPackageRelationships", [] { return without("_rels/.rels"); }, OpenFailure::Damaged},
        {"NoContentTypes", [] { return without("[Content_Types].xml"); }, OpenFailure::Damaged},
        {"MissingMainPart", [] { return without("ppt/presentation.xml"); }, OpenFailure::Damaged},
        {"MissingSlidePart", [] { return without("ppt/slides/slide1.xml"); }, OpenFailure::Damaged},
        {"MissingPresentationRelationships", [] { return without("ppt/_rels/presentation.xml.rels"); },
         OpenFailure::Damaged},
        {"WordDocumentMainPart",
         [] {
             Parts parts = deckOf(1);
             replaceAll(part(parts, "[Content_Types].xml").data, "presentationml.presentation.main",
                        "wordprocessingml.document.main");
             return lectavo::deckwriter::zipParts(parts);
         },
         OpenFailure::NotAPresentation},
        {"MainPartIsNotPresentation", [] { return withPart("ppt/presentation.xml", "<document/>"); },
         OpenFailure::Damaged},
        {"SlidePartIsNotSlide", [] { return withPart("ppt/slides/slide1.xml", "<p:notes" + std::string(kSlideNs) + "/>"); },
         OpenFailure::Damaged},
        {"SlideWithoutShapeTree",
         [] { return withPart("ppt/slides/slide1.xml", "<p:sld" + std::string(kSlideNs) + "><p:cSld/></p:sld>"); },
         OpenFailure::Damaged},
        {"MalformedSlideXml", [] { return withPart("ppt/slides/slide1.xml", slideXml("<p:sp>")); }, OpenFailure::Damaged},
        {"MalformedRelationships", [] { return withPart("ppt/_rels/presentation.xml.rels", "<Relationships"); },
         OpenFailure::Damaged},
        {"DoctypeWithEntities",
         [lol] { return withPart("ppt/slides/slide1.xml", lol + slideXml(sp("<a:p>" + run("&lol2;") + "</a:p>"))); },
         OpenFailure::Damaged},
        {"DoctypeInMainPart",
         [lol] {
             Parts parts = deckOf(1);
             part(parts, "ppt/presentation.xml").data.insert(0, lol);
             return lectavo::deckwriter::zipParts(parts);
         },
         OpenFailure::Damaged},
        {"DeepNesting",
         [] {
             std::string deep;
             for (int i = 0; i < 100000; ++i)
                 deep += "<a:g>";
             return withPart("ppt/slides/slide1.xml", slideXml(deep));
         },
         OpenFailure::Damaged},
        {"SlideTargetLeavesPackage", [] { return withSlideTarget("../../../etc/passwd"); }, OpenFailure::Damaged},
        {"SlideTargetIsUri", [] { return withSlideTarget("http://example.org/slide1.xml"); }, OpenFailure::Damaged},
        {"MainTargetLeavesPackage",
         [] {
             Parts parts = deckOf(1);
             replaceAll(part(parts, "_rels/.rels").data, "Target=\"ppt/presentation.xml", "Target=\"../ppt/presentation.xml");
             return lectavo::deckwriter::zipParts(parts);
         },
         OpenFailure::Damaged},
        {"SlideIdWithoutRelationship",
         [] {
             Parts parts = deckOf(1);
             replaceAll(part(parts, "ppt/presentation.xml").data, "r:id=\"rId10\"", "r:id=\"rId77\"");
             return lectavo::deckwriter::zipParts(parts);
         },
         OpenFailure::Damaged},
        {"SlideRelationshipOfWrongType",
         [] {
             Parts parts = deckOf(1);
             replaceAll(part(parts, "ppt/_rels/presentation.xml.rels").data, "relationships/slide\"",
                        "relationships/notesSlide\"");
             return lectavo::deckwriter::zipParts(parts);
         },
         OpenFailure::Damaged},
        {"PartInflatesBeyondBound",
         [] {
             Parts parts = deckOf(1);
             std::string& slide = part(parts, "ppt/slides/slide1.xml").data;
             slide.insert(slide.find("<p:cSld>"), std::string((std::size_t(64) << 20) + 1, ' '));
             return lectavo::deckwriter::zipParts(parts);
         },
         OpenFailure::TooLarge},
        {"AllPartsInflateBeyondBound", [] { return lectavo::deckwriter::zipParts(deckOf(40)); }, OpenFailure::TooLarge,
         {.partBytes = 1 << 20, .totalBytes = 16 * 1024}},
        {"TooManyEntries", [] { return lectavo::deckwriter::zipParts(deckOf(10)); }, OpenFailure::TooLarge,
         {.entries = 20}},
    };
}

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class BadPackage : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadPackage, FailsToOpen)
{
    const BadCase& c = GetParam();
    const std::string bytes = c.package();
    try {
        const bool zip = bytes.starts_with("PK");
        zip ? lectavo::engine::detail::readOoxml(bytes, c.limits) : lectavo::engine::readPresentation(bytes);
        FAIL() << "opened";
    } catch (const OpenError& e) {
        EXPECT_EQ(e.reason(), c.expected) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Ooxml, BadPackage, ::testing::ValuesIn(badCases()),
                         [](const auto& info) { return info.param.name; });

TEST(Reader, CompoundFilesGoToTheLegacyReader)
{
    std::string cfb("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    cfb.resize(1024, '\0');
    OpenFailure expected{}, actual{};
    try {
        lectavo::engine::detail::readLegacy(cfb);
    } catch (const OpenError& e) {
        expected = e.reason();
    }
    try {
        lectavo::engine::readPresentation(cfb);
    } catch (const OpenError& e) {
        actual = e.reason();
    }
    EXPECT_EQ(actual, expected);
}

TEST(Reader, FileReadsAsBytesDo)
{
    const auto dir = std::filesystem::temp_directory_path() / ("lectavo-reader-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string bytes =
        deckBytes({slide({{Role::Title, "Pictures"}}, {{300, 200}, {64, 64}}), slide({{Role::Body, "a\nb"}})});
    std::ofstream((dir / "deck.pptx").string(), std::ios::binary) << bytes;
    EXPECT_EQ(dump(lectavo::engine::readPresentationFile((dir / "deck.pptx").string())),
              dump(lectavo::engine::readPresentation(bytes)));

    for (const std::string& path : {(dir / "missing.pptx").string(), dir.string()}) {
        try {
            lectavo::engine::readPresentationFile(path);
            ADD_FAILURE() << path << " opened";
        } catch (const OpenError& e) {
            EXPECT_EQ(e.reason(), OpenFailure::CannotRead) << path;
        }
    }
    std::filesystem::remove_all(dir);
}

}  // namespace

namespace {

// Bounds far below the pictures' size: the deck opens only if media are never inflated.
TEST(Reader, MediaAreNeverInflated)
{
    const std::string bytes = deckBytes({slide({{Role::Title, "Photo"}}, {{300, 300}, {300, 300}})});
    const lectavo::engine::detail::Limits tight{.partBytes = 64 * 1024, .totalBytes = 128 * 1024};
    EXPECT_EQ(dump(lectavo::engine::detail::readOoxml(bytes, tight)), "slide 1\n  text \"Photo\"\n  shape\n  shape\n");
}

}  // namespace
