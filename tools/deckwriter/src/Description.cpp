// SPDX-License-Identifier: MIT
#include <charconv>
#include <stdexcept>

#include "lectavo/deckwriter/DeckWriter.h"

namespace lectavo::deckwriter {

namespace {

// "\n" starts a paragraph, "\v" is a soft line break, "\t" a tab, "\\" a backslash.
std::string unescaped(std::string_view text, int line)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            throw std::runtime_error("line " + std::to_string(line) + ": a lone backslash ends the line");
        switch (text[i]) {
        case 'n': out += '\n'; break;
        case 'v': out += '\v'; break;
        case 't': out += '\t'; break;
        case '\\': out += '\\'; break;
        default: throw std::runtime_error("line " + std::to_string(line) + ": unknown escape \\" + text[i]);
        }
    }
    return out;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

}  // namespace

DeckContent parseDescription(std::string_view description)
{
    DeckContent deck;
    int line = 0;
    auto current = [&]() -> SlideContent& {
        if (deck.slides.empty())
            throw std::runtime_error("line " + std::to_string(line) + ": 'slide' must come first");
        return deck.slides.back();
    };
    while (!description.empty()) {
        ++line;
        const std::size_t end = std::min(description.find('\n'), description.size());
        const std::string_view raw = trimmed(description.substr(0, end));
        description.remove_prefix(std::min(end + 1, description.size()));
        if (raw.empty() || raw.front() == '#')
            continue;
        const std::size_t colon = raw.find(':');
        const std::string_view keyword = trimmed(raw.substr(0, std::min(colon, raw.size())));
        const std::string_view value = colon == std::string_view::npos ? std::string_view() : trimmed(raw.substr(colon + 1));
        using Role = TextShape::Role;
        if (keyword == "deck") {
            deck.title = unescaped(value, line);
        } else if (keyword == "first-number") {
            const auto [p, ec] = std::from_chars(value.data(), value.data() + value.size(), deck.firstSlideNumber);
            if (ec != std::errc() || p != value.data() + value.size())
                throw std::runtime_error("line " + std::to_string(line) + ": first-number needs a number");
        } else if (keyword == "slide" || keyword == "hidden slide") {
            deck.slides.emplace_back().hidden = keyword == "hidden slide";
        } else if (keyword == "title") {
            current().shapes.push_back({Role::Title, unescaped(value, line)});
        } else if (keyword == "body") {
            // Consecutive body lines are the paragraphs of one placeholder.
            SlideContent& slide = current();
            if (!slide.shapes.empty() && slide.shapes.back().role == Role::Body)
                slide.shapes.back().text += "\n" + unescaped(value, line);
            else
                slide.shapes.push_back({Role::Body, unescaped(value, line)});
        } else if (keyword == "text") {
            current().shapes.push_back({Role::TextBox, unescaped(value, line)});
        } else if (keyword == "shape") {
            current().shapes.push_back({Role::Rectangle, unescaped(value, line)});
        } else if (keyword == "number") {
            current().shapes.push_back({Role::SlideNumber, value.empty() ? std::string("<#>") : unescaped(value, line)});
        } else if (keyword == "picture") {
            Picture picture;
            const std::size_t x = value.find('x');
            const auto [p1, e1] = std::from_chars(value.data(), value.data() + std::min(x, value.size()), picture.width);
            const auto [p2, e2] = x == std::string_view::npos
                                      ? std::from_chars_result{nullptr, std::errc::invalid_argument}
                                      : std::from_chars(value.data() + x + 1, value.data() + value.size(), picture.height);
            if (e1 != std::errc() || e2 != std::errc() || p2 != value.data() + value.size() || picture.width == 0 ||
                picture.height == 0)
                throw std::runtime_error("line " + std::to_string(line) + ": picture needs WIDTHxHEIGHT");
            (void)p1;
            current().pictures.push_back(picture);
        } else {
            throw std::runtime_error("line " + std::to_string(line) + ": unknown instruction '" + std::string(keyword) +
                                     "'");
        }
    }
    return deck;
}

}  // namespace lectavo::deckwriter
