// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "legacy/Record.h"

// The text of a binary presentation's text atoms and the fields inside it.
namespace lectavo::engine::detail::legacy {

// A text field: the character at position stands for the field's shown text.
struct Field {
    enum Kind { SlideNumber, Header, Footer, Date, TodaysDate } kind;
    std::int32_t position;
};

// A text as stored in a text atom, with its fields.
struct StoredText {
    std::u16string text;
    std::vector<Field> fields;
};

// What a slide's fields show: its number, and the header, footer and fixed
// date its header and footer settings hold (empty when off).
struct FieldValues {
    int slideNumber = 1;
    std::u16string header;
    std::u16string footer;
    std::u16string date;
};

// The characters of a 16-bit (UTF-16LE) and of an 8-bit text atom.
std::u16string decodeChars(std::string_view body);
std::u16string decodeBytes(std::string_view body);

// Takes a text atom or field record that follows a text header; false for any other record.
bool addTextRecord(const Record& rec, StoredText& into);

// The text as shown: fields replaced by their values (a date that shows the
// day of reading is not stored, so it shows nothing), no final paragraph end.
std::u16string shownText(StoredText stored, const FieldValues& values);

// Sets the header, footer and fixed date of a headers-and-footers container, each empty unless its flag is on.
void readHeadersFooters(std::string_view body, FieldValues& values, std::size_t* budget);

}  // namespace lectavo::engine::detail::legacy
