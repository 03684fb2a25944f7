// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Owners of COM references, BSTRs and VARIANTs, so no path forgets a release.
namespace lectavo::automation::com {

template <class T>
class ComRef {
public:
    ComRef() = default;
    // Takes over a reference the caller already holds.
    explicit ComRef(T* adopted) : m_p(adopted) {}
    ComRef(const ComRef& o) : m_p(o.m_p)
    {
        if (m_p)
            m_p->AddRef();
    }
    ComRef(ComRef&& o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
    ComRef& operator=(ComRef o) noexcept
    {
        std::swap(m_p, o.m_p);
        return *this;
    }
    ~ComRef() { reset(); }

    // A new reference to p (AddRef).
    static ComRef share(T* p)
    {
        if (p)
            p->AddRef();
        return ComRef(p);
    }

    void reset()
    {
        if (auto p = std::exchange(m_p, nullptr))
            p->Release();
    }
    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // The out-parameter of a call that hands back a new reference; drops the old one first.
    T** put()
    {
        reset();
        return &m_p;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

private:
    T* m_p = nullptr;
};

class Bstr {
public:
    Bstr() = default;
    explicit Bstr(std::u16string_view text)
        : m_s(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size())))
    {
        if (!m_s)
            throw std::bad_alloc();
    }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(m_s); }

    BSTR get() const { return m_s; }
    // Gives up ownership, for a VARIANT that frees it.
    BSTR release() { return std::exchange(m_s, nullptr); }

private:
    BSTR m_s = nullptr;
};

// The text of a BSTR (null reads as empty).
inline std::u16string textOf(BSTR s)
{
    return s ? std::u16string(reinterpret_cast<const char16_t*>(s), SysStringLen(s)) : std::u16string();
}

class Variant {
public:
    Variant() { VariantInit(&m_v); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&m_v); }

    VARIANT* get() { return &m_v; }
    const VARIANT* get() const { return &m_v; }

private:
    VARIANT m_v;
};

// A contiguous run of VARIANTs, as DISPPARAMS wants them, each cleared at the end.
class VariantArray {
public:
    explicit VariantArray(std::size_t n) : m_v(n)
    {
        for (auto& v : m_v)
            VariantInit(&v);
    }
    VariantArray(const VariantArray&) = delete;
    VariantArray& operator=(const VariantArray&) = delete;
    ~VariantArray()
    {
        for (auto& v : m_v)
            VariantClear(&v);
    }

    VARIANT* data() { return m_v.data(); }
    VARIANT& operator[](std::size_t i) { return m_v[i]; }
    std::size_t size() const { return m_v.size(); }

private:
    std::vector<VARIANT> m_v;
};

// EXCEPINFO whose strings are freed however the call ends.
class ExcepInfo {
public:
    ExcepInfo() : m_e{} {}
    ExcepInfo(const ExcepInfo&) = delete;
    ExcepInfo& operator=(const ExcepInfo&) = delete;
    ~ExcepInfo()
    {
        SysFreeString(m_e.bstrSource);
        SysFreeString(m_e.bstrDescription);
        SysFreeString(m_e.bstrHelpFile);
    }

    EXCEPINFO* get() { return &m_e; }

private:
    EXCEPINFO m_e;
};

}  // namespace lectavo::automation::com
