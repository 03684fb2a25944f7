// SPDX-License-Identifier: MIT
#include "lectavo/convert/BuiltinEngine.h"

#include <algorithm>
#include <vector>

#include "lectavo/convert/TextEncoding.h"
#include "lectavo/engine/Application.h"
#include "lectavo/engine/OpenError.h"

namespace lectavo::automation {

namespace {

namespace eng = lectavo::engine;

struct Session;

// One opened presentation as the automation objects see it. The session owns
// it while its window is open; objects reached from it refer to it weakly and
// fail once it is closed, as the application's own objects do. The objects of
// the run's chains are made once and kept here, so a chain costs no allocation
// until the shape.
struct OpenPresentation {
    OpenPresentation(eng::Presentation* p, std::weak_ptr<Session> s) : presentation(p), session(std::move(s)) {}

    eng::Presentation* presentation;
    std::weak_ptr<Session> session;
    bool open = true;
    DispatchPtr window, presentationObject, slides;
    std::vector<DispatchPtr> slideObjects, shapesObjects;  // by slide, made on first use
};
using PresentationRef = std::shared_ptr<OpenPresentation>;
using WeakPresentation = std::weak_ptr<OpenPresentation>;

struct Session {
    eng::Application app;
    std::vector<PresentationRef> windows;  // in the application's order; the last one is active

    const PresentationRef& active()
    {
        app.activeWindowPresentation();  // throws the application's own error when none is open
        return windows.back();
    }
    void close(const PresentationRef& ref)
    {
        app.close(*ref->presentation);
        ref->open = false;
        windows.erase(std::find(windows.begin(), windows.end(), ref));
    }
    void quit()
    {
        app.quit();
        for (const PresentationRef& ref : windows)
            ref->open = false;
        windows.clear();
    }
};
using SessionPtr = std::shared_ptr<Session>;

// One incoming call: its member name, kind and arguments, with the checks every member shares.
class Call {
public:
    Call(const char* object, std::string_view member, InvokeKind kind, std::span<const Value> args)
        : m_object(object), m_member(member), m_kind(kind), m_args(args)
    {
    }

    bool is(std::string_view name) const { return sameMember(m_member, name); }

    // A read-only property.
    void get() const
    {
        if (m_kind != InvokeKind::Get || !m_args.empty())
            bad(m_kind == InvokeKind::Put ? "is read-only" : "is a property without arguments");
    }
    // A read-write property: true for a put (its value is arg(0)), false for a get.
    bool put() const
    {
        if (m_kind == InvokeKind::Put && m_args.size() == 1)
            return true;
        if (m_kind == InvokeKind::Get && m_args.empty())
            return false;
        bad("is a property without arguments");
    }
    // A method taking minArgs to maxArgs arguments.
    void method(std::size_t minArgs, std::size_t maxArgs) const
    {
        if (m_kind == InvokeKind::Put)
            bad("is a method");
        if (m_args.size() < minArgs || m_args.size() > maxArgs)
            bad("takes " + std::to_string(minArgs) + (minArgs == maxArgs ? "" : " to " + std::to_string(maxArgs)) +
                " argument" + (maxArgs == 1 ? "" : "s"));
    }
    const Value& arg(std::size_t i) const { return m_args[i]; }

    [[noreturn]] void unknown() const
    {
        throw Error(ErrorCode::UnknownMember,
                    std::string("the ") + m_object + " object has no member '" + std::string(m_member) + "'");
    }
    [[noreturn]] void bad(const std::string& why) const
    {
        throw Error(ErrorCode::BadArguments, std::string(m_object) + "." + std::string(m_member) + " " + why);
    }

private:
    const char* m_object;
    std::string_view m_member;
    InvokeKind m_kind;
    std::span<const Value> m_args;
};

// The engine's failures become the layer's one exception, with the engine's text.
template <typename F>
Value guarded(F&& body)
{
    try {
        return body();
    } catch (const Error&) {
        throw;
    } catch (const std::exception& e) {
        throw Error(ErrorCode::Failed, e.what());
    }
}

std::int32_t index(const Call& call, std::size_t count, const char* what)
{
    call.method(1, 1);
    const std::int32_t n = call.arg(0).toInt();
    if (n < 1 || static_cast<std::size_t>(n) > count)
        throw Error(ErrorCode::IndexOutOfRange, std::string(what) + " " + std::to_string(n) + " is out of range (1 to " +
                                                    std::to_string(count) + ")");
    return n;
}

// Every object below a presentation reaches its content through this.
class InPresentation : public Dispatch {
protected:
    explicit InPresentation(WeakPresentation ref) : m_ref(std::move(ref)) {}

    PresentationRef open() const
    {
        PresentationRef ref = m_ref.lock();
        if (!ref || !ref->open)
            throw Error(ErrorCode::Failed, "the presentation has been closed");
        return ref;
    }

    WeakPresentation m_ref;
};

// The object cached in slot, made by make() the first time.
template <typename Make>
const DispatchPtr& cached(DispatchPtr& slot, Make&& make)
{
    if (!slot)
        slot = make();
    return slot;
}

// An object that stands for one shape of an open presentation, or a part of it.
class OnShape : public InPresentation {
public:
    OnShape(WeakPresentation ref, std::size_t slide, std::size_t shape)
        : InPresentation(std::move(ref)), m_slide(slide), m_shape(shape)
    {
    }

protected:
    const eng::Shape& shape() const { return open()->presentation->document().slides[m_slide].shapes[m_shape]; }

    std::size_t m_slide, m_shape;
};

class TextRangeObject final : public OnShape {
public:
    using OnShape::OnShape;
    Value invoke(std::string_view member, InvokeKind kind, std::span<const Value> args) override
    {
        const Call call("TextRange", member, kind, args);
        if (call.is("Text")) {
            call.get();
            return shape().text;
        }
        call.unknown();
    }
};

class TextFrameObject final : public OnShape {
public:
    using OnShape::OnShape;
    Value invoke(std::string_view member, InvokeKind kind, std::span<const Value> args) override
    {
        const Call call("TextFrame", member, kind, args);
        if (call.is("TextRange")) {
            call.get();
            open();
            return DispatchPtr(std::make_shared<TextRangeObject>(m_ref, m_slide, m_shape));
        }
        call.unknown();
    }
};

class ShapeObject final : public OnShape {
public:
    using OnShape::OnShape;
    Value invoke(std::string_view member, InvokeKind kind, std::span<const Value> args) override
    {
        const Call call("Shape", member, kind, args);
        if (call.is("HasTextFrame")) {
            call.get();
            // A tri-state as the application answers it: -1 true, 0 false.
            return std::int32_t(shape().hasTextFrame ? -1 : 0);
        }
        if (call.is("TextFrame")) {
            call.get();
            if (!shape().hasTextFrame)
                throw Error(ErrorCode::Failed, "the shape has no text frame");
            return DispatchPtr(std::make_shared<TextFrameObject>(m_ref, m_slide, m_shape));
        }
        call.unknown();
    }
};

class ShapesObject final : public InPresentation {
public:
    ShapesObject(WeakPresentation ref, std::size_t slide) : InPresentation(std::move(ref)), m_slide(slide) {}
    Value invoke(std::string_view member, InvokeKind kind, std::span<const Value> args) override
    {
        const Call call("Shapes", member, kind, args);
        const PresentationRef ref = open();
        const auto& shapes = ref->presentation->document().slides[m_slide].shapes;
        if (call.is("Count")) {
            call.get();
            return static_cast<std::int32_t>(shapes.size());
        }
        if (call.is("item")) {
            const std::int32_t n = index(call, shapes.size(), "shape");
            return DispatchPtr(std::make_shared<ShapeObject>(m_ref, m_slide, static_cast<std::size_t>(n - 1)));
        }
        call.unknown();
    }

private:
    std::size_t m_slide;
};

class SlideObject final : public InPresentation {
public:
    SlideObject(WeakPresentation ref, std::size_t slide) : InPresentation(std::move(ref)), m_slide(slide) {}
    Value invoke(std::string_view member, InvokeKind kind, std::span<const Value> args) override
    {
        const Call call("Slide", member, kind, args);
        if (call.is("Shapes")) {
            call.get();
            const PresentationRef ref = open();
            return cached(ref->shapesObjects[m_slide], [&] { return std::make_shared<ShapesObject>(m_ref, m_slide); });
        }
        call.unknown();
    }

private:
    std::size_t m_slide;
};

class SlidesObject final : public InPresentation {
public:
    explicit SlidesObject(WeakPresentation ref) : InPresentation(std::move(ref)) {}
    Value invoke(std::string_view member, InvokeKind kind, std::span<const Value> args) override
    {
        const Call call("Slides", member, kind, args);
        const PresentationRef ref = open();
        const auto& slides = ref->presentation->document().slides;
        if (call.is("Count")) {
            call.get();
            return static_cast<std::int32_t>(slides.size());
        }
        if (call.is("item")) {
            const auto i = static_cast<std::size_t>(index(call, slides.size(), "slide") - 1);
            if (ref->slideObjects.empty()) {
                ref->slideObjects.resize(slides.size());
                ref->shapesObjects.resize(slides.size());
            }
            return cached(ref->slideObjects[i], [&] { return std::make_shared<SlideObject>(m_ref, i); });
        }
        call.unknown();
    }
};

class PresentationObject final : public InPresentation {
public:
    explicit PresentationObject(WeakPresentation ref) : InPresentation(std::move(ref)) {}
    Value invoke(std::string_view member, InvokeKind kind, std::span<const Value> args) override
    {
        const Call call("Presentation", member, kind, args);
        if (call.is("Slides")) {
            call.get();
            const PresentationRef ref = open();
            return cached(ref->slides, [&] { return std::make_shared<SlidesObject>(m_ref); });
        }
        if (call.is("Saved")) {
            const bool put = call.put();
            const PresentationRef ref = open();
            if (!put)
                return ref->presentation->saved();
            ref->presentation->setSaved(call.arg(0).toBool());
            return {};
        }
        call.unknown();
    }
};

class WindowObject final : public InPresentation {
public:
    explicit WindowObject(WeakPresentation ref) : InPresentation(std::move(ref)) {}
    Value invoke(std::string_view member, InvokeKind kind, std::span<const Value> args) override
    {
        const Call call("Window", member, kind, args);
        if (call.is("Presentation")) {
            call.get();
            const PresentationRef ref = open();
            return cached(ref->presentationObject, [&] { return std::make_shared<PresentationObject>(m_ref); });
        }
        if (call.is("Close")) {
            call.method(0, 0);
            const PresentationRef ref = m_ref.lock();
            const SessionPtr session = ref ? ref->session.lock() : nullptr;
            if (!ref || !ref->open || !session)
                throw Error(ErrorCode::Failed, "the window has been closed");
            return guarded([&] {
                session->close(ref);
                return Value();
            });
        }
        call.unknown();
    }
};

class PresentationsObject final : public Dispatch {
public:
    explicit PresentationsObject(SessionPtr session) : m_session(std::move(session)) {}
    Value invoke(std::string_view member, InvokeKind kind, std::span<const Value> args) override
    {
        const Call call("Presentations", member, kind, args);
        if (call.is("Open")) {
            // FileName, then ReadOnly, Untitled and WithWindow, which the engine does not need.
            call.method(1, 4);
            const std::string path = text::toUtf8(call.arg(0).toText());
            return guarded([&] {
                eng::Presentation& opened = m_session->app.open(path);
                auto ref = std::make_shared<OpenPresentation>(&opened, m_session);
                m_session->windows.push_back(ref);
                return Value(cached(ref->presentationObject, [&] { return std::make_shared<PresentationObject>(ref); }));
            });
        }
        call.unknown();
    }

private:
    SessionPtr m_session;
};

class ApplicationObject final : public Dispatch {
public:
    ApplicationObject() : m_session(std::make_shared<Session>()) {}
    Value invoke(std::string_view member, InvokeKind kind, std::span<const Value> args) override
    {
        const Call call("Application", member, kind, args);
        Session& s = *m_session;
        return guarded([&]() -> Value {
            if (call.is("Visible")) {
                if (!call.put())
                    return s.app.visible();
                s.app.setVisible(call.arg(0).toBool());
                return {};
            }
            if (call.is("WindowState")) {
                if (!call.put())
                    return static_cast<std::int32_t>(s.app.windowState());
                s.app.setWindowState(call.arg(0).toInt());
                return {};
            }
            if (call.is("Presentations")) {
                call.get();
                if (s.app.hasQuit())
                    throw eng::StateError("the application has quit");
                return DispatchPtr(std::make_shared<PresentationsObject>(m_session));
            }
            if (call.is("ActivePresentation")) {
                call.get();
                s.app.activePresentation();
                const PresentationRef& ref = s.windows.back();
                return cached(ref->presentationObject, [&] { return std::make_shared<PresentationObject>(ref); });
            }
            if (call.is("ActiveWindow")) {
                call.get();
                const PresentationRef& ref = s.active();
                return cached(ref->window, [&] { return std::make_shared<WindowObject>(ref); });
            }
            if (call.is("Quit")) {
                call.method(0, 0);
                s.quit();
                return {};
            }
            call.unknown();
        });
    }

private:
    SessionPtr m_session;
};

}  // namespace

void registerBuiltinEngine(ClassRegistry& registry)
{
    registry.add("PowerPoint.Application", [] { return std::make_shared<ApplicationObject>(); });
}

}  // namespace lectavo::automation
