// SPDX-License-Identifier: MIT
#pragma once

#include <oaidl.h>

#include <memory>

#include "com/ComApartment.h"
#include "com/ComHandles.h"
#include "lectavo/convert/Automation.h"

namespace lectavo::automation::com {

// A COM object reached late-bound through IDispatch. Every member is resolved by
// GetIDsOfNames in the thread locale, then invoked:
//   Get    - method or property get, result asked for;
//   Put    - property put, the value as the one named argument DISPID_PROPERTYPUT;
//   Method - method, no result asked for.
// Booleans travel as VT_BOOL (-1 for true), integers as VT_I4, texts as a VARIANT
// holding a BSTR passed by reference. Objects in results are wrapped the same way.
// Every failure is an Error with the server's own description where it gave one.
class ComDispatch : public Dispatch {
public:
    ComDispatch(ComRef<IDispatch> object, std::shared_ptr<ComApartment> apartment);

    Value invoke(std::string_view member, InvokeKind kind, std::span<const Value> args) override;

    IDispatch* get() const { return m_object.get(); }

private:
    Value toValue(VARIANT& v, std::string_view member) const;

    std::shared_ptr<ComApartment> m_apartment;  // declared first: outlives the reference below
    ComRef<IDispatch> m_object;
};

}  // namespace lectavo::automation::com
