// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Writes complete PresentationML packages (content types, relationships,
// presentation, master, layout, theme, slides) with given slides and texts:
// fixtures for tests, the example decks and benchmark input.
namespace lectavo::deckwriter {

// The six OOXML presentation kinds; each has its extension and main content type.
enum class DeckKind { Presentation, SlideShow, Template, MacroPresentation, MacroSlideShow, MacroTemplate };

// ".pptx", ".ppsx", ".potx", ".pptm", ".ppsm", ".potm".
std::string_view extensionOf(DeckKind kind);
// The kind written for an extension (any case, with or without the dot); Presentation when unknown.
DeckKind kindOf(std::string_view extension);

struct TextShape {
    enum class Role {
        Title,        // the title placeholder
        Body,         // the content placeholder
        TextBox,      // a free text box
        SlideNumber,  // the slide-number placeholder: one slide-number field showing text as stored
        Rectangle,    // an autoshape; without text it has a frame but no text body
    };
    Role role = Role::TextBox;
    // Paragraphs are separated by '\n'; '\v' is a soft line break; '\t' is kept.
    std::string text;
};

// A picture of random pixels, stored uncompressed: about width * height * 3 bytes.
struct Picture {
    std::uint32_t width = 64;
    std::uint32_t height = 64;
};

struct SlideContent {
    std::vector<TextShape> shapes;
    std::vector<Picture> pictures;  // drawn after the shapes
    bool hidden = false;
};

struct DeckContent {
    DeckKind kind = DeckKind::Presentation;
    std::string title;        // the document title in the core properties
    int firstSlideNumber = 1;  // written only when it is not 1
    std::vector<SlideContent> slides;
};

// One part of a package: its name (no leading slash) and bytes.
struct Part {
    std::string name;
    std::string data;
    bool stored = false;  // kept uncompressed in the zip (pictures)
};

// The parts of the package in the order they are zipped, [Content_Types].xml first.
std::vector<Part> deckParts(const DeckContent& deck);
// Zips parts into package bytes. Throws std::runtime_error when libzip fails.
std::string zipParts(const std::vector<Part>& parts);
// deckParts then zipParts.
std::string writeDeck(const DeckContent& deck);
// Writes the package to a file. Throws std::runtime_error.
void writeDeckFile(const DeckContent& deck, const std::string& path);

// A deck of slides slides, each with a title and shapesPerSlide - 1 text boxes of a few
// paragraphs of generated prose; the same arguments give the same deck.
DeckContent generatedDeck(int slides, int shapesPerSlide, std::uint32_t variant = 1);

// Reads the deck description format of the command-line tool (see its --help).
// Throws std::runtime_error naming the line of a bad instruction.
DeckContent parseDescription(std::string_view description);

}  // namespace lectavo::deckwriter
