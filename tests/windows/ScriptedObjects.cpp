// SPDX-License-Identifier: MIT
#include "ScriptedObjects.h"

#include <oleauto.h>

#include <memory>
#include <vector>

namespace {

long g_live = 0;   // scripted objects alive
long g_locks = 0;  // IClassFactory::LockServer
std::wstring g_log;
void (*g_onLine)(const std::wstring&) = nullptr;
void (*g_onLastRelease)() = nullptr;

void logLine(const std::wstring& line)
{
    g_log += line + L"\n";
    if (g_onLine)
        g_onLine(line);
}

struct ScriptedShape {
    bool hasTextFrame;
    const wchar_t* text;
};
struct ScriptedPresentation {
    const wchar_t* fileName;
    std::vector<std::vector<ScriptedShape>> slides;
};

// The presentations the server can open, by file name; any other file fails to open.
const std::vector<ScriptedPresentation>& script()
{
    static const std::vector<ScriptedPresentation> presentations = {
        {L"Plan.pptx",
         {{{true, L"Plan 2027"}, {false, L""}, {true, L"Z\u00FCrich \u2013 5 \u20AC"}},
          {{true, L"one\rtwo\vthree"}, {true, L""}}}},
        {L"Notes.ppt", {{{true, L"\u221E loops"}}}},
        {L"Empty.pptx", {}},
    };
    return presentations;
}

const ScriptedPresentation* findPresentation(const std::wstring& path)
{
    auto slash = path.find_last_of(L"\\/:");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    for (auto& p : script())
        if (_wcsicmp(p.fileName, name.c_str()) == 0)
            return &p;
    return nullptr;
}

struct AppState {
    bool visible = false;
    int windowState = 1;
    const ScriptedPresentation* active = nullptr;
    bool saved = true;
};
using State = std::shared_ptr<AppState>;

std::wstring describe(const VARIANT& v)
{
    switch (V_VT(&v)) {
    case VT_EMPTY:
        return L"EMPTY";
    case VT_BOOL:
        return L"BOOL " + std::to_wstring(V_BOOL(&v));
    case VT_I4:
        return L"I4 " + std::to_wstring(V_I4(&v));
    case VT_I2:
        return L"I2 " + std::to_wstring(V_I2(&v));
    case VT_BSTR:
        return L"BSTR \"" + std::wstring(V_BSTR(&v), SysStringLen(V_BSTR(&v))) + L"\"";
    case VT_DISPATCH:
        return L"DISPATCH";
    case VT_BYREF | VT_VARIANT:
        return L"BYREF VARIANT " + describe(*V_VARIANTREF(&v));
    case VT_BYREF | VT_BSTR:
        return L"BYREF BSTR \"" + std::wstring(*V_BSTRREF(&v), SysStringLen(*V_BSTRREF(&v))) + L"\"";
    default:
        return L"VT " + std::to_wstring(V_VT(&v));
    }
}

std::wstring describeKind(WORD flags, const DISPPARAMS& params, bool resultAsked)
{
    std::wstring kind;
    bool wantsResult = false;
    if (flags == (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) {
        kind = L"get";
        wantsResult = true;
    } else if (flags == DISPATCH_METHOD) {
        kind = L"method";
    } else if (flags == DISPATCH_PROPERTYPUT) {
        kind = L"put";
        if (params.cNamedArgs != 1 || params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            kind += L"[not named PROPERTYPUT]";
    } else {
        kind = L"flags" + std::to_wstring(flags);
    }
    if (flags != DISPATCH_PROPERTYPUT && params.cNamedArgs)
        kind += L"[named]";
    if (resultAsked != wantsResult)
        kind += resultAsked ? L"[result asked]" : L"[no result asked]";
    return kind;
}

// One call as the member handlers see it: arguments in call order.
struct Call {
    WORD flags;
    std::vector<VARIANT*> args;
    VARIANT* result;
    EXCEPINFO* excep;
    UINT* argErr;
    UINT argCount;

    bool isPut() const { return flags == DISPATCH_PROPERTYPUT; }
    bool isRead() const { return (flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) != 0; }

    HRESULT fail(const wchar_t* description)
    {
        if (excep) {
            *excep = EXCEPINFO{};
            excep->scode = DISP_E_EXCEPTION;
            excep->bstrSource = SysAllocString(L"Scripted.Application");
            excep->bstrDescription = SysAllocString(description);
        }
        return DISP_E_EXCEPTION;
    }
    HRESULT intArg(std::size_t i, int& out)
    {
        if (i >= args.size())
            return DISP_E_BADPARAMCOUNT;
        VARIANT v;
        VariantInit(&v);
        HRESULT hr = VariantChangeType(&v, args[i], 0, VT_I4);
        if (FAILED(hr)) {
            if (argErr)
                *argErr = argCount - 1 - static_cast<UINT>(i);
            return DISP_E_TYPEMISMATCH;
        }
        out = V_I4(&v);
        return S_OK;
    }
    HRESULT textArg(std::size_t i, std::wstring& out)
    {
        if (i >= args.size())
            return DISP_E_BADPARAMCOUNT;
        VARIANT v;
        VariantInit(&v);
        HRESULT hr = VariantChangeType(&v, args[i], 0, VT_BSTR);
        if (FAILED(hr)) {
            if (argErr)
                *argErr = argCount - 1 - static_cast<UINT>(i);
            return DISP_E_TYPEMISMATCH;
        }
        out.assign(V_BSTR(&v), SysStringLen(V_BSTR(&v)));
        VariantClear(&v);
        return S_OK;
    }
    HRESULT returnInt(int i)
    {
        if (result) {
            V_VT(result) = VT_I4;
            V_I4(result) = i;
        }
        return S_OK;
    }
    HRESULT returnBool(bool b)
    {
        if (result) {
            V_VT(result) = VT_BOOL;
            V_BOOL(result) = b ? VARIANT_TRUE : VARIANT_FALSE;
        }
        return S_OK;
    }
    HRESULT returnText(const wchar_t* s)
    {
        if (result) {
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = SysAllocString(s);
        }
        return S_OK;
    }
    // Takes over the new object's only reference.
    HRESULT returnObject(IDispatch* object)
    {
        if (result) {
            V_VT(result) = VT_DISPATCH;
            V_DISPATCH(result) = object;
        } else {
            object->Release();
        }
        return S_OK;
    }
};

class Scripted : public IDispatch {
public:
    Scripted(const wchar_t* type, State state, std::vector<const wchar_t*> members)
        : m_type(type), m_state(std::move(state)), m_members(std::move(members)), m_sent(m_members.size())
    {
        ++g_live;
    }
    virtual ~Scripted()
    {
        if (--g_live == 0 && g_onLastRelease)
            g_onLastRelease();
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override
    {
        if (!out)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        ULONG n = --m_refs;
        if (n == 0)
            delete this;
        return n;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override
    {
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override
    {
        if (count != 1)
            return E_INVALIDARG;
        // What a server that has gone away answers.
        if (_wcsicmp(names[0], L"Disconnected") == 0)
            return RPC_E_DISCONNECTED;
        for (std::size_t i = 0; i < m_members.size(); ++i) {
            if (_wcsicmp(m_members[i], names[0]) == 0) {
                ids[0] = static_cast<DISPID>(i + 1);
                m_sent[i] = names[0];
                m_namedInLocale = lcid == GetThreadLocale();
                return S_OK;
            }
        }
        ids[0] = DISPID_UNKNOWN;
        logLine(m_type + L"." + names[0] + L" unknown");
        return DISP_E_UNKNOWNNAME;
    }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* excep, UINT* argErr) override
    {
        if (id < 1 || static_cast<std::size_t>(id) > m_members.size())
            return DISP_E_MEMBERNOTFOUND;
        const std::size_t index = static_cast<std::size_t>(id - 1);
        Call call{flags, {}, result, excep, argErr, params->cArgs};
        std::wstring line = m_type + L"." + m_sent[index] + L" " + describeKind(flags, *params, result != nullptr) + L"(";
        for (UINT i = 0; i < params->cArgs; ++i) {
            VARIANT* arg = &params->rgvarg[params->cArgs - 1 - i];
            call.args.push_back(arg);
            line += (i ? L", " : L"") + describe(*arg);
        }
        line += L")";
        if (lcid != GetThreadLocale() || !m_namedInLocale)
            line += L" [not in the thread locale]";
        logLine(line);
        if (result)
            VariantInit(result);
        return handle(m_members[index], call);
    }

protected:
    virtual HRESULT handle(std::wstring_view member, Call& call) = 0;

    AppState& state() { return *m_state; }
    const State& sharedState() const { return m_state; }

private:
    ULONG m_refs = 1;
    std::wstring m_type;
    State m_state;
    std::vector<const wchar_t*> m_members;
    std::vector<std::wstring> m_sent;  // each member's name as the caller last spelled it
    bool m_namedInLocale = true;
};

class TextRange : public Scripted {
public:
    TextRange(State s, const wchar_t* text) : Scripted(L"TextRange", std::move(s), {L"Text"}), m_text(text) {}
    HRESULT handle(std::wstring_view, Call& c) override { return c.returnText(m_text); }

private:
    const wchar_t* m_text;
};

class TextFrame : public Scripted {
public:
    TextFrame(State s, const wchar_t* text) : Scripted(L"TextFrame", std::move(s), {L"TextRange"}), m_text(text) {}
    HRESULT handle(std::wstring_view, Call& c) override { return c.returnObject(new TextRange(sharedState(), m_text)); }

private:
    const wchar_t* m_text;
};

class Shape : public Scripted {
public:
    Shape(State s, const ScriptedShape& shape)
        : Scripted(L"Shape", std::move(s), {L"HasTextFrame", L"TextFrame"}), m_shape(shape)
    {
    }
    HRESULT handle(std::wstring_view member, Call& c) override
    {
        if (member == L"HasTextFrame")
            return c.returnInt(m_shape.hasTextFrame ? -1 : 0);
        if (!m_shape.hasTextFrame)
            return c.fail(L"This type of shape cannot have a text frame.");
        return c.returnObject(new TextFrame(sharedState(), m_shape.text));
    }

private:
    const ScriptedShape& m_shape;
};

class Shapes : public Scripted {
public:
    Shapes(State s, const std::vector<ScriptedShape>& shapes)
        : Scripted(L"Shapes", std::move(s), {L"Count", L"Item"}), m_shapes(shapes)
    {
    }
    HRESULT handle(std::wstring_view member, Call& c) override
    {
        if (member == L"Count")
            return c.returnInt(static_cast<int>(m_shapes.size()));
        int k = 0;
        if (HRESULT hr = c.intArg(0, k); FAILED(hr))
            return hr;
        if (k < 1 || k > static_cast<int>(m_shapes.size()))
            return DISP_E_BADINDEX;
        return c.returnObject(new Shape(sharedState(), m_shapes[k - 1]));
    }

private:
    const std::vector<ScriptedShape>& m_shapes;
};

class Slide : public Scripted {
public:
    Slide(State s, const std::vector<ScriptedShape>& shapes) : Scripted(L"Slide", std::move(s), {L"Shapes"}), m_shapes(shapes) {}
    HRESULT handle(std::wstring_view, Call& c) override { return c.returnObject(new Shapes(sharedState(), m_shapes)); }

private:
    const std::vector<ScriptedShape>& m_shapes;
};

class Slides : public Scripted {
public:
    Slides(State s, const ScriptedPresentation& p) : Scripted(L"Slides", std::move(s), {L"Count", L"Item"}), m_p(p) {}
    HRESULT handle(std::wstring_view member, Call& c) override
    {
        if (member == L"Count")
            return c.returnInt(static_cast<int>(m_p.slides.size()));
        int n = 0;
        if (HRESULT hr = c.intArg(0, n); FAILED(hr))
            return hr;
        if (n < 1 || n > static_cast<int>(m_p.slides.size())) {
            std::wstring text = L"Slides.Item : Integer out of range. " + std::to_wstring(n) +
                                L" is not in the valid range of 1 to " + std::to_wstring(m_p.slides.size()) + L".";
            return c.fail(text.c_str());
        }
        return c.returnObject(new Slide(sharedState(), m_p.slides[n - 1]));
    }

private:
    const ScriptedPresentation& m_p;
};

class Presentation : public Scripted {
public:
    Presentation(State s, const ScriptedPresentation& p)
        : Scripted(L"Presentation", std::move(s), {L"Slides", L"Saved"}), m_p(p)
    {
    }
    HRESULT handle(std::wstring_view member, Call& c) override
    {
        if (member == L"Slides")
            return c.returnObject(new Slides(sharedState(), m_p));
        if (c.isPut()) {
            int saved = 0;
            if (HRESULT hr = c.intArg(0, saved); FAILED(hr))
                return hr;
            state().saved = saved != 0;
            return S_OK;
        }
        return c.returnBool(state().saved);
    }

private:
    const ScriptedPresentation& m_p;
};

class Window : public Scripted {
public:
    Window(State s, const ScriptedPresentation& p) : Scripted(L"Window", std::move(s), {L"Presentation", L"Close"}), m_p(p) {}
    HRESULT handle(std::wstring_view member, Call& c) override
    {
        if (member == L"Presentation")
            return c.returnObject(new Presentation(sharedState(), m_p));
        if (state().active != &m_p)
            return c.fail(L"The window has been closed.");
        state().active = nullptr;
        return S_OK;
    }

private:
    const ScriptedPresentation& m_p;
};

class Presentations : public Scripted {
public:
    explicit Presentations(State s) : Scripted(L"Presentations", std::move(s), {L"Open"}) {}
    HRESULT handle(std::wstring_view, Call& c) override
    {
        std::wstring path;
        if (HRESULT hr = c.textArg(0, path); FAILED(hr))
            return hr;
        auto p = findPresentation(path);
        if (!p)
            return c.fail((L"The file cannot be opened: " + path).c_str());
        state().active = p;
        state().saved = true;
        return c.returnObject(new Presentation(sharedState(), *p));
    }
};

class Application : public Scripted {
public:
    Application()
        : Scripted(L"App", std::make_shared<AppState>(),
                   {L"Visible", L"WindowState", L"Presentations", L"ActivePresentation", L"ActiveWindow", L"Quit"})
    {
    }
    HRESULT handle(std::wstring_view member, Call& c) override
    {
        if (member == L"Visible" || member == L"WindowState") {
            bool visible = member == L"Visible";
            if (c.isPut()) {
                int value = 0;
                if (HRESULT hr = c.intArg(0, value); FAILED(hr))
                    return hr;
                if (visible)
                    state().visible = value != 0;
                else
                    state().windowState = value;
                return S_OK;
            }
            return visible ? c.returnBool(state().visible) : c.returnInt(state().windowState);
        }
        if (member == L"Presentations")
            return c.returnObject(new Presentations(sharedState()));
        if (member == L"ActivePresentation" || member == L"ActiveWindow") {
            if (!state().active)
                return c.fail(L"Invalid request. There is no active presentation.");
            if (member == L"ActiveWindow")
                return c.returnObject(new Window(sharedState(), *state().active));
            return c.returnObject(new Presentation(sharedState(), *state().active));
        }
        state().active = nullptr;  // Quit
        return S_OK;
    }
};

class Factory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override
    {
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *out = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** out) override
    {
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto app = new Application();
        HRESULT hr = app->QueryInterface(riid, out);
        app->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        g_locks += lock ? 1 : -1;
        return S_OK;
    }
};

Factory g_factory;

}  // namespace

namespace scripted {

IClassFactory& factory() { return g_factory; }
std::wstring& log() { return g_log; }
long liveObjects() { return g_live; }
long serverLocks() { return g_locks; }

void setObservers(void (*onLine)(const std::wstring& line), void (*onLastRelease)())
{
    g_onLine = onLine;
    g_onLastRelease = onLastRelease;
}

}  // namespace scripted
