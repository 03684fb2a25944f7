// SPDX-License-Identifier: MIT
#include <array>

#include "lectavo/deckwriter/DeckWriter.h"

namespace lectavo::deckwriter {

namespace {

constexpr std::array<const char*, 24> kWords = {
    "quarterly", "revenue", "customer", "pipeline", "roadmap",  "release", "feedback", "budget",
    "hiring",    "launch",  "market",   "partner",  "metrics",  "review",  "support",  "quality",
    "delivery",  "risk",    "growth",   "platform", "strategy", "team",    "schedule", "forecast",
};

}  // namespace

DeckContent generatedDeck(int slides, int shapesPerSlide, std::uint32_t variant)
{
    std::uint32_t state = variant * 747796405u + 2891336453u;
    auto next = [&] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    auto sentence = [&](int words) {
        std::string s;
        for (int w = 0; w < words; ++w) {
            if (w)
                s += ' ';
            s += kWords[next() % kWords.size()];
        }
        s[0] = static_cast<char>(s[0] - 'a' + 'A');
        return s + '.';
    };

    DeckContent deck;
    deck.title = "Generated deck";
    deck.slides.resize(static_cast<std::size_t>(slides < 0 ? 0 : slides));
    for (std::size_t i = 0; i < deck.slides.size(); ++i) {
        SlideContent& slide = deck.slides[i];
        if (shapesPerSlide > 0)
            slide.shapes.push_back({TextShape::Role::Title, "Slide " + std::to_string(i + 1) + ": " + sentence(3)});
        for (int k = 1; k < shapesPerSlide; ++k) {
            std::string text = sentence(6 + static_cast<int>(next() % 6));
            if (next() % 3 == 0)
                text += "\n" + sentence(5);
            if (next() % 5 == 0)
                text += "\v" + sentence(4);
            slide.shapes.push_back({TextShape::Role::TextBox, std::move(text)});
        }
    }
    return deck;
}

}  // namespace lectavo::deckwriter
