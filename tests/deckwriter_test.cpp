// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <set>

#include "lectavo/deckwriter/DeckWriter.h"
#include "lectavo/engine/Reader.h"
#include "support/Packages.h"

namespace {

using namespace lectavo::deckwriter;
using lectavo::testing::dump;

TEST(DeckWriter, DescriptionRoundTripsThroughTheEngine)
{
    const DeckContent deck = parseDescription(R"(# comment
deck: Review
first-number: 3
slide
title: Q3 \\ Q4
body: first
body: second\vsoft
text: a\tb\nc
hidden slide
shape:
picture: 10x20
number: 99
)");
    EXPECT_EQ(deck.title, "Review");
    ASSERT_EQ(deck.slides.size(), 2u);
    EXPECT_TRUE(deck.slides[1].hidden);
    EXPECT_EQ(dump(lectavo::engine::readPresentation(writeDeck(deck))),
              "slide 1\n  text \"Q3 \\ Q4\"\n  text \"first\\rsecond\\vsoft\"\n  text \"a\\tb\\rc\"\n"
              "slide 2\n  text \"\"\n  text \"4\"\n  shape\n");
}

TEST(DeckWriter, BadDescriptionsNameTheLine)
{
    for (const char* bad : {"slide\nbogus: x", "title: before any slide", "slide\npicture: 10", "slide\ntext: \\q",
                            "first-number: many"}) {
        try {
            parseDescription(bad);
            ADD_FAILURE() << bad;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("line "), std::string::npos) << e.what();
        }
    }
}

TEST(DeckWriter, KindsFollowExtensions)
{
    for (DeckKind kind : {DeckKind::Presentation, DeckKind::SlideShow, DeckKind::Template, DeckKind::MacroPresentation,
                          DeckKind::MacroSlideShow, DeckKind::MacroTemplate})
        EXPECT_EQ(kindOf(extensionOf(kind)), kind);
    EXPECT_EQ(kindOf("PPSM"), DeckKind::MacroSlideShow);
    EXPECT_EQ(kindOf(".odp"), DeckKind::Presentation);
}

// Every part is well-formed, has a content type, and every internal relationship leads to a part.
TEST(DeckWriter, PackagesAreStructurallyComplete)
{
    DeckContent deck = generatedDeck(3, 4);
    deck.slides[1].pictures.push_back({20, 10});
    deck.slides[1].hidden = true;
    const std::vector<Part> parts = deckParts(deck);
    std::set<std::string> names;
    for (const Part& p : parts)
        EXPECT_TRUE(names.insert(p.name).second) << p.name;

    pugi::xml_document types;
    ASSERT_TRUE(types.load_string(parts.front().data.c_str()));
    std::set<std::string> overrides, defaults;
    for (pugi::xml_node n : types.child("Types").children("Override"))
        overrides.insert(std::string(n.attribute("PartName").value()).substr(1));
    for (pugi::xml_node n : types.child("Types").children("Default"))
        defaults.insert(n.attribute("Extension").value());

    for (const Part& p : parts) {
        if (p.name == "[Content_Types].xml")
            continue;
        const std::string extension = p.name.substr(p.name.rfind('.') + 1);
        EXPECT_TRUE(overrides.count(p.name) || defaults.count(extension)) << p.name;
        if (extension != "xml" && extension != "rels")
            continue;
        pugi::xml_document xml;
        ASSERT_TRUE(xml.load_buffer(p.data.data(), p.data.size())) << p.name;
        if (extension != "rels")
            continue;
        const std::string source = p.name.substr(0, p.name.find("_rels/"));
        for (pugi::xml_node r : xml.child("Relationships").children("Relationship")) {
            std::string target = source + r.attribute("Target").value();
            for (std::size_t up; (up = target.find("/../")) != std::string::npos;)
                target.erase(target.rfind('/', up - 1) + 1, up + 4 - target.rfind('/', up - 1) - 1);
            EXPECT_TRUE(names.count(target)) << p.name << " -> " << target;
        }
    }
    for (const std::string& o : overrides)
        EXPECT_TRUE(names.count(o)) << o;
}

}  // namespace
