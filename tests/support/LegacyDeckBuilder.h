// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/CompoundFileBuilder.h"

// Writes binary presentations ([MS-PPT] records and [MS-ODRAW] shapes) for
// tests and benchmarks: a document, its slide list and its slides, one user
// edit with its persist directory, and optional later edits.
namespace lectavo::testing::ppt {

inline std::string record(std::uint16_t type, std::string_view body, std::uint16_t instance = 0,
                          std::uint16_t version = 0)
{
    std::string out;
    appendU16(out, std::uint16_t(version | instance << 4));
    appendU16(out, type);
    appendU32(out, std::uint32_t(body.size()));
    out += body;
    return out;
}

inline std::string container(std::uint16_t type, std::string_view children, std::uint16_t instance = 0)
{
    return record(type, children, instance, 0xF);
}

inline std::string u32s(std::initializer_list<std::uint32_t> values)
{
    std::string out;
    for (std::uint32_t v : values)
        appendU32(out, v);
    return out;
}

inline std::string utf16(std::u16string_view text)
{
    std::string out;
    for (char16_t c : text)
        appendU16(out, c);
    return out;
}

// Text records: a header, then 16-bit or 8-bit characters.
inline std::string textHeader(std::uint32_t textType = 4)
{
    return record(0x0F9F, u32s({textType}));
}
inline std::string textChars(std::u16string_view text)
{
    return record(0x0FA0, utf16(text));
}
inline std::string textBytes(std::string_view latin1)
{
    return record(0x0FA8, latin1);
}
inline std::string outlineTextRef(std::uint32_t index)
{
    return record(0x0F9E, u32s({index}));
}
// A field record (slide number 0x0FD8, footer 0x0FFA, fixed date 0x0FF8, ...) at a character position.
inline std::string field(std::uint16_t type, std::uint32_t position)
{
    return record(type, u32s({position}));
}

// Shape types and flags.
constexpr std::uint16_t kRectangle = 1, kLine = 20, kConnector = 32, kPictureFrame = 75, kTextBox = 202;
constexpr std::uint32_t kHaveAnchor = 0x200, kHaveSpt = 0x800, kOle = 0x10, kConnectorFlag = 0x100;

// One shape: its FSP record, then client data and a text box when given.
inline std::string shape(std::uint16_t shapeType, std::uint32_t flags = kHaveAnchor | kHaveSpt,
                         std::string textbox = {}, std::string clientData = {})
{
    std::string parts = record(0xF00A, u32s({1024, flags}), shapeType, 2);
    parts += record(0xF00B, "", 0, 3);
    if (!clientData.empty())
        parts += container(0xF011, clientData);
    if (!textbox.empty())
        parts += container(0xF00D, textbox);
    return container(0xF004, parts);
}
// A placeholder: an OEPlaceholderAtom in its client data.
inline std::string placeholderData(std::uint8_t type)
{
    std::string body = u32s({0});
    body += char(type);
    body += std::string(3, '\0');
    return record(0x0BC3, body);
}
// A group and its children; its first record is the group's own shape.
inline std::string group(const std::vector<std::string>& children)
{
    std::string body = container(0xF004, record(0xF009, std::string(16, '\0'), 0, 1)
                                             + record(0xF00A, u32s({1024, 0x5}), 0, 2));
    for (const std::string& c : children)
        body += c;
    return container(0xF003, body);
}

struct Slide {
    std::vector<std::string> shapes;     // top-level shapes, in z-order
    std::vector<std::string> outline;    // text records after the slide's entry in the slide list
    std::string extra;                   // more records in the slide container
};

struct Deck {
    std::vector<Slide> slides;
    std::int16_t firstSlideNumber = 1;
    std::string documentExtra;  // more records in the document container
    std::uint32_t headerToken = 0xE391C05F;
    // Later incremental saves: each gives new records to persist ids (document 1, slide n at n + 1).
    std::vector<std::vector<std::pair<std::uint32_t, std::string>>> laterEdits;
};

inline std::string slideContainer(const Slide& s)
{
    std::string spgr = group(s.shapes);
    std::string dg = record(0xF008, u32s({std::uint32_t(s.shapes.size()), 0}), 0) + spgr;
    std::string body = record(0x03EF, std::string(24, '\0'), 0, 2);
    body += container(0x040C, container(0xF002, dg));
    body += s.extra;
    return container(0x03EE, body);
}

// The "PowerPoint Document" and "Current User" streams of the deck.
inline std::pair<std::string, std::string> streams(const Deck& deck)
{
    std::string list;
    for (std::size_t i = 0; i < deck.slides.size(); ++i) {
        list += record(0x03F3, u32s({std::uint32_t(i + 2), 0, 0, std::uint32_t(256 + i), 0}));
        for (const std::string& r : deck.slides[i].outline)
            list += r;
    }
    std::string docAtom(40, '\0');
    putU16(docAtom, 32, std::uint16_t(deck.firstSlideNumber));
    std::string doc = container(0x03E8, record(0x03E9, docAtom, 0, 1) + container(0x0FF0, list) + deck.documentExtra);

    std::string stream;
    std::vector<std::uint32_t> offsets{0};
    stream += doc;
    for (const Slide& s : deck.slides) {
        offsets.push_back(std::uint32_t(stream.size()));
        stream += slideContainer(s);
    }
    auto userEdit = [&](std::uint32_t previous, std::uint32_t directory) {
        std::string body = u32s({256, 0x03000000 | 0, previous, directory, 1, std::uint32_t(deck.slides.size() + 2)});
        appendU16(body, 1), appendU16(body, 0);
        return record(0x0FF5, body);
    };
    std::string dir = u32s({1u | std::uint32_t(offsets.size()) << 20});
    for (std::uint32_t o : offsets)
        appendU32(dir, o);
    std::uint32_t dirOffset = std::uint32_t(stream.size());
    stream += record(0x1772, dir);
    std::uint32_t editOffset = std::uint32_t(stream.size());
    stream += userEdit(0, dirOffset);

    for (const auto& edit : deck.laterEdits) {
        std::string later;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> placed;
        for (const auto& [id, rec] : edit) {
            placed.push_back({id, std::uint32_t(stream.size())});
            stream += rec;
        }
        for (const auto& [id, offset] : placed)
            later += u32s({id | 1u << 20, offset});
        dirOffset = std::uint32_t(stream.size());
        stream += record(0x1772, later);
        const std::uint32_t previous = editOffset;
        editOffset = std::uint32_t(stream.size());
        stream += userEdit(previous, dirOffset);
    }

    std::string user = u32s({0x14, deck.headerToken, editOffset});
    appendU16(user, 4), appendU16(user, 0x03F4);
    user += std::string("\x03\x00\x00\x00test", 8);  // version 3.0, unused, the user name
    appendU32(user, 8);
    return {stream, record(0x0FF6, user)};
}

// The deck as a compound file.
inline std::string deckFile(const Deck& deck)
{
    auto [document, currentUser] = streams(deck);
    return CompoundFileBuilder().add("PowerPoint Document", document).add("Current User", currentUser).build();
}

}  // namespace lectavo::testing::ppt
