// SPDX-License-Identifier: MIT
#include <zip.h>

#include <fstream>
#include <memory>
#include <stdexcept>

#include "lectavo/deckwriter/DeckWriter.h"

namespace lectavo::deckwriter {

namespace {

[[noreturn]] void fail(const std::string& what, zip_error_t* error)
{
    const std::string text = what + ": " + zip_error_strerror(error);
    throw std::runtime_error(text);
}

}  // namespace

std::string zipParts(const std::vector<Part>& parts)
{
    zip_error_t error;
    zip_error_init(&error);
    std::unique_ptr<zip_error_t, void (*)(zip_error_t*)> errorGuard(&error, zip_error_fini);

    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer)
        fail("cannot create a zip buffer", &error);
    std::unique_ptr<zip_source_t, void (*)(zip_source_t*)> bufferGuard(buffer, zip_source_free);
    zip_source_keep(buffer);  // the bytes are read back after zip_close

    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (!archive)
        fail("cannot start a zip", &error);
    for (const Part& part : parts) {
        zip_source_t* data = zip_source_buffer(archive, part.data.data(), part.data.size(), 0);
        const zip_int64_t index =
            data ? zip_file_add(archive, part.name.c_str(), data, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) : -1;
        if (index < 0) {
            if (data)
                zip_source_free(data);
            const std::string why = zip_strerror(archive);
            zip_discard(archive);
            throw std::runtime_error("cannot add " + part.name + ": " + why);
        }
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), part.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                                 0);
        // Fixed times keep the bytes the same from run to run.
        zip_file_set_mtime(archive, static_cast<zip_uint64_t>(index), 1767225600, 0);
    }
    if (zip_close(archive) < 0) {
        const std::string why = zip_strerror(archive);
        zip_discard(archive);
        throw std::runtime_error("cannot write the zip: " + why);
    }

    if (zip_source_open(buffer) < 0)
        fail("cannot read the zip back", zip_source_error(buffer));
    zip_source_seek(buffer, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(buffer);
    zip_source_seek(buffer, 0, SEEK_SET);
    std::string bytes(static_cast<std::size_t>(size < 0 ? 0 : size), '\0');
    const zip_int64_t read = zip_source_read(buffer, bytes.data(), bytes.size());
    zip_source_close(buffer);
    if (size < 0 || read != size)
        throw std::runtime_error("cannot read the zip back");
    return bytes;
}

void writeDeckFile(const DeckContent& deck, const std::string& path)
{
    const std::string bytes = writeDeck(deck);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace lectavo::deckwriter
