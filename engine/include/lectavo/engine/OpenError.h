// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace lectavo::engine {

// Why a presentation could not be opened. Each reason has one message (describe()).
enum class OpenFailure {
    CannotRead,         // the file cannot be read (missing, no permission, a folder)
    NotAPresentation,   // the bytes are not a presentation of any supported kind
    PasswordProtected,  // an encrypted package or an encrypted legacy document
    TooOld,             // a legacy binary presentation older than the 97 format
    Damaged,            // the container or a part is malformed or inconsistent
    TooLarge,           // a part or the whole inflates beyond the engine's bounds
    Unsupported,        // a format the engine recognises but cannot read
};

// The fixed message of a reason.
const char* describe(OpenFailure reason);

class OpenError : public std::runtime_error {
public:
    // The text reads "<describe(reason)>: <detail>", or just the first part without detail.
    OpenError(OpenFailure reason, const std::string& detail = {});
    OpenFailure reason() const { return m_reason; }

private:
    OpenFailure m_reason;
};

}  // namespace lectavo::engine
