// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>

#include "lectavo/convert/TextEncoding.h"
#include "lectavo/engine/OpenError.h"
#include "legacy/LegacyReader.h"
#include "support/LegacyDeckBuilder.h"

namespace {

using namespace lectavo::testing::ppt;
using lectavo::testing::CompoundFileBuilder;
using lectavo::testing::putU32;
using lectavo::engine::OpenError;
using lectavo::engine::OpenFailure;
using lectavo::engine::detail::readLegacy;

// Slides and shapes as lines: "[n]" per slide, then "frame: text" or "none" per shape, with CR as "|" and VT as "^".
std::string dump(const lectavo::engine::Document& doc)
{
    std::string out;
    int n = 0;
    for (const auto& slide : doc.slides) {
        out += "[" + std::to_string(++n) + "]\n";
        for (const auto& shape : slide.shapes) {
            std::string text = lectavo::text::toUtf8(shape.text);
            for (char& c : text)
                c = c == '\r' ? '|' : c == '\v' ? '^' : c;
            out += shape.hasTextFrame ? "frame: " + text + "\n" : "none\n";
        }
    }
    return out;
}

std::string box(std::string textRecords)
{
    return textHeader() + textRecords;
}

Slide slideOf(std::vector<std::string> shapes, std::vector<std::string> outline = {})
{
    Slide s;
    s.shapes = std::move(shapes);
    s.outline = std::move(outline);
    return s;
}

Deck oneSlide(std::vector<std::string> shapes, std::vector<std::string> outline = {})
{
    Deck d;
    d.slides = {slideOf(std::move(shapes), std::move(outline))};
    return d;
}

std::string headersFooters(std::uint16_t flags, std::u16string date, std::u16string footer)
{
    std::string atom = std::string(2, '\0');
    lectavo::testing::appendU16(atom, flags);
    return container(0x0FD9, record(0x0FDA, atom) + record(0x0FBA, utf16(date), 0) + record(0x0FBA, utf16(footer), 2), 3);
}

struct ReadCase {
    std::string name;
    Deck deck;
    std::string expected;
};

std::vector<ReadCase> readCases()
{
    Deck fields;
    fields.slides = {Slide{}, slideOf({shape(kTextBox, kHaveSpt, box(textChars(u"Slide *") + field(0x0FD8, 6)))})};
    fields.firstSlideNumber = 9;

    Deck footer = oneSlide({
        shape(kTextBox, kHaveSpt, box(textChars(u"* and *") + field(0x0FFA, 0) + field(0x0FF8, 6))),
        shape(kTextBox, kHaveSpt, box(textChars(u"on *") + field(0x0FF7, 3))),
        shape(kTextBox, kHaveSpt, box(textChars(u"x") + field(0x0FD8, 0))),  // the field's '*' is missing
    });
    footer.documentExtra = headersFooters(0x4 | 0x20, u"1 May", u"Foot");
    Deck slideFooter = footer;
    slideFooter.slides[0].extra = headersFooters(0x20, u"ignored: no user date", u"Own foot");

    Deck edited = oneSlide({shape(kTextBox, kHaveSpt, box(textChars(u"first save")))});
    edited.laterEdits = {{{2, slideContainer(slideOf({shape(kTextBox, kHaveSpt, box(textChars(u"second save")))}))}}};

    return {
        {"NoSlides", Deck{}, ""},
        {"WideAndNarrowText",
         oneSlide({shape(kTextBox, kHaveSpt, box(textChars(u"Wide \u2603 \U0001F600"))),
                   shape(kRectangle, kHaveSpt, box(textBytes("caf\xE9 \x80"))),
                   shape(kRectangle, kHaveSpt, box(textChars(u"")))}),
         "[1]\nframe: Wide \u2603 \U0001F600\nframe: caf\u00E9 \u0080\nframe: \n"},
        {"ParagraphsAndBreaksAsStored",
         oneSlide({shape(kTextBox, kHaveSpt, box(textChars(u"a\rb\vc\r"))),
                   shape(kTextBox, kHaveSpt, box(textChars(u"\r\r")))}),
         "[1]\nframe: a|b^c\nframe: |\n"},
        {"OutlineTextReference",
         oneSlide({shape(kRectangle, kHaveSpt, box(outlineTextRef(1)), placeholderData(14)),
                   shape(kRectangle, kHaveSpt, box(outlineTextRef(0)), placeholderData(13))},
                  {textHeader(0), textChars(u"Title"), textHeader(1), textBytes("Body\rtwo"), field(0x0FD8, 0)}),
         "[1]\nframe: Body|two\nframe: Title\n"},
        {"ShapeKinds",
         oneSlide({
             shape(kTextBox, kHaveSpt, box(textChars(u"text box"))),
             shape(kRectangle),
             shape(kRectangle, kHaveSpt, {}, placeholderData(15)),
             shape(0, kHaveSpt, box(textChars(u"freeform"))),
             shape(kPictureFrame, kHaveSpt, box(textChars(u"picture"))),
             shape(kLine),
             shape(kConnector),
             shape(kRectangle, kHaveSpt | kConnectorFlag),
             shape(kRectangle, kHaveSpt | kOle, box(textChars(u"ole"))),
             shape(kPictureFrame, kHaveSpt, {}, record(0x0BC1, u32s({1}))),
             shape(kRectangle, kHaveSpt, {}, record(0x0BC1, u32s({1}))),
             group({shape(kTextBox, kHaveSpt, box(textChars(u"inside a group")))}),
             shape(kTextBox, kHaveSpt | 0x8, box(textChars(u"deleted"))),
         }),
         "[1]\nframe: text box\nframe: \nframe: \nframe: freeform\nnone\nnone\nnone\nnone\nnone\nnone\nnone\nnone\n"},
        {"SlideNumberCountsFromFirstNumber", fields, "[1]\n[2]\nframe: Slide 10\n"},
        {"FooterAndDateFields", footer, "[1]\nframe: Foot and 1 May\nframe: on \nframe: x\n"},
        {"SlideOwnFooter", slideFooter, "[1]\nframe: Own foot and \nframe: on \nframe: x\n"},
        {"LastEditWins", edited, "[1]\nframe: second save\n"},
    };
}

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class LegacyRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(LegacyRead, AnswersSlidesShapesAndText)
{
    EXPECT_EQ(dump(readLegacy(deckFile(GetParam().deck))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Decks, LegacyRead, ::testing::ValuesIn(readCases()),
                         [](const auto& info) { return info.param.name; });

// Files that must not open, each with its reason.
struct RefuseCase {
    std::string name;
    std::function<std::string()> file;
    OpenFailure reason;
};

std::string fileOf(const std::string& document, const std::string& currentUser)
{
    return CompoundFileBuilder().add("PowerPoint Document", document).add("Current User", currentUser).build();
}

// The deck's streams after a change, as a compound file.
std::function<std::string()> patched(Deck deck, std::function<void(std::string& document, std::string& user)> change)
{
    return [=] {
        auto [document, user] = streams(deck);
        change(document, user);
        return fileOf(document, user);
    };
}

std::uint32_t u32At(const std::string& s, std::size_t at)
{
    return std::uint32_t(static_cast<unsigned char>(s[at]) | static_cast<unsigned char>(s[at + 1]) << 8
                         | static_cast<unsigned char>(s[at + 2]) << 16 | static_cast<unsigned char>(s[at + 3]) << 24);
}

std::uint32_t currentEdit(const std::string& user)
{
    return u32At(user, 16);
}

// Offsets of a user edit's fields in the document stream.
std::size_t previousEditField(std::uint32_t edit)
{
    return edit + 8 + 8;
}
std::size_t directoryField(std::uint32_t edit)
{
    return edit + 8 + 12;
}

std::vector<RefuseCase> refuseCases()
{
    const Deck plain = oneSlide({shape(kTextBox, kHaveSpt, box(textChars(u"hello")))});
    Deck encrypted = plain;
    encrypted.headerToken = 0xF3D1C4DF;
    return {
        {"EncryptedDeck", [=] { return deckFile(encrypted); }, OpenFailure::PasswordProtected},
        {"EncryptedPackage",
         [] { return CompoundFileBuilder().add("EncryptionInfo", "x").add("EncryptedPackage", "y").build(); },
         OpenFailure::PasswordProtected},
        {"FourPointZero", [] { return CompoundFileBuilder().add("PP40", std::string(100, 'x')).build(); },
         OpenFailure::TooOld},
        {"OldCurrentUser", patched(plain, [](std::string&, std::string& u) { putU32(u, 8, 0x10); }),
         OpenFailure::TooOld},
        {"NinetyFiveCurrentUser",
         [=] { return fileOf(streams(plain).first, lectavo::testing::ppt::u32s({8, 0, 0})); }, OpenFailure::TooOld},
        {"NotAPresentation", [] { return CompoundFileBuilder().add("WordDocument", "x").build(); },
         OpenFailure::NotAPresentation},
        {"NoCurrentUser",
         [=] { return CompoundFileBuilder().add("PowerPoint Document", streams(plain).first).build(); },
         OpenFailure::Damaged},
        {"EditOutsideStream", patched(plain, [](std::string&, std::string& u) { putU32(u, 16, 0x7FFFFFF0); }),
         OpenFailure::Damaged},
        {"EditChainCycle",
         patched(plain, [](std::string& d, std::string& u) { putU32(d, previousEditField(currentEdit(u)), currentEdit(u)); }),
         OpenFailure::Damaged},
        {"NotAnEdit", patched(plain, [](std::string&, std::string& u) { putU32(u, 16, 0); }), OpenFailure::Damaged},
        {"DocumentNotPersisted",
         patched(plain, [](std::string& d, std::string& u) { putU32(d, currentEdit(u) + 8 + 16, 77); }),
         OpenFailure::Damaged},
        {"RecordOverrunsContainer", patched(plain, [](std::string& d, std::string&) { putU32(d, 4, 0x100000); }),
         OpenFailure::Damaged},
        {"SlideListedTwice",
         [=] {
             Deck twice = plain;
             twice.slides.push_back(twice.slides[0]);
             auto [document, user] = streams(twice);
             const std::string entryHeader = record(0x03F3, std::string(20, '\0')).substr(0, 8);
             const std::size_t second = document.find(entryHeader, document.find(entryHeader) + 1);
             EXPECT_NE(second, std::string::npos);
             putU32(document, second + 8, 2);  // the second entry names the first slide again
             return fileOf(document, user);
         },
         OpenFailure::Damaged},
        {"SharedTextBeyondBounds",
         [] {
             std::vector<std::string> shapes(200, shape(kRectangle, kHaveSpt, box(outlineTextRef(0))));
             return deckFile(oneSlide(shapes, {textHeader(), textChars(std::u16string(100000, u'x'))}));
         },
         OpenFailure::TooLarge},
        {"EditsShareDirectory",
         [=] {
             Deck edited = plain;
             edited.laterEdits = {{{2, slideContainer(slideOf({}))}}};
             return patched(edited, [](std::string& d, std::string& u) {
                 const std::uint32_t previous = u32At(d, previousEditField(currentEdit(u)));
                 putU32(d, directoryField(currentEdit(u)), u32At(d, directoryField(previous)));
             })();
         },
         OpenFailure::Damaged},
        {"SlidesShareOneDrawing",
         [] {
             Deck shared;
             shared.slides = {slideOf(std::vector<std::string>(2000, shape(kTextBox))), Slide{}, Slide{}};
             return patched(shared, [](std::string& d, std::string& u) {
                 const std::size_t entries = u32At(d, directoryField(currentEdit(u))) + 8 + 4;
                 putU32(d, entries + 4 * 2, u32At(d, entries + 4 * 1));  // slides 2 and 3 name slide 1's record
                 putU32(d, entries + 4 * 3, u32At(d, entries + 4 * 1));
             })();
         },
         OpenFailure::Damaged},
        {"OutlineReferenceOutOfRange",
         [] { return deckFile(oneSlide({shape(kRectangle, kHaveSpt, box(outlineTextRef(3)))}, {textHeader()})); },
         OpenFailure::Damaged},
    };
}

void PrintTo(const RefuseCase& c, std::ostream* os)
{
    *os << c.name;
}

class LegacyRefuse : public ::testing::TestWithParam<RefuseCase> {};

TEST_P(LegacyRefuse, FailsWithItsReason)
{
    try {
        readLegacy(GetParam().file());
        FAIL() << "opened";
    } catch (const OpenError& e) {
        EXPECT_EQ(e.reason(), GetParam().reason) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Files, LegacyRefuse, ::testing::ValuesIn(refuseCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
