// SPDX-License-Identifier: MIT
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "lectavo/deckwriter/DeckWriter.h"

namespace {

constexpr const char* kUsage = R"(usage: lectavo-deckwriter DESCRIPTION OUTPUT
       lectavo-deckwriter --generate SLIDES SHAPES OUTPUT

Writes a presentation (.pptx .ppsx .potx .pptm .ppsm .potm, chosen by the
extension of OUTPUT). DESCRIPTION is a text file ("-" reads standard input),
one instruction a line, "#" starts a comment:

  deck: Title            the document title
  first-number: 5        the number of the first slide
  slide                  starts a slide ("hidden slide" starts a hidden one)
  title: Text            the title placeholder
  body: Text             a paragraph of the content placeholder
  text: Text             a text box
  shape: Text            a rectangle (with no text: a shape without a text body)
  number: 7              the slide-number placeholder, its field storing "7"
  picture: 800x600       a picture of random pixels

In texts, \n starts a paragraph, \v is a soft line break, \t a tab, \\ a backslash.
--generate writes SLIDES slides, each a title and SHAPES - 1 text boxes.
)";

int fail(const std::string& message)
{
    std::cerr << "lectavo-deckwriter: " << message << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace lectavo::deckwriter;
    try {
        DeckContent deck;
        std::string output;
        if (argc == 5 && std::strcmp(argv[1], "--generate") == 0) {
            deck = generatedDeck(std::stoi(argv[2]), std::stoi(argv[3]));
            output = argv[4];
        } else if (argc == 3) {
            std::stringstream text;
            if (std::strcmp(argv[1], "-") == 0) {
                text << std::cin.rdbuf();
            } else {
                std::ifstream in(argv[1], std::ios::binary);
                if (!in)
                    return fail(std::string("cannot read ") + argv[1]);
                text << in.rdbuf();
            }
            deck = parseDescription(text.str());
            output = argv[2];
        } else {
            std::cerr << kUsage;
            return argc == 2 && std::strcmp(argv[1], "--help") == 0 ? 0 : 2;
        }
        const std::size_t dot = output.rfind('.');
        deck.kind = kindOf(dot == std::string::npos ? std::string_view() : std::string_view(output).substr(dot));
        writeDeckFile(deck, output);
        return 0;
    } catch (const std::exception& e) {
        return fail(e.what());
    }
}
