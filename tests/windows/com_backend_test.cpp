// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <objbase.h>

#include <functional>

#include "ScriptedServerControl.h"
#include "com/ComClass.h"
#include "com/ComDispatch.h"
#include "lectavo/convert/Automation.h"
#include "lectavo/convert/TextEncoding.h"

using namespace lectavo::automation;

namespace {

const char* const kApplicationClass = "PowerPoint.Application";

// Stands in for the built-in engine's registration: answers every read with its own name.
class StandIn : public Dispatch {
public:
    Value invoke(std::string_view, InvokeKind, std::span<const Value>) override { return Value(u"stand-in"); }
};

bool isCom(const Object& o) { return dynamic_cast<com::ComDispatch*>(o.dispatch().get()) != nullptr; }

std::string utf8(const std::u16string& s) { return lectavo::text::toUtf8(s); }

class ComBackend : public ::testing::Test {
protected:
    void SetUp() override { m_server.reset(); }
    void TearDown() override { EXPECT_EQ(m_server.liveObjects(), 0) << "a COM reference was not released"; }

    ScriptedServerControl m_server;
};

}  // namespace

TEST_F(ComBackend, InitialisesTheThreadApartmentThreaded)
{
    { Object app = createObject(kApplicationClass); }
    // A second initialisation of the same model only counts up; another model is refused.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    CoUninitialize();
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
}

// The calls a conversion makes for one file of two slides, in order, exactly as
// the server receives them: every access starts again from the application.
TEST_F(ComBackend, ContractCallsReachTheServerAsSent)
{
    std::vector<std::u16string> texts;
    {
        Object app = createObject(kApplicationClass);
        ASSERT_TRUE(isCom(app)) << "the installed application must answer before any registered stand-in";
        app.put("Visible", Value(true));
        app.put("WindowState", Value(std::int32_t(2)));
        app.object("Presentations").get("Open", {Value(u"C:\\Decks\\Plan.pptx")});
        const auto slides = app.object("ActivePresentation").object("Slides").get("Count").toInt();
        for (std::int32_t n = 1; n <= slides; ++n) {
            auto shapesOf = [&] {
                return app.object("ActiveWindow").object("Presentation").object("Slides").object("item", {Value(n)}).object("Shapes");
            };
            const auto shapes = shapesOf().get("Count").toInt();
            for (std::int32_t k = 1; k <= shapes; ++k) {
                if (shapesOf().object("item", {Value(k)}).get("HasTextFrame").toBool())
                    texts.push_back(
                        shapesOf().object("item", {Value(k)}).object("TextFrame").object("TextRange").get("Text").toText());
            }
        }
        app.object("ActiveWindow").object("Presentation").put("Saved", Value(true));
        app.object("ActiveWindow").call("Close");
        app.call("Quit");
    }

    EXPECT_EQ(texts, (std::vector<std::u16string>{u"Plan 2027", u"Z\u00FCrich \u2013 5 \u20AC", u"one\rtwo\vthree", u""}));

    const std::string shapesPath = "App.ActiveWindow get()\nWindow.Presentation get()\nPresentation.Slides get()\n";
    auto slideShapes = [&](int n) {
        return shapesPath + "Slides.item get(I4 " + std::to_string(n) + ")\nSlide.Shapes get()\n";
    };
    auto shape = [&](int n, int k) { return slideShapes(n) + "Shapes.item get(I4 " + std::to_string(k) + ")\n"; };
    auto text = [&](int n, int k) {
        return shape(n, k) + "Shape.TextFrame get()\nTextFrame.TextRange get()\nTextRange.Text get()\n";
    };
    std::string expected = "App.Visible put(BOOL -1)\n"
                           "App.WindowState put(I4 2)\n"
                           "App.Presentations get()\n"
                           "Presentations.Open get(BYREF VARIANT BSTR \"C:\\Decks\\Plan.pptx\")\n"
                           "App.ActivePresentation get()\nPresentation.Slides get()\nSlides.Count get()\n";
    expected += slideShapes(1) + "Shapes.Count get()\n";
    expected += shape(1, 1) + "Shape.HasTextFrame get()\n" + text(1, 1);
    expected += shape(1, 2) + "Shape.HasTextFrame get()\n";
    expected += shape(1, 3) + "Shape.HasTextFrame get()\n" + text(1, 3);
    expected += slideShapes(2) + "Shapes.Count get()\n";
    expected += shape(2, 1) + "Shape.HasTextFrame get()\n" + text(2, 1);
    expected += shape(2, 2) + "Shape.HasTextFrame get()\n" + text(2, 2);
    expected += "App.ActiveWindow get()\nWindow.Presentation get()\nPresentation.Saved put(BOOL -1)\n"
                "App.ActiveWindow get()\nWindow.Close method()\n"
                "App.Quit method()\n";
    EXPECT_EQ(utf8(m_server.log()), expected);
}

namespace {

struct FailureCase {
    std::string name;
    std::function<void(const Object& app)> action;
    ErrorCode code;
    std::string reason;  // a part of the error's text
};

std::vector<FailureCase> failureCases()
{
    auto openPlan = [](const Object& app) { app.object("Presentations").get("Open", {Value(u"C:\\Decks\\Plan.pptx")}); };
    return {
        {"UnknownMember", [](const Object& app) { app.get("SlideShowWindows"); }, ErrorCode::UnknownMember,
         "unknown member 'SlideShowWindows'"},
        {"UnknownMemberOnPut", [](const Object& app) { app.put("Visibility", Value(true)); },
         ErrorCode::UnknownMember, "unknown member 'Visibility'"},
        {"TypeMismatch", [](const Object& app) { app.put("WindowState", Value(u"minimised")); },
         ErrorCode::BadArguments, "'WindowState' (argument 1)"},
        {"ExceptionWithDescription",
         [](const Object& app) { app.object("Presentations").get("Open", {Value(u"C:\\Decks\\Missing.pptx")}); },
         ErrorCode::Failed, "'Open' failed: The file cannot be opened: C:\\Decks\\Missing.pptx [Scripted.Application]"},
        {"ExceptionForAnIndex",
         [openPlan](const Object& app) {
             openPlan(app);
             app.object("ActivePresentation").object("Slides").get("item", {Value(std::int32_t(3))});
         },
         ErrorCode::Failed, "Integer out of range. 3 is not in the valid range of 1 to 2."},
        {"BadIndex",
         [openPlan](const Object& app) {
             openPlan(app);
             app.object("ActivePresentation").object("Slides").object("item", {Value(std::int32_t(1))}).object("Shapes").get(
                 "item", {Value(std::int32_t(9))});
         },
         ErrorCode::IndexOutOfRange, "'item': index out of range"},
        {"NoActivePresentation", [](const Object& app) { app.object("ActiveWindow"); }, ErrorCode::Failed,
         "Invalid request. There is no active presentation."},
        {"NoTextFrame",
         [openPlan](const Object& app) {
             openPlan(app);
             app.object("ActivePresentation").object("Slides").object("item", {Value(std::int32_t(1))}).object("Shapes").object(
                 "item", {Value(std::int32_t(2))}).get("TextFrame");
         },
         ErrorCode::Failed, "cannot have a text frame"},
    };
}

class ComBackendFailure : public ComBackend, public ::testing::WithParamInterface<FailureCase> {};

}  // namespace

TEST_P(ComBackendFailure, BecomesTheLayersErrorWithAReadableReason)
{
    const auto& c = GetParam();
    try {
        Object app = createObject(kApplicationClass);
        c.action(app);
        ADD_FAILURE() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), c.code) << e.what();
        EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Com, ComBackendFailure, ::testing::ValuesIn(failureCases()),
                         [](const auto& info) { return info.param.name; });

namespace {

enum class Answer { Com, StandIn, Error };

struct CreationCase {
    std::string name;
    std::string className;
    bool standInRegistered;
    Answer answer;
    ErrorCode code = ErrorCode::Failed;
    std::string reason = {};
};

std::vector<CreationCase> creationCases()
{
    return {
        {"InstalledApplicationFirst", kApplicationClass, true, Answer::Com},
        {"InstalledApplicationAlone", kApplicationClass, false, Answer::Com},
        {"NotInstalledFallsBack", "Lectavo.NotInstalled", true, Answer::StandIn},
        {"ServerMissingFallsBack", "Lectavo.Broken", true, Answer::StandIn},
        {"UnknownEverywhere", "Lectavo.NotInstalled", false, Answer::Error, ErrorCode::UnknownClass,
         "'Lectavo.NotInstalled' is not a registered COM class"},
        {"ServerMissingNoFallback", "Lectavo.Broken", false, Answer::Error, ErrorCode::Failed,
         "cannot create 'Lectavo.Broken'"},
    };
}

class ComCreation : public ComBackend, public ::testing::WithParamInterface<CreationCase> {};

}  // namespace

TEST_P(ComCreation, TriesTheSystemFirstThenTheRegistry)
{
    const auto& c = GetParam();
    ClassRegistry registry;
    registry.setSystemResolver(com::createComObject);
    if (c.standInRegistered)
        registry.add(c.className, [] { return std::make_shared<StandIn>(); });
    try {
        Object o = registry.create(c.className);
        ASSERT_NE(c.answer, Answer::Error) << "created although nothing can answer";
        EXPECT_EQ(isCom(o), c.answer == Answer::Com);
        if (c.answer == Answer::StandIn) {
            EXPECT_EQ(o.get("Name").toText(), u"stand-in");
        }
    } catch (const Error& e) {
        ASSERT_EQ(c.answer, Answer::Error) << e.what();
        EXPECT_EQ(e.code(), c.code) << e.what();
        EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Com, ComCreation, ::testing::ValuesIn(creationCases()),
                         [](const auto& info) { return info.param.name; });
