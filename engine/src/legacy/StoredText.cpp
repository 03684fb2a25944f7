// SPDX-License-Identifier: MIT
#include "legacy/StoredText.h"

#include <algorithm>

#include "legacy/ByteReader.h"
#include "legacy/RecordType.h"

namespace lectavo::engine::detail::legacy {

std::u16string decodeChars(std::string_view body)
{
    std::u16string out(body.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = char16_t(static_cast<unsigned char>(body[2 * i]) | static_cast<unsigned char>(body[2 * i + 1]) << 8);
    return out;
}

std::u16string decodeBytes(std::string_view body)
{
    // each byte is the low half of a UTF-16 code unit whose high half is zero
    std::u16string out(body.size(), u'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<unsigned char>(body[i]);
    return out;
}

bool addTextRecord(const Record& rec, StoredText& into)
{
    Field::Kind kind;
    switch (rec.type) {
    case kTextCharsAtom: into.text = decodeChars(rec.body); return true;
    case kTextBytesAtom: into.text = decodeBytes(rec.body); return true;
    case kSlideNumberMCAtom: kind = Field::SlideNumber; break;
    case kHeaderMCAtom: kind = Field::Header; break;
    case kFooterMCAtom: kind = Field::Footer; break;
    case kGenericDateMCAtom: kind = Field::Date; break;
    case kDateTimeMCAtom:
    case kRtfDateTimeMCAtom: kind = Field::TodaysDate; break;
    default: return false;
    }
    ByteReader r(rec.body);
    const std::int32_t at = r.i32();
    if (r.ok())
        into.fields.push_back({kind, at});
    return true;
}

std::u16string shownText(StoredText stored, const FieldValues& values)
{
    std::u16string& text = stored.text;
    std::u16string number;
    for (char c : std::to_string(values.slideNumber))
        number += char16_t(c);
    // replace from the back so earlier positions stay valid
    std::sort(stored.fields.begin(), stored.fields.end(),
              [](const Field& a, const Field& b) { return a.position > b.position; });
    for (const Field& f : stored.fields) {
        // the file keeps a '*' where a field stands; any other character is text of its own
        if (f.position < 0 || std::size_t(f.position) >= text.size() || text[std::size_t(f.position)] != u'*')
            continue;
        const std::u16string none;
        const std::u16string& shown = f.kind == Field::SlideNumber ? number
            : f.kind == Field::Header                             ? values.header
            : f.kind == Field::Footer                             ? values.footer
            : f.kind == Field::Date                               ? values.date
                                                                  : none;
        text.replace(std::size_t(f.position), 1, shown);
    }
    if (!text.empty() && text.back() == u'\r')
        text.pop_back();
    return text;
}

void readHeadersFooters(std::string_view body, FieldValues& values, std::size_t* budget)
{
    constexpr std::uint16_t kHasUserDate = 0x4, kHasHeader = 0x10, kHasFooter = 0x20;
    std::uint16_t flags = 0;
    values.header.clear(), values.footer.clear(), values.date.clear();
    RecordList list(body, budget);
    Record rec;
    while (list.next(rec)) {
        if (rec.type == kHeadersFootersAtom) {
            ByteReader r(rec.body, 2);
            flags = r.u16();
        } else if (rec.type == kCString && rec.instance == 0 && (flags & kHasUserDate)) {
            values.date = decodeChars(rec.body);
        } else if (rec.type == kCString && rec.instance == 1 && (flags & kHasHeader)) {
            values.header = decodeChars(rec.body);
        } else if (rec.type == kCString && rec.instance == 2 && (flags & kHasFooter)) {
            values.footer = decodeChars(rec.body);
        }
    }
}

}  // namespace lectavo::engine::detail::legacy
