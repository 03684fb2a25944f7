// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "ScriptedServerControl.h"
#include "WindowsTempDir.h"
#include "lectavo/convert/ConversionRun.h"
#include "lectavo/convert/TextEncoding.h"
#include "support/CallLog.h"
#include "support/RecordingHost.h"

using namespace lectavo;
using automation::ClassRegistry;
using automation::Dispatch;
using automation::DispatchPtr;
using automation::InvokeKind;
using automation::Value;
using convert::RunEnd;
using lectavo::testing::Row;

namespace {

constexpr LCID kEnglishUs = 0x0409;  // code page 1252

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "(missing)";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> filesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// What the server receives while the run converts one presentation; slides lists,
// for each slide, whether each of its shapes has a text frame.
std::string callsForFile(const std::string& path, const std::vector<std::vector<bool>>& slides)
{
    std::string calls = "App.Presentations get()\n"
                        "Presentations.Open method(BYREF VARIANT BSTR \"" + path + "\")\n"
                        "App.ActivePresentation get()\nPresentation.Slides get()\nSlides.Count get()\n";
    for (std::size_t n = 1; n <= slides.size(); ++n) {
        const std::string shapes = "App.ActiveWindow get()\nWindow.Presentation get()\nPresentation.Slides get()\n"
                                   "Slides.item get(I4 " + std::to_string(n) + ")\nSlide.Shapes get()\n";
        calls += shapes + "Shapes.Count get()\n";
        for (std::size_t k = 1; k <= slides[n - 1].size(); ++k) {
            const std::string shape = shapes + "Shapes.item get(I4 " + std::to_string(k) + ")\n";
            calls += shape + "Shape.HasTextFrame get()\n";
            if (slides[n - 1][k - 1])
                calls += shape + "Shape.TextFrame get()\nTextFrame.TextRange get()\nTextRange.Text get()\n";
        }
    }
    return calls + "App.ActiveWindow get()\nWindow.Presentation get()\nPresentation.Saved put(BOOL -1)\n"
                   "App.ActiveWindow get()\nWindow.Close method()\n";
}

// Stands in for the built-in engine's registration: an application whose presentations have no slides.
class EmptyDeckApplication : public Dispatch, public std::enable_shared_from_this<EmptyDeckApplication> {
public:
    explicit EmptyDeckApplication(int& calls) : m_calls(calls) {}
    Value invoke(std::string_view member, InvokeKind kind, std::span<const Value>) override
    {
        ++m_calls;
        if (kind != InvokeKind::Get)
            return {};
        if (automation::sameMember(member, "Count"))
            return Value(std::int32_t(0));
        return Value(DispatchPtr(shared_from_this()));
    }

private:
    int& m_calls;
};

class WindowsRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_locale = GetThreadLocale();
        SetThreadLocale(kEnglishUs);
        m_server.reset();
        m_host.folder = m_out.text();
    }
    void TearDown() override
    {
        ClassRegistry::global().remove(convert::kApplicationClass);
        EXPECT_TRUE(m_server.registerClasses());
        SetThreadLocale(m_locale);
        EXPECT_EQ(m_server.liveObjects(), 0) << "a COM reference was not released";
    }

    void registerStandIn()
    {
        ClassRegistry::global().add(std::string(convert::kApplicationClass),
                                    [this] { return std::make_shared<EmptyDeckApplication>(m_standInCalls); });
    }
    std::string serverLog() const { return text::toUtf8(m_server.log()); }
    std::string output(const std::string& name) const { return readFile(m_out.path() / name); }
    bool hostSaid(const std::string& line) const
    {
        const auto& lines = m_hostLog.lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    ScriptedServerControl m_server;
    WindowsTempDir m_out;
    lectavo::testing::CallLog m_hostLog;
    lectavo::testing::RecordingHost m_host{m_hostLog};
    int m_standInCalls = 0;

private:
    LCID m_locale = 0;
};

}  // namespace

// Two checked files and one unchecked between them, through the installed application:
// exactly the calls of the automation contract, in order, and the files in the ANSI code page.
TEST_F(WindowsRun, ConvertsTwoFilesThroughTheInstalledApplication)
{
    registerStandIn();  // the installed application answers first all the same
    m_host.rows = {Row{true, u"C:\\Decks\\Plan.pptx"}, Row{false, u"C:\\Decks\\Skipped.pptx"},
                   Row{true, u"D:\\Archive\\Notes.ppt"}};

    const auto result = convert::ConversionRun(m_host).run();

    EXPECT_EQ(result.end, RunEnd::Done);
    EXPECT_EQ(result.filesWritten, 2);
    EXPECT_EQ(serverLog(), "App.Visible put(BOOL -1)\nApp.WindowState put(I4 2)\n" +
                               callsForFile("C:\\Decks\\Plan.pptx", {{true, false, true}, {true, true}}) +
                               callsForFile("D:\\Archive\\Notes.ppt", {{true}}) + "App.Quit method()\n");
    EXPECT_EQ(m_standInCalls, 0);

    EXPECT_EQ(filesIn(m_out.path()), (std::vector<std::string>{"Notes.txt", "Plan.txt"}));
    EXPECT_EQ(output("Plan.txt"), "Plan 2027\r\nZ\xFCrich \x96 5 \x80\r\none\rtwo\vthree\r\n\r\n");
    EXPECT_EQ(output("Notes.txt"), "? loops\r\n");

    const std::string folder = text::toUtf8(m_host.folder);
    EXPECT_TRUE(hostSaid("host.status " + folder + "\\Plan.pptx"));
    EXPECT_TRUE(hostSaid("host.status " + folder + "\\Notes.ppt"));
    EXPECT_EQ(m_host.status, convert::kSucceededText);
    EXPECT_FALSE(m_host.progressVisible);
    EXPECT_EQ(m_host.openedFolders, std::vector<std::u16string>{m_host.folder});
    EXPECT_TRUE(m_host.errors.empty());
}

namespace {

struct EndCase {
    std::string name;
    bool installed;  // the scripted server is registered as the application
    bool standIn;    // a stand-in for the built-in engine is registered
    std::vector<Row> rows;
    RunEnd end;
    std::vector<std::u16string> errors;
    std::u16string status;
    std::vector<std::string> files;  // what the output folder holds afterwards
    std::string serverLogEnd;        // how the server's log ends; empty: the server was not used
    bool standInUsed = false;
    std::string hostLine = {};  // a line the host must have been told
};

void PrintTo(const EndCase& c, std::ostream* os) { *os << c.name; }

const Row kPlan{true, u"C:\\Decks\\Plan.pptx"};
const Row kMissing{true, u"C:\\Decks\\Missing.pptx"};
const Row kNotes{true, u"C:\\Decks\\Notes.ppt"};

std::vector<EndCase> endCases()
{
    const std::u16string done(convert::kSucceededText);
    return {
        {"OpenFails", true, false, {kPlan, kMissing, kNotes}, RunEnd::OpenFailed,
         {std::u16string(convert::kOpenFailedText)}, u"", {"Plan.txt"},
         "Presentations.Open method(BYREF VARIANT BSTR \"C:\\Decks\\Missing.pptx\")\nApp.Quit method()\n", false,
         "host.openFailed C:\\Decks\\Missing.pptx: 'Open' failed: The file cannot be opened: "
         "C:\\Decks\\Missing.pptx [Scripted.Application]"},
        {"EmptyPresentation", true, false, {{true, u"C:\\Decks\\Empty.pptx"}}, RunEnd::Done, {}, done, {"Empty.txt"},
         "Window.Close method()\nApp.Quit method()\n"},
        {"NotInstalledBuiltInAnswers", false, true, {kPlan}, RunEnd::Done, {}, done, {"Plan.txt"}, "", true},
        {"NeitherCanBeCreated", false, false, {kPlan}, RunEnd::ConnectFailed,
         {std::u16string(convert::kConnectFailedText)}, u"(before)", {}, ""},
    };
}

class WindowsRunEnd : public WindowsRun, public ::testing::WithParamInterface<EndCase> {};

}  // namespace

TEST_P(WindowsRunEnd, EndsAsTheApplicationAnswers)
{
    const auto& c = GetParam();
    if (!c.installed) {
        ASSERT_TRUE(m_server.unregisterClasses());
    }
    if (c.standIn)
        registerStandIn();
    m_host.rows = c.rows;

    const auto result = convert::ConversionRun(m_host).run();

    EXPECT_EQ(result.end, c.end);
    EXPECT_EQ(m_host.errors, c.errors);
    EXPECT_EQ(text::toUtf8(m_host.status), text::toUtf8(c.status));
    EXPECT_EQ(filesIn(m_out.path()), c.files);
    for (const auto& name : c.files) {
        if (name != "Plan.txt" || c.standInUsed) {
            EXPECT_EQ(output(name), "") << name;
        }
    }
    const std::string log = serverLog();
    if (c.serverLogEnd.empty()) {
        EXPECT_EQ(log, "");
    } else {
        ASSERT_GE(log.size(), c.serverLogEnd.size()) << log;
        EXPECT_EQ(log.substr(log.size() - c.serverLogEnd.size()), c.serverLogEnd) << log;
    }
    EXPECT_EQ(m_standInCalls > 0, c.standInUsed);
    if (!c.hostLine.empty()) {
        EXPECT_TRUE(hostSaid(c.hostLine)) << m_hostLog.dump();
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowsRunEnd, ::testing::ValuesIn(endCases()),
                         [](const auto& info) { return info.param.name; });
