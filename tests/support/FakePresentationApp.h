// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "lectavo/convert/Automation.h"
#include "lectavo/convert/TextEncoding.h"
#include "support/CallLog.h"

// A scripted stand-in for the presentation application's object model: decks by path,
// failures on demand, every call written to a CallLog. Gets with arguments are logged as
// item[1], method calls as Close() or Open("path"), puts as Saved=true.
namespace lectavo::testing {

struct FakeShape {
    bool hasTextFrame = true;
    std::u16string text;
    bool broken = false;  // reaching this shape fails
};
inline FakeShape textShape(std::u16string text) { return {true, std::move(text), false}; }
inline FakeShape pictureShape() { return {false, {}, false}; }
inline FakeShape brokenShape() { return {true, {}, true}; }

using FakeSlide = std::vector<FakeShape>;
using FakeDeck = std::vector<FakeSlide>;

class FakePresentationApp {
public:
    explicit FakePresentationApp(CallLog& log) : m_log(log) {}

    std::map<std::u16string, FakeDeck> decks;  // a path not listed fails to open
    std::set<std::string> failingMembers;     // members that fail wherever they are called
    bool refuseCreation = false;

    // Registers the fake under the given class name; every creation is logged.
    void registerIn(automation::ClassRegistry& registry, const std::string& className = "PowerPoint.Application");

    bool applicationAlive() const { return !m_app.expired(); }
    bool quitCalled() const { return m_quit; }
    std::size_t openCount() const { return m_open.size(); }

private:
    enum class Kind { App, Presentations, Presentation, Window, Slides, Slide, Shapes, Shape, TextFrame, TextRange };
    class Node;
    friend class Node;

    automation::DispatchPtr node(Kind kind, int slide = 0, int shape = 0);
    const FakeDeck& activeDeck() const;

    CallLog& m_log;
    std::weak_ptr<automation::Dispatch> m_app;
    std::vector<std::u16string> m_open;  // the last one is active
    bool m_quit = false;
};

class FakePresentationApp::Node : public automation::Dispatch {
public:
    Node(FakePresentationApp& app, Kind kind, int slide, int shape)
        : m_app(app), m_kind(kind), m_slide(slide), m_shape(shape)
    {
    }

    automation::Value invoke(std::string_view member, automation::InvokeKind kind,
                             std::span<const automation::Value> args) override
    {
        using namespace automation;
        std::string text(member);
        if (kind == InvokeKind::Put)
            text += "=" + render(args[0]);
        else if (kind == InvokeKind::Method || !args.empty()) {
            std::string list;
            for (const auto& a : args)
                list += (list.empty() ? "" : ",") + render(a);
            text += kind == InvokeKind::Method ? "(" + list + ")" : "[" + list + "]";
        }
        if (m_kind == Kind::App)
            m_app.m_log.line("App." + text);
        else
            m_app.m_log.extend(text);

        if (m_app.failingMembers.count(std::string(member)))
            throw Error(ErrorCode::Failed, "scripted failure of " + std::string(member));
        return answer(member, kind, args);
    }

private:
    static std::string render(const automation::Value& v)
    {
        if (v.isBool())
            return v.toBool() ? "true" : "false";
        if (v.isInt())
            return std::to_string(v.toInt());
        if (v.isText())
            return "\"" + text::toUtf8(v.toText()) + "\"";
        return v.isEmpty() ? "empty" : "object";
    }

    automation::Value answer(std::string_view m, automation::InvokeKind kind, std::span<const automation::Value> args)
    {
        using namespace automation;
        auto is = [&](std::string_view name) { return sameMember(m, name); };
        auto& app = m_app;
        switch (m_kind) {
        case Kind::App:
            if (is("Visible") || is("WindowState"))
                return {};
            if (is("Presentations"))
                return app.node(Kind::Presentations);
            if (is("ActivePresentation"))
                return app.node(Kind::Presentation);
            if (is("ActiveWindow"))
                return app.node(Kind::Window);
            if (is("Quit")) {
                app.m_quit = true;
                app.m_open.clear();
                return {};
            }
            break;
        case Kind::Presentations:
            if (is("Open")) {
                const auto& path = args[0].toText();
                if (!app.decks.count(path))
                    throw Error(ErrorCode::Failed, "cannot open");
                app.m_open.push_back(path);
                return {};
            }
            break;
        case Kind::Window:
            if (is("Presentation"))
                return app.node(Kind::Presentation);
            if (is("Close")) {
                app.m_open.pop_back();
                return {};
            }
            break;
        case Kind::Presentation:
            if (is("Slides"))
                return app.node(Kind::Slides);
            if (is("Saved"))
                return {};
            break;
        case Kind::Slides:
            if (is("Count"))
                return std::int32_t(app.activeDeck().size());
            if (is("item"))
                return app.node(Kind::Slide, args[0].toInt());
            break;
        case Kind::Slide:
            if (is("Shapes"))
                return app.node(Kind::Shapes, m_slide);
            break;
        case Kind::Shapes: {
            const auto& shapes = app.activeDeck().at(m_slide - 1);
            if (is("Count"))
                return std::int32_t(shapes.size());
            if (is("item")) {
                int k = args[0].toInt();
                if (shapes.at(k - 1).broken)
                    throw Error(ErrorCode::Failed, "broken shape");
                return app.node(Kind::Shape, m_slide, k);
            }
            break;
        }
        case Kind::Shape:
            if (is("HasTextFrame"))
                return std::int32_t(shape().hasTextFrame ? -1 : 0);
            if (is("TextFrame"))
                return app.node(Kind::TextFrame, m_slide, m_shape);
            break;
        case Kind::TextFrame:
            if (is("TextRange"))
                return app.node(Kind::TextRange, m_slide, m_shape);
            break;
        case Kind::TextRange:
            if (is("Text"))
                return shape().text;
            break;
        }
        (void)kind;
        throw Error(ErrorCode::UnknownMember, "unknown member " + std::string(m));
    }

    const FakeShape& shape() const { return m_app.activeDeck().at(m_slide - 1).at(m_shape - 1); }

    FakePresentationApp& m_app;
    Kind m_kind;
    int m_slide;
    int m_shape;
};

inline automation::DispatchPtr FakePresentationApp::node(Kind kind, int slide, int shape)
{
    return std::make_shared<Node>(*this, kind, slide, shape);
}

inline const FakeDeck& FakePresentationApp::activeDeck() const
{
    if (m_open.empty())
        throw automation::Error(automation::ErrorCode::Failed, "no presentation is open");
    return decks.at(m_open.back());
}

inline void FakePresentationApp::registerIn(automation::ClassRegistry& registry, const std::string& className)
{
    registry.add(className, [this, className]() -> automation::DispatchPtr {
        m_log.line("create " + className);
        if (refuseCreation)
            throw std::runtime_error("not installed");
        auto app = node(Kind::App);
        m_app = app;
        return app;
    });
}

}  // namespace lectavo::testing
