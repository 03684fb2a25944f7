// SPDX-License-Identifier: MIT
#include "ooxml/Package.h"

#include <zip.h>

#include <algorithm>

#include "lectavo/engine/OpenError.h"
#include "ooxml/FileSource.h"

namespace lectavo::engine::detail {

namespace {

class ZipError {
public:
    ZipError() { zip_error_init(&m_error); }
    ~ZipError() { zip_error_fini(&m_error); }
    ZipError(const ZipError&) = delete;
    ZipError& operator=(const ZipError&) = delete;
    zip_error_t* get() { return &m_error; }
    std::string text() { return zip_error_strerror(&m_error); }

private:
    zip_error_t m_error;
};

[[noreturn]] void throwOpenFailure(ZipError& error)
{
    switch (zip_error_code_zip(error.get())) {
    case ZIP_ER_OPEN:
    case ZIP_ER_NOENT:
    case ZIP_ER_READ:
        throw OpenError(OpenFailure::CannotRead, error.text());
    case ZIP_ER_MEMORY:
        throw OpenError(OpenFailure::TooLarge, error.text());
    default:
        throw OpenError(OpenFailure::Damaged, "the zip container cannot be read (" + error.text() + ")");
    }
}

zip_t* openSource(zip_source_t* source, ZipError& error)
{
    zip_t* z = zip_open_from_source(source, ZIP_RDONLY, error.get());
    if (!z) {
        zip_source_free(source);
        throwOpenFailure(error);
    }
    return z;
}

// Part names may be stored percent-encoded; relationship targets name them either way.
std::string percentDecoded(const std::string& name)
{
    auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '%' && i + 2 < name.size() + 0 && hex(name[i + 1]) >= 0 && hex(name[i + 2]) >= 0) {
            out += static_cast<char>(hex(name[i + 1]) * 16 + hex(name[i + 2]));
            i += 2;
        } else {
            out += name[i];
        }
    }
    return out;
}

}  // namespace

void Package::Closer::operator()(zip* z) const { zip_discard(z); }

Package::Package(zip* z, const Limits& limits) : m_zip(z), m_limits(limits)
{
    const zip_int64_t entries = zip_get_num_entries(z, 0);
    if (entries < 0 || static_cast<std::uint64_t>(entries) > m_limits.entries)
        throw OpenError(OpenFailure::TooLarge, "the package has " + std::to_string(entries) + " entries");
}

Package::Package(Package&&) noexcept = default;
Package::~Package() = default;

Package Package::fromBytes(std::string_view bytes, const Limits& limits)
{
    ZipError error;
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, error.get());
    if (!source)
        throwOpenFailure(error);
    return Package(openSource(source, error), limits);
}

Package Package::fromFile(std::ifstream file, const Limits& limits)
{
    ZipError error;
    zip_source_t* source = createFileSource(std::move(file), error.get());
    if (!source)
        throwOpenFailure(error);
    return Package(openSource(source, error), limits);
}

long long Package::locate(const std::string& name) const
{
    zip_int64_t index = zip_name_locate(m_zip.get(), name.c_str(), ZIP_FL_ENC_RAW);
    if (index < 0)
        index = zip_name_locate(m_zip.get(), name.c_str(), ZIP_FL_ENC_RAW | ZIP_FL_NOCASE);
    if (index < 0 && name.find('%') != std::string::npos)
        index = zip_name_locate(m_zip.get(), percentDecoded(name).c_str(), ZIP_FL_ENC_RAW | ZIP_FL_NOCASE);
    return index;
}

bool Package::contains(const std::string& name) const { return locate(name) >= 0; }

void Package::read(const std::string& name, std::string& out)
{
    const zip_int64_t index = locate(name);
    if (index < 0)
        throw OpenError(OpenFailure::Damaged, "the part /" + name + " is missing");

    zip_stat_t stat;
    zip_stat_init(&stat);
    const std::uint64_t partLimit = std::min(m_limits.partBytes, m_limits.totalBytes - m_inflated);
    if (zip_stat_index(m_zip.get(), index, 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) && stat.size > partLimit)
        throw OpenError(OpenFailure::TooLarge, "the part /" + name + " inflates to " + std::to_string(stat.size) + " bytes");

    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(zip_fopen_index(m_zip.get(), index, 0), zip_fclose);
    if (!file) {
        const int code = zip_error_code_zip(zip_get_error(m_zip.get()));
        const std::string why = zip_strerror(m_zip.get());
        if (code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD)
            throw OpenError(OpenFailure::PasswordProtected, "the part /" + name + " is encrypted");
        throw OpenError(OpenFailure::Damaged, "the part /" + name + " cannot be read (" + why + ")");
    }

    // The directory's size is only a hint: a lying entry is caught by counting what actually comes out.
    std::size_t capacity = (stat.valid & ZIP_STAT_SIZE) ? static_cast<std::size_t>(stat.size) + 1 : 64 * 1024;
    out.resize(std::max<std::size_t>(capacity, 4096));
    std::size_t used = 0;
    for (;;) {
        if (used == out.size())
            out.resize(std::min<std::uint64_t>(out.size() * 2, partLimit + 1));
        const zip_int64_t n = zip_fread(file.get(), out.data() + used, out.size() - used);
        if (n < 0)
            throw OpenError(OpenFailure::Damaged,
                            "the part /" + name + " cannot be inflated (" + zip_file_strerror(file.get()) + ")");
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
        if (used > partLimit)
            throw OpenError(OpenFailure::TooLarge, "the part /" + name + " inflates beyond " +
                                                       std::to_string(partLimit) + " bytes");
    }
    out.resize(used);
    m_inflated += used;
}

}  // namespace lectavo::engine::detail
