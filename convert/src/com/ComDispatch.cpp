// SPDX-License-Identifier: MIT
#include "com/ComDispatch.h"

#include "com/ComError.h"
#include "lectavo/convert/TextEncoding.h"

namespace lectavo::automation::com {

namespace {

std::string quoted(std::string_view member) { return "'" + std::string(member) + "'"; }

const char* verb(InvokeKind kind)
{
    switch (kind) {
    case InvokeKind::Get:
        return "read";
    case InvokeKind::Put:
        return "set";
    case InvokeKind::Method:
        break;
    }
    return "called";
}

// The reason a server gave in EXCEPINFO: its description, else its code.
std::string exceptionReason(EXCEPINFO& e)
{
    if (e.pfnDeferredFillIn)
        e.pfnDeferredFillIn(&e);
    auto description = textOf(e.bstrDescription);
    while (!description.empty() && (description.back() == u'\r' || description.back() == u'\n'))
        description.pop_back();
    std::string reason;
    if (!description.empty())
        reason = text::toUtf8(description);
    else if (FAILED(e.scode))
        reason = describeResult(e.scode);
    else
        reason = "error " + std::to_string(e.wCode);
    if (auto source = textOf(e.bstrSource); !source.empty())
        reason += " [" + text::toUtf8(source) + "]";
    return reason;
}

[[noreturn]] void throwInvokeFailure(std::string_view member, InvokeKind kind, HRESULT hr, EXCEPINFO& e,
                                     UINT argErr, std::size_t argCount)
{
    std::string where = quoted(member);
    // argErr counts from the last argument, as rgvarg holds them.
    std::string argument = argErr < argCount ? " (argument " + std::to_string(argCount - argErr) + ")" : "";
    switch (hr) {
    case DISP_E_EXCEPTION:
        throw Error(ErrorCode::Failed, where + " failed: " + exceptionReason(e));
    case DISP_E_BADINDEX:
        throw Error(ErrorCode::IndexOutOfRange, where + ": index out of range: " + describeResult(hr));
    case DISP_E_MEMBERNOTFOUND:
        throw Error(ErrorCode::BadArguments,
                    where + " cannot be " + verb(kind) + " that way: " + describeResult(hr));
    case DISP_E_TYPEMISMATCH:
    case DISP_E_PARAMNOTFOUND:
    case DISP_E_BADPARAMCOUNT:
    case DISP_E_PARAMNOTOPTIONAL:
    case DISP_E_BADVARTYPE:
    case DISP_E_NONAMEDARGS:
    case DISP_E_OVERFLOW:
        throw Error(ErrorCode::BadArguments, where + argument + ": " + describeResult(hr));
    default:
        throw Error(ErrorCode::Failed, where + " failed: " + describeResult(hr));
    }
}

// Fills slot (and, for texts, the referent it points to) from a value.
void toVariant(const Value& value, VARIANT& slot, VARIANT& referent, std::string_view member)
{
    struct Fill {
        VARIANT& slot;
        VARIANT& referent;
        std::string_view member;
        void operator()(std::monostate) const { V_VT(&slot) = VT_EMPTY; }
        void operator()(bool b) const
        {
            V_VT(&slot) = VT_BOOL;
            V_BOOL(&slot) = b ? VARIANT_TRUE : VARIANT_FALSE;
        }
        void operator()(std::int32_t i) const
        {
            V_VT(&slot) = VT_I4;
            V_I4(&slot) = i;
        }
        void operator()(const std::u16string& s) const
        {
            // Texts go by reference, as a variable would from a script.
            V_VT(&referent) = VT_BSTR;
            V_BSTR(&referent) = Bstr(s).release();
            V_VT(&slot) = VT_BYREF | VT_VARIANT;
            V_VARIANTREF(&slot) = &referent;
        }
        void operator()(const DispatchPtr& d) const
        {
            auto com = std::dynamic_pointer_cast<ComDispatch>(d);
            if (!com)
                throw Error(ErrorCode::BadArguments,
                            quoted(member) + ": only COM objects can be passed to a COM object");
            V_VT(&slot) = VT_DISPATCH;
            V_DISPATCH(&slot) = com->get();
            com->get()->AddRef();
        }
    };
    std::visit(Fill{slot, referent, member}, value.storage());
}

}  // namespace

ComDispatch::ComDispatch(ComRef<IDispatch> object, std::shared_ptr<ComApartment> apartment)
    : m_apartment(std::move(apartment)), m_object(std::move(object))
{
}

Value ComDispatch::invoke(std::string_view member, InvokeKind kind, std::span<const Value> args)
{
    if (kind == InvokeKind::Put && args.size() != 1)
        throw Error(ErrorCode::BadArguments, quoted(member) + ": a put takes exactly one value");

    auto wideName = text::fromUtf8(member);
    auto name = const_cast<LPOLESTR>(reinterpret_cast<const OLECHAR*>(wideName.c_str()));
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = m_object->GetIDsOfNames(IID_NULL, &name, 1, GetThreadLocale(), &id);
    if (hr == DISP_E_UNKNOWNNAME || hr == DISP_E_MEMBERNOTFOUND)
        throw Error(ErrorCode::UnknownMember, "unknown member " + quoted(member) + ": " + describeResult(hr));
    if (FAILED(hr))
        throw Error(ErrorCode::Failed, "cannot look up " + quoted(member) + ": " + describeResult(hr));

    // DISPPARAMS lists arguments from the last to the first.
    const std::size_t n = args.size();
    VariantArray slots(n);
    VariantArray referents(n);
    for (std::size_t i = 0; i < n; ++i)
        toVariant(args[i], slots[n - 1 - i], referents[n - 1 - i], member);

    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{};
    params.rgvarg = n ? slots.data() : nullptr;
    params.cArgs = static_cast<UINT>(n);
    WORD flags = DISPATCH_METHOD;
    if (kind == InvokeKind::Get) {
        flags = DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    } else if (kind == InvokeKind::Put) {
        flags = DISPATCH_PROPERTYPUT;
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }

    Variant result;
    ExcepInfo excep;
    UINT argErr = static_cast<UINT>(-1);
    hr = m_object->Invoke(id, IID_NULL, GetThreadLocale(), flags, &params,
                          kind == InvokeKind::Get ? result.get() : nullptr, excep.get(), &argErr);
    if (FAILED(hr))
        throwInvokeFailure(member, kind, hr, *excep.get(), argErr, n);
    return kind == InvokeKind::Get ? toValue(*result.get(), member) : Value();
}

Value ComDispatch::toValue(VARIANT& v, std::string_view member) const
{
    if (V_VT(&v) & VT_BYREF) {
        Variant direct;
        HRESULT hr = VariantCopyInd(direct.get(), &v);
        if (FAILED(hr))
            throw Error(ErrorCode::Failed, quoted(member) + " returned an unreadable value: " + describeResult(hr));
        return toValue(*direct.get(), member);
    }
    switch (V_VT(&v)) {
    case VT_EMPTY:
    case VT_NULL:
        return {};
    case VT_BOOL:
        return Value(V_BOOL(&v) != VARIANT_FALSE);
    case VT_BSTR:
        return Value(textOf(V_BSTR(&v)));
    case VT_DISPATCH:
        if (!V_DISPATCH(&v))
            return {};
        return Value(DispatchPtr(
            std::make_shared<ComDispatch>(ComRef<IDispatch>::share(V_DISPATCH(&v)), m_apartment)));
    case VT_UNKNOWN: {
        if (!V_UNKNOWN(&v))
            return {};
        ComRef<IDispatch> d;
        HRESULT hr = V_UNKNOWN(&v)->QueryInterface(IID_IDispatch, d.putVoid());
        if (FAILED(hr))
            throw Error(ErrorCode::Failed, quoted(member) + " returned an object without IDispatch");
        return Value(DispatchPtr(std::make_shared<ComDispatch>(std::move(d), m_apartment)));
    }
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_INT:
    case VT_UINT:
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_DECIMAL: {
        Variant i4;
        HRESULT hr = VariantChangeType(i4.get(), &v, 0, VT_I4);
        if (FAILED(hr))
            throw Error(ErrorCode::Failed, quoted(member) + " returned a number out of range: " + describeResult(hr));
        return Value(static_cast<std::int32_t>(V_I4(i4.get())));
    }
    default:
        throw Error(ErrorCode::Failed,
                    quoted(member) + " returned a value of unsupported type " + std::to_string(V_VT(&v)));
    }
}

}  // namespace lectavo::automation::com
