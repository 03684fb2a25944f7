// SPDX-License-Identifier: MIT
#include "com/ComApartment.h"

#include <objbase.h>

#include "com/ComError.h"

namespace lectavo::automation::com {

ComApartment::ComApartment()
{
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (hr == RPC_E_CHANGED_MODE)
        return;  // someone else chose the thread's model; objects can still be created
    if (FAILED(hr))
        throw Error(ErrorCode::Failed, "cannot initialise COM: " + describeResult(hr));
    m_initialised = true;
}

ComApartment::~ComApartment()
{
    if (m_initialised)
        CoUninitialize();
}

std::shared_ptr<ComApartment> ComApartment::forThisThread()
{
    thread_local std::shared_ptr<ComApartment> apartment(new ComApartment());
    return apartment;
}

}  // namespace lectavo::automation::com
