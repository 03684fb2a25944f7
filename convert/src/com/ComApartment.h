// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

namespace lectavo::automation::com {

// COM initialised apartment-threaded on one thread. COM stays initialised while
// the thread runs and while any object created through it is alive; the last
// owner uninitialises it, on the thread that created the objects.
class ComApartment {
public:
    // The calling thread's apartment, initialising COM on the first call. Throws Error
    // (Failed) when COM cannot be initialised; a thread already in the multithreaded
    // apartment is used as it is.
    static std::shared_ptr<ComApartment> forThisThread();

    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment();

private:
    ComApartment();
    bool m_initialised = false;
};

}  // namespace lectavo::automation::com
