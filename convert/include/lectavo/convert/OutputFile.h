// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace lectavo::convert {

// An output file could not be written; what() is the reason, readable by people.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file-system path of a path text (UTF-8 names here, UTF-16 names on Windows).
std::filesystem::path toFileSystemPath(std::u16string_view path);

// Writes bytes as the whole content of the file at path, replacing it when it exists.
// Missing folders are created with their parents. The bytes go to a temporary file beside the
// target that is then renamed over it, so the target holds either its old or its new content.
// Throws OutputError; no temporary file is left behind.
void writeWholeFile(std::u16string_view path, std::string_view bytes);

}  // namespace lectavo::convert
