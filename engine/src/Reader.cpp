// SPDX-License-Identifier: MIT
#include "lectavo/engine/Reader.h"

#include <fstream>
#include <iterator>

namespace lectavo::engine {

Document readPresentation(std::string_view bytes)
{
    (void)bytes;
    throw OpenError(OpenFailure::Unsupported, "no reader is built in yet");
}

Document readPresentationFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw OpenError(OpenFailure::CannotRead, path);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw OpenError(OpenFailure::CannotRead, path);
    return readPresentation(bytes);
}

}  // namespace lectavo::engine
