// SPDX-License-Identifier: MIT
#include "legacy/LegacyReader.h"

#include "lectavo/engine/OpenError.h"

namespace lectavo::engine::detail {

Document readLegacy(std::string_view)
{
    throw OpenError(OpenFailure::Unsupported, "legacy binary presentations are not read yet");
}

}  // namespace lectavo::engine::detail
