// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "lectavo/convert/TextEncoding.h"
#include "lectavo/deckwriter/DeckWriter.h"
#include "lectavo/engine/Document.h"

// Small packages for the engine's tests: a valid deck from the deck writer,
// then one part replaced, renamed or removed to show a rule or a fault.
namespace lectavo::testing {

using deckwriter::Part;
using Parts = std::vector<Part>;

inline constexpr std::string_view kSlideNs =
    " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
    " xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\"";
inline constexpr std::string_view kMcNs = " xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\"";

inline deckwriter::SlideContent slide(std::vector<deckwriter::TextShape> shapes, std::vector<deckwriter::Picture> pictures = {},
                                   bool hidden = false)
{
    deckwriter::SlideContent content;
    content.shapes = std::move(shapes);
    content.pictures = std::move(pictures);
    content.hidden = hidden;
    return content;
}

inline std::string deckBytes(std::vector<deckwriter::SlideContent> slides,
                             deckwriter::DeckKind kind = deckwriter::DeckKind::Presentation, int firstNumber = 1)
{
    deckwriter::DeckContent content;
    content.kind = kind;
    content.firstSlideNumber = firstNumber;
    content.slides = std::move(slides);
    return deckwriter::writeDeck(content);
}

// The parts of a deck of `slides` slides, each with one text box "Slide n".
inline Parts deckOf(int slides)
{
    deckwriter::DeckContent deck;
    for (int i = 1; i <= slides; ++i)
        deck.slides.push_back(slide({{deckwriter::TextShape::Role::TextBox, "Slide " + std::to_string(i)}}));
    return deckwriter::deckParts(deck);
}

inline Part& part(Parts& parts, std::string_view name)
{
    auto it = std::find_if(parts.begin(), parts.end(), [&](const Part& p) { return p.name == name; });
    if (it == parts.end())
        throw std::logic_error("no part " + std::string(name));
    return *it;
}

inline void removePart(Parts& parts, std::string_view name)
{
    parts.erase(std::remove_if(parts.begin(), parts.end(), [&](const Part& p) { return p.name == name; }), parts.end());
}

inline void replaceAll(std::string& s, std::string_view from, std::string_view to)
{
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

// A slide part whose shape tree holds `shapes` after the group properties; `ns` adds declarations to the root.
inline std::string slideXml(std::string_view shapes, std::string_view ns = {})
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><p:sld" + std::string(kSlideNs) + std::string(ns) +
           "><p:cSld><p:spTree><p:nvGrpSpPr><p:cNvPr id=\"1\" name=\"\"/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr>"
           "<p:grpSpPr/>" +
           std::string(shapes) + "</p:spTree></p:cSld></p:sld>";
}

// An ordinary shape whose text body holds `paragraphs` (a:p elements), or no text body when it is empty.
inline std::string sp(std::string_view paragraphs)
{
    std::string out = "<p:sp><p:nvSpPr><p:cNvPr id=\"2\" name=\"s\"/><p:cNvSpPr/><p:nvPr/></p:nvSpPr><p:spPr/>";
    if (!paragraphs.empty())
        out += "<p:txBody><a:bodyPr/><a:lstStyle/>" + std::string(paragraphs) + "</p:txBody>";
    return out + "</p:sp>";
}

inline std::string run(std::string_view text) { return "<a:r><a:rPr lang=\"en-US\"/><a:t>" + std::string(text) + "</a:t></a:r>"; }

// The package of a one-slide deck whose slide part is `slide`.
inline std::string packageWithSlide(const std::string& slide)
{
    Parts parts = deckOf(1);
    part(parts, "ppt/slides/slide1.xml").data = slide;
    return deckwriter::zipParts(parts);
}

// Slides, shapes and texts as lines: "slide 1", "  text \"...\"" (CR, VT, tab escaped) or "  shape".
inline std::string dump(const engine::Document& document)
{
    std::string out;
    for (std::size_t i = 0; i < document.slides.size(); ++i) {
        out += "slide " + std::to_string(i + 1) + "\n";
        for (const engine::Shape& shape : document.slides[i].shapes) {
            if (!shape.hasTextFrame) {
                out += "  shape\n";
                continue;
            }
            std::string text = lectavo::text::toUtf8(shape.text);
            replaceAll(text, "\r", "\\r");
            replaceAll(text, "\v", "\\v");
            replaceAll(text, "\t", "\\t");
            out += "  text \"" + text + "\"\n";
        }
    }
    return out;
}

}  // namespace lectavo::testing
