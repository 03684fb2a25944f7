// SPDX-License-Identifier: MIT
#include "lectavo/engine/Reader.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "legacy/LegacyReader.h"
#include "ooxml/OoxmlReader.h"

namespace lectavo::engine {

namespace {

enum class Container { Zip, Compound, Unknown };

Container sniff(std::string_view head)
{
    using namespace std::string_view_literals;
    // An empty zip is only its end-of-central-directory record.
    if (head.starts_with("PK\x03\x04"sv) || head.starts_with("PK\x05\x06"sv))
        return Container::Zip;
    if (head.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv))
        return Container::Compound;
    return Container::Unknown;
}

}  // namespace

Document readPresentation(std::string_view bytes)
{
    switch (sniff(bytes)) {
    case Container::Zip: return detail::readOoxml(bytes);
    case Container::Compound: return detail::readLegacy(bytes);
    case Container::Unknown: break;
    }
    throw OpenError(OpenFailure::NotAPresentation, "neither an OOXML package nor a compound file");
}

Document readPresentationFile(const std::string& path)
{
    // Only regular files: a folder, a pipe or a device would fail or block below.
    const std::filesystem::path name(std::u8string(path.begin(), path.end()));
    std::error_code ec;
    if (!std::filesystem::is_regular_file(name, ec))
        throw OpenError(OpenFailure::CannotRead, path);
    std::ifstream in;
    in.rdbuf()->pubsetbuf(nullptr, 0);  // the package source reads through its own window
    in.open(name, std::ios::binary);
    if (!in)
        throw OpenError(OpenFailure::CannotRead, path);
    char head[8] = {};
    in.read(head, sizeof head);
    if (in.bad())
        throw OpenError(OpenFailure::CannotRead, path);
    // A package is read part by part from the file, so media never enter memory.
    if (sniff(std::string_view(head, static_cast<std::size_t>(in.gcount()))) == Container::Zip)
        return detail::readOoxmlFile(std::move(in));
    in.clear();
    in.seekg(0);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw OpenError(OpenFailure::CannotRead, path);
    return readPresentation(bytes);
}

}  // namespace lectavo::engine
