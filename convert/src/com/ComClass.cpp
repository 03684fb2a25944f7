// SPDX-License-Identifier: MIT
#include "com/ComClass.h"

#include <objbase.h>

#include "com/ComDispatch.h"
#include "com/ComError.h"
#include "lectavo/convert/TextEncoding.h"

namespace lectavo::automation::com {

DispatchPtr createComObject(std::string_view className)
{
    auto apartment = ComApartment::forThisThread();
    const std::string name(className);
    auto progId = text::fromUtf8(className);

    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(reinterpret_cast<LPCOLESTR>(progId.c_str()), &clsid);
    if (FAILED(hr))
        throw Error(ErrorCode::UnknownClass, "'" + name + "' is not a registered COM class: " + describeResult(hr));

    ComRef<IDispatch> object;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                          object.putVoid());
    if (FAILED(hr))
        throw Error(ErrorCode::Failed, "cannot create '" + name + "': " + describeResult(hr));
    return std::make_shared<ComDispatch>(std::move(object), std::move(apartment));
}

}  // namespace lectavo::automation::com
