// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "lectavo/convert/BuiltinEngine.h"
#include "support/Packages.h"
#include "support/RunChain.h"

namespace {

using namespace lectavo::automation;
using lectavo::deckwriter::TextShape;
using lectavo::testing::deckBytes;
using lectavo::testing::slide;
using Role = TextShape::Role;

// Two decks on disk: "two" (two slides, pictures, a shape without text body) and "one".
class Decks {
public:
    Decks() : m_dir(std::filesystem::temp_directory_path() / ("lectavo-binding-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(m_dir);
        write("two.pptx", deckBytes({slide({{Role::Title, "Café"}, {Role::Body, "a\nb\vc"}}, {{32, 32}}),
                                     slide({{Role::Rectangle, ""}, {Role::SlideNumber, "9"}}, {}, true)}));
        write("one.pptx", deckBytes({slide({{Role::TextBox, "only"}})}));
        write("broken.pptx", "PK\x03\x04 not really");
    }
    ~Decks() { std::filesystem::remove_all(m_dir); }
    std::u16string path(const char* name) const { return lectavo::text::fromUtf8((m_dir / name).string()); }
    std::string path8(const char* name) const { return (m_dir / name).string(); }

private:
    void write(const char* name, const std::string& bytes)
    {
        std::ofstream((m_dir / name).string(), std::ios::binary) << bytes;
    }
    std::filesystem::path m_dir;
};

const Decks& decks()
{
    static const Decks instance;
    return instance;
}

Object newApplication()
{
    registerBuiltinEngine();
    return createObject("PowerPoint.Application");
}

std::string show(const Value& v)
{
    if (v.isEmpty()) return "empty";
    if (v.isBool()) return v.toBool() ? "bool true" : "bool false";
    if (v.isInt()) return "int " + std::to_string(v.toInt());
    if (v.isText()) return "text " + lectavo::text::toUtf8(v.toText());
    return "object";
}

std::string errorName(ErrorCode code)
{
    switch (code) {
    case ErrorCode::UnknownMember: return "error UnknownMember";
    case ErrorCode::BadArguments: return "error BadArguments";
    case ErrorCode::IndexOutOfRange: return "error IndexOutOfRange";
    case ErrorCode::NoObject: return "error NoObject";
    case ErrorCode::UnknownClass: return "error UnknownClass";
    case ErrorCode::Failed: return "error Failed";
    }
    return "error ?";
}

// ---- Each member, with "two.pptx" open ----

struct MemberCase {
    std::string name;
    std::function<Value(const Object& app)> call;
    std::string expected;  // show() of the result, or "error <code>"
};

void PrintTo(const MemberCase& c, std::ostream* os) { *os << c.name; }

Object slides(const Object& app) { return app.object("ActiveWindow").object("Presentation").object("Slides"); }
Object shape(const Object& app, int slideNo, int shapeNo)
{
    return slides(app).object("item", {slideNo}).object("Shapes").object("item", {shapeNo});
}

std::vector<MemberCase> memberCases()
{
    return {
        {"SlideCount", [](auto& app) { return app.object("ActivePresentation").object("Slides").get("Count"); }, "int 2"},
        {"ShapeCount", [](auto& app) { return slides(app).object("item", {1}).object("Shapes").get("Count"); }, "int 3"},
        {"HasTextFrameTrueAsMinusOne", [](auto& app) { return shape(app, 1, 1).get("HasTextFrame"); }, "int -1"},
        {"PictureHasNoTextFrame", [](auto& app) { return shape(app, 1, 3).get("HasTextFrame"); }, "int 0"},
        {"Text", [](auto& app) { return shape(app, 1, 2).object("TextFrame").object("TextRange").get("Text"); },
         "text a\rb\vc"},
        {"NonAsciiText", [](auto& app) { return shape(app, 1, 1).object("TextFrame").object("TextRange").get("Text"); },
         "text Café"},
        {"FrameWithoutTextBody",
         [](auto& app) { return shape(app, 2, 1).object("TextFrame").object("TextRange").get("Text"); }, "text "},
        {"SlideNumberOnHiddenSlide",
         [](auto& app) { return shape(app, 2, 2).object("TextFrame").object("TextRange").get("Text"); }, "text 2"},
        {"NamesIgnoreCase",
         [](auto& app) { return app.object("activepresentation").object("SLIDES").object("Item", {2}).object("shapes").get("COUNT"); },
         "int 2"},
        {"VisiblePutThenGet", [](auto& app) { app.put("Visible", true); return app.get("Visible"); }, "bool true"},
        {"WindowStatePutThenGet",
         [](auto& app) { app.put("WindowState", std::int32_t(2)); return app.get("WindowState"); }, "int 2"},
        {"SavedPutThenGet",
         [](auto& app) {
             app.object("ActiveWindow").object("Presentation").put("Saved", false);
             return app.object("ActivePresentation").get("Saved");
         },
         "bool false"},
        {"UnknownMember", [](auto& app) { return app.object("ActivePresentation").get("FullName"); }, "error UnknownMember"},
        {"PutOfReadOnly", [](auto& app) { slides(app).put("Count", std::int32_t(3)); return Value(); }, "error BadArguments"},
        {"PutOfText",
         [](auto& app) { shape(app, 1, 1).object("TextFrame").object("TextRange").put("Text", u"x"); return Value(); },
         "error BadArguments"},
        {"PropertyWithArgument", [](auto& app) { return slides(app).get("Count", {std::int32_t(1)}); }, "error BadArguments"},
        {"ItemWithoutIndex", [](auto& app) { return slides(app).get("item"); }, "error BadArguments"},
        {"ItemByText", [](auto& app) { return slides(app).get("item", {u"1"}); }, "error BadArguments"},
        {"ItemZero", [](auto& app) { return slides(app).get("item", {std::int32_t(0)}); }, "error IndexOutOfRange"},
        {"ItemPastCount", [](auto& app) { return slides(app).get("item", {std::int32_t(3)}); }, "error IndexOutOfRange"},
        {"ShapePastCount",
         [](auto& app) { return slides(app).object("item", {1}).object("Shapes").get("item", {std::int32_t(4)}); },
         "error IndexOutOfRange"},
        {"TextFrameOfPicture", [](auto& app) { return shape(app, 1, 3).get("TextFrame"); }, "error Failed"},
        {"WindowStateOutOfRange", [](auto& app) { app.put("WindowState", std::int32_t(7)); return Value(); }, "error Failed"},
        {"OpenMissingFile",
         [](auto& app) { app.object("Presentations").call("Open", {decks().path("missing.pptx")}); return Value(); },
         "error Failed"},
        {"OpenBrokenFile",
         [](auto& app) { app.object("Presentations").call("Open", {decks().path("broken.pptx")}); return Value(); },
         "error Failed"},
        {"OpenWithoutText",
         [](auto& app) { app.object("Presentations").call("Open", {std::int32_t(1)}); return Value(); },
         "error BadArguments"},
        {"QuitAsPut", [](auto& app) { app.put("Quit", true); return Value(); }, "error BadArguments"},
        {"CloseWithArgument",
         [](auto& app) { app.object("ActiveWindow").call("Close", {true}); return Value(); }, "error BadArguments"},
    };
}

class Member : public ::testing::TestWithParam<MemberCase> {};

TEST_P(Member, Answers)
{
    const Object app = newApplication();
    app.object("Presentations").call("Open", {decks().path("two.pptx")});
    std::string actual;
    try {
        actual = show(GetParam().call(app));
    } catch (const Error& e) {
        actual = errorName(e.code());
        EXPECT_NE(std::string(e.what()), "");
    }
    EXPECT_EQ(actual, GetParam().expected);
    app.call("Quit");
}

INSTANTIATE_TEST_SUITE_P(BuiltinEngine, Member, ::testing::ValuesIn(memberCases()),
                         [](const auto& info) { return info.param.name; });

// ---- Lifecycle of the application, windows and presentations ----

ErrorCode codeOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Error& e) {
        return e.code();
    }
    ADD_FAILURE() << "no error";
    return ErrorCode::Failed;
}

TEST(BuiltinEngine, RunChainGivesTheOutputBytes)
{
    const Object app = newApplication();
    app.put("Visible", true);
    app.put("WindowState", std::int32_t(2));
    EXPECT_EQ(lectavo::testing::convertThroughAutomation(app, decks().path8("two.pptx")),
              "Caf\xC3\xA9\r\na\rb\vc\r\n\r\n2\r\n");
    EXPECT_EQ(lectavo::testing::convertThroughAutomation(app, decks().path8("one.pptx")), "only\r\n");
    app.call("Quit");
}

TEST(BuiltinEngine, NothingOpenIsAnError)
{
    const Object app = newApplication();
    EXPECT_EQ(codeOf([&] { app.get("ActivePresentation"); }), ErrorCode::Failed);
    EXPECT_EQ(codeOf([&] { app.get("ActiveWindow"); }), ErrorCode::Failed);
}

TEST(BuiltinEngine, LastOpenedIsActiveAndClosingReturnsToThePrevious)
{
    const Object app = newApplication();
    app.object("Presentations").call("Open", {decks().path("two.pptx")});
    app.object("Presentations").call("Open", {decks().path("one.pptx")});
    EXPECT_EQ(app.object("ActivePresentation").object("Slides").get("Count").toInt(), 1);
    app.object("ActiveWindow").call("Close");
    EXPECT_EQ(app.object("ActiveWindow").object("Presentation").object("Slides").get("Count").toInt(), 2);
    app.object("ActiveWindow").call("Close");
    EXPECT_EQ(codeOf([&] { app.get("ActiveWindow"); }), ErrorCode::Failed);
}

TEST(BuiltinEngine, ObjectsOfAClosedPresentationFail)
{
    const Object app = newApplication();
    const Object opened = app.object("Presentations").object("Open", {decks().path("two.pptx")});
    const Object window = app.object("ActiveWindow");
    const Object heldSlides = opened.object("Slides");
    const Object heldShape = heldSlides.object("item", {1}).object("Shapes").object("item", {1});
    app.object("Presentations").call("Open", {decks().path("one.pptx")});

    window.call("Close");  // not the active window: closes "two", "one" stays active
    EXPECT_EQ(app.object("ActivePresentation").object("Slides").get("Count").toInt(), 1);
    EXPECT_EQ(codeOf([&] { heldSlides.get("Count"); }), ErrorCode::Failed);
    EXPECT_EQ(codeOf([&] { heldShape.get("HasTextFrame"); }), ErrorCode::Failed);
    EXPECT_EQ(codeOf([&] { window.call("Close"); }), ErrorCode::Failed);
}

TEST(BuiltinEngine, QuitClosesEverything)
{
    const Object app = newApplication();
    app.object("Presentations").call("Open", {decks().path("two.pptx")});
    const Object heldSlides = app.object("ActivePresentation").object("Slides");
    app.call("Quit");
    EXPECT_EQ(codeOf([&] { heldSlides.get("Count"); }), ErrorCode::Failed);
    EXPECT_EQ(codeOf([&] { app.get("Presentations"); }), ErrorCode::Failed);
    EXPECT_EQ(codeOf([&] { app.put("Visible", true); }), ErrorCode::Failed);
    app.call("Quit");
}

TEST(BuiltinEngine, RegisteredByClassNameEachObjectIndependent)
{
    ClassRegistry registry;
    registerBuiltinEngine(registry);
    EXPECT_TRUE(registry.contains("powerpoint.application"));
    const Object first = registry.create("PowerPoint.Application");
    const Object second = registry.create("POWERPOINT.APPLICATION");
    first.object("Presentations").call("Open", {decks().path("one.pptx")});
    EXPECT_EQ(codeOf([&] { second.get("ActivePresentation"); }), ErrorCode::Failed);
    EXPECT_EQ(codeOf([&] { registry.create("Impress.Application"); }), ErrorCode::UnknownClass);
}

}  // namespace
