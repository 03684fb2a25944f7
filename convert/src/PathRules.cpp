// SPDX-License-Identifier: MIT
#include "lectavo/convert/PathRules.h"

namespace lectavo::convert {

PathRules PathRules::host()
{
#ifdef _WIN32
    return windows();
#else
    return posix();
#endif
}

}  // namespace lectavo::convert
