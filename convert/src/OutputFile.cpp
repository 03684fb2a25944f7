// SPDX-License-Identifier: MIT
#include "lectavo/convert/OutputFile.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <random>
#include <system_error>

#ifndef _WIN32
#include "lectavo/convert/TextEncoding.h"
#endif

namespace fs = std::filesystem;

namespace lectavo::convert {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string reasonOf(int error) { return std::generic_category().message(error); }

// Fails rather than reusing a file that is already there.
std::FILE* createExclusive(const fs::path& path)
{
#ifdef _WIN32
    // msvcrt has no exclusive mode; the random name makes a clash unlikely.
    return _wfopen(path.c_str(), L"wb");
#else
    return std::fopen(path.c_str(), "wbx");
#endif
}

std::string uniqueSuffix()
{
    static std::mutex lock;
    static std::mt19937_64 generator(
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uint64_t value;
    {
        std::lock_guard<std::mutex> guard(lock);
        value = generator();
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// Removes the temporary file unless the rename took it.
struct TemporaryFile {
    fs::path path;
    bool kept = false;
    ~TemporaryFile()
    {
        if (!kept && !path.empty()) {
            std::error_code ignored;
            fs::remove(path, ignored);
        }
    }
};

}  // namespace

fs::path toFileSystemPath(std::u16string_view path)
{
#ifdef _WIN32
    return fs::path(std::wstring(path.begin(), path.end()));
#else
    return fs::path(text::toUtf8(path));
#endif
}

void writeWholeFile(std::u16string_view pathText, std::string_view bytes)
{
    const fs::path target = toFileSystemPath(pathText);
    if (!target.has_filename())
        throw OutputError("the path names no file");
    const fs::path folder = target.parent_path();

    TemporaryFile temp;
    FilePtr file;
    bool foldersMade = false;
    for (int attempt = 0; attempt < 8 && !file; ++attempt) {
        fs::path name(".");
        name += target.filename();
        name += ".";
        name += uniqueSuffix();
        name += ".tmp";
        temp.path = folder / name;
        errno = 0;
        file.reset(createExclusive(temp.path));
        // A missing folder is made on the first failure only, so that a file in an existing
        // folder costs no extra look-up.
        if (!file && errno == ENOENT && !foldersMade && !folder.empty()) {
            std::error_code ec;
            fs::create_directories(folder, ec);
            if (ec)
                throw OutputError("cannot create the folder " + folder.string() + ": " + ec.message());
            foldersMade = true;
            continue;
        }
        if (!file && errno != EEXIST)
            break;
    }
    if (!file) {
        int error = errno;
        temp.path.clear();
        throw OutputError(reasonOf(error ? error : EIO));
    }
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        int error = errno;
        file.reset();
        throw OutputError(reasonOf(error ? error : EIO));
    }
    errno = 0;
    if (std::fclose(file.release()) != 0) {
        int error = errno;
        throw OutputError(reasonOf(error ? error : EIO));
    }

    std::error_code ec;
    fs::rename(temp.path, target, ec);
    if (ec)
        throw OutputError(ec.message());
    temp.kept = true;
}

}  // namespace lectavo::convert
