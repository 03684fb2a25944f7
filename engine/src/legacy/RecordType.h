// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace lectavo::engine::detail::legacy {

// Record types of [MS-PPT] and [MS-ODRAW] that the reader looks at.
enum RecordType : std::uint16_t {
    kDocument = 0x03E8,
    kDocumentAtom = 0x03E9,
    kSlide = 0x03EE,
    kSlidePersistAtom = 0x03F3,
    kDrawing = 0x040C,
    kExObjRefAtom = 0x0BC1,
    kOutlineTextRefAtom = 0x0F9E,
    kTextHeaderAtom = 0x0F9F,
    kTextCharsAtom = 0x0FA0,
    kTextBytesAtom = 0x0FA8,
    kCString = 0x0FBA,
    kSlideNumberMCAtom = 0x0FD8,
    kHeadersFooters = 0x0FD9,
    kHeadersFootersAtom = 0x0FDA,
    kSlideListWithText = 0x0FF0,
    kUserEditAtom = 0x0FF5,
    kCurrentUserAtom = 0x0FF6,
    kDateTimeMCAtom = 0x0FF7,
    kGenericDateMCAtom = 0x0FF8,
    kHeaderMCAtom = 0x0FF9,
    kFooterMCAtom = 0x0FFA,
    kRtfDateTimeMCAtom = 0x1015,
    kPersistDirectoryAtom = 0x1772,
    kCryptSession10 = 0x2F14,
    kDgContainer = 0xF002,
    kSpgrContainer = 0xF003,
    kSpContainer = 0xF004,
    kFsp = 0xF00A,
    kClientTextbox = 0xF00D,
    kClientData = 0xF011,
};

}  // namespace lectavo::engine::detail::legacy
