// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <objbase.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "ScriptedServerControl.h"
#include "com/ComClass.h"
#include "com/ComDispatch.h"
#include "lectavo/convert/Automation.h"

using namespace lectavo::automation;

namespace {

const char* const kApplicationClass = "PowerPoint.Application";

// Stands in for the built-in engine's registration: answers every read with its own name.
class StandIn : public Dispatch {
public:
    Value invoke(std::string_view, InvokeKind, std::span<const Value>) override { return Value(u"stand-in"); }
};

bool isCom(const Object& o) { return dynamic_cast<com::ComDispatch*>(o.dispatch().get()) != nullptr; }

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

namespace {

struct FailureCase {
    std::string name;
    std::function<void(const Object& app)> action;
    ErrorCode code;
    std::string reason;  // a part of the error's text
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

std::vector<FailureCase> failureCases()
{
    auto openPlan = [](const Object& app) { app.object("Presentations").get("Open", {Value(u"C:\\Decks\\Plan.pptx")}); };
    return {
        {"UnknownMember", [](const Object& app) { app.get("SlideShowWindows"); }, ErrorCode::UnknownMember,
         "unknown member 'SlideShowWindows': Unknown name. (0x80020006)"},
        {"UnknownMemberOnPut", [](const Object& app) { app.put("Visibility", Value(true)); },
         ErrorCode::UnknownMember, "unknown member 'Visibility'"},
        {"ServerGoneAway", [](const Object& app) { app.get("Disconnected"); }, ErrorCode::Failed,
         "cannot look up 'Disconnected': The object invoked has disconnected from its clients."},
        {"TypeMismatch", [](const Object& app) { app.put("WindowState", Value(u"minimised")); },
         ErrorCode::BadArguments, "'WindowState' (argument 1): Type mismatch."},
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
         ErrorCode::IndexOutOfRange, "'item': index out of range: Invalid index."},
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

void PrintTo(const CreationCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<CreationCase> creationCases()
{
    return {
        {"InstalledApplicationFirst", kApplicationClass, true, Answer::Com},
        {"InstalledApplicationAlone", kApplicationClass, false, Answer::Com},
        {"NotInstalledFallsBack", "Lectavo.NotInstalled", true, Answer::StandIn},
        {"ServerMissingFallsBack", "Lectavo.Broken", true, Answer::StandIn},
        {"UnknownEverywhere", "Lectavo.NotInstalled", false, Answer::Error, ErrorCode::UnknownClass,
         "'Lectavo.NotInstalled' is not a registered COM class: Invalid class string."},
        {"ServerMissingNoFallback", "Lectavo.Broken", false, Answer::Error, ErrorCode::Failed,
         "cannot create 'Lectavo.Broken': "},
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

namespace {

std::filesystem::path besideThisProgram(const wchar_t* name)
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path() / name;
}

std::string readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

// The same calls reach a local server in its own process, the text passed by reference included.
TEST(ComLocalServer, CallsCrossTheProcessBoundaryAsSent)
{
    const auto log = besideThisProgram(L"scripted_local_server.log");
    std::filesystem::remove(log);
    {
        ClassRegistry registry;
        registry.setSystemResolver(com::createComObject);
        Object app = registry.create("Lectavo.ScriptedLocal");
        ASSERT_TRUE(isCom(app));
        app.put("Visible", Value(true));
        app.object("Presentations").call("Open", {Value(u"C:\\Decks\\Notes.ppt")});
        EXPECT_EQ(app.object("ActivePresentation").object("Slides").get("Count").toInt(), 1);
        EXPECT_EQ(app.object("ActiveWindow")
                      .object("Presentation")
                      .object("Slides")
                      .object("item", {Value(std::int32_t(1))})
                      .object("Shapes")
                      .object("item", {Value(std::int32_t(1))})
                      .object("TextFrame")
                      .object("TextRange")
                      .get("Text")
                      .toText(),
                  u"\u221E loops");
        app.object("ActiveWindow").call("Close");
        app.call("Quit");
    }
    // The IDispatch stub hands the server a result variant on every call, so whether
    // a result was asked for cannot be seen across processes.
    std::string calls = readAll(log);
    for (auto at = calls.find("[result asked]"); at != std::string::npos; at = calls.find("[result asked]"))
        calls.erase(at, std::string_view("[result asked]").size());
    EXPECT_EQ(calls, "App.Visible put(BOOL -1)\n"
                            "App.Presentations get()\n"
                            "Presentations.Open method(BYREF VARIANT BSTR \"C:\\Decks\\Notes.ppt\")\n"
                            "App.ActivePresentation get()\nPresentation.Slides get()\nSlides.Count get()\n"
                            "App.ActiveWindow get()\nWindow.Presentation get()\nPresentation.Slides get()\n"
                            "Slides.item get(I4 1)\nSlide.Shapes get()\nShapes.item get(I4 1)\n"
                            "Shape.TextFrame get()\nTextFrame.TextRange get()\nTextRange.Text get()\n"
                            "App.ActiveWindow get()\nWindow.Close method()\n"
                            "App.Quit method()\n");
    std::filesystem::remove(log);
}
