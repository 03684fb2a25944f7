// SPDX-License-Identifier: MIT
#include "lectavo/engine/OpenError.h"

namespace lectavo::engine {

const char* describe(OpenFailure reason)
{
    switch (reason) {
    case OpenFailure::CannotRead: return "the file cannot be read";
    case OpenFailure::NotAPresentation: return "the file is not a presentation";
    case OpenFailure::PasswordProtected: return "the presentation is password-protected";
    case OpenFailure::TooOld: return "the presentation was saved by a version older than 97";
    case OpenFailure::Damaged: return "the presentation is damaged";
    case OpenFailure::TooLarge: return "the presentation is too large to open";
    case OpenFailure::Unsupported: return "the presentation's format is not supported";
    }
    return "the presentation cannot be opened";
}

OpenError::OpenError(OpenFailure reason, const std::string& detail)
    : std::runtime_error(detail.empty() ? std::string(describe(reason)) : std::string(describe(reason)) + ": " + detail),
      m_reason(reason)
{
}

}  // namespace lectavo::engine
