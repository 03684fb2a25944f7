// SPDX-License-Identifier: MIT
#include "ooxml/FileSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace lectavo::engine::detail {

namespace {

constexpr zip_uint64_t kWindow = 64 * 1024;

class FileReader {
public:
    FileReader(int fd, zip_uint64_t size) : m_fd(fd), m_size(size) { zip_error_init(&m_error); }
    ~FileReader()
    {
        ::close(m_fd);
        zip_error_fini(&m_error);
    }
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    zip_int64_t handle(void* data, zip_uint64_t length, zip_source_cmd_t command)
    {
        switch (command) {
        case ZIP_SOURCE_OPEN:
            m_offset = 0;
            return 0;
        case ZIP_SOURCE_READ:
            return read(static_cast<char*>(data), length);
        case ZIP_SOURCE_CLOSE:
            return 0;
        case ZIP_SOURCE_STAT: {
            if (length < sizeof(zip_stat_t)) {
                zip_error_set(&m_error, ZIP_ER_INVAL, 0);
                return -1;
            }
            auto* stat = static_cast<zip_stat_t*>(data);
            zip_stat_init(stat);
            stat->size = m_size;
            stat->valid |= ZIP_STAT_SIZE;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&m_error, data, length);
        case ZIP_SOURCE_SEEK: {
            const zip_int64_t offset = zip_source_seek_compute_offset(m_offset, m_size, data, length, &m_error);
            if (offset < 0)
                return -1;
            m_offset = static_cast<zip_uint64_t>(offset);
            return 0;
        }
        case ZIP_SOURCE_TELL:
            return static_cast<zip_int64_t>(m_offset);
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                                  ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL,
                                                  ZIP_SOURCE_SUPPORTS, -1);
        default:
            zip_error_set(&m_error, ZIP_ER_OPNOTSUPP, 0);
            return -1;
        }
    }

private:
    zip_int64_t read(char* out, zip_uint64_t length)
    {
        length = std::min(length, m_size - std::min(m_offset, m_size));
        zip_uint64_t done = 0;
        while (done < length) {
            const zip_uint64_t at = m_offset + done;
            if (at >= m_windowStart && at < m_windowStart + m_window.size()) {
                const zip_uint64_t n = std::min(length - done, m_windowStart + m_window.size() - at);
                std::memcpy(out + done, m_window.data() + (at - m_windowStart), n);
                done += n;
                continue;
            }
            if (length - done >= kWindow) {
                const ssize_t n = pread(out + done, length - done, at);
                if (n <= 0)
                    return n < 0 ? -1 : static_cast<zip_int64_t>(done);
                done += static_cast<zip_uint64_t>(n);
                continue;
            }
            m_window.resize(kWindow);
            const ssize_t n = pread(m_window.data(), kWindow, at);
            m_window.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
            m_windowStart = at;
            if (n <= 0) {
                if (n < 0)
                    return -1;
                break;
            }
        }
        m_offset += done;
        return static_cast<zip_int64_t>(done);
    }

    ssize_t pread(char* into, zip_uint64_t length, zip_uint64_t at)
    {
        ssize_t n;
        do
            n = ::pread(m_fd, into, length, static_cast<off_t>(at));
        while (n < 0 && errno == EINTR);
        if (n < 0)
            zip_error_set(&m_error, ZIP_ER_READ, errno);
        return n;
    }

    int m_fd;
    zip_uint64_t m_size;
    zip_uint64_t m_offset = 0;
    zip_error_t m_error;
    std::vector<char> m_window;
    zip_uint64_t m_windowStart = 0;
};

zip_int64_t callback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto* reader = static_cast<FileReader*>(state);
    if (command == ZIP_SOURCE_FREE) {
        delete reader;
        return 0;
    }
    return reader->handle(data, length, command);
}

}  // namespace

zip_source_t* createFileSource(const std::string& path, zip_error_t* error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        zip_error_set(error, ZIP_ER_OPEN, errno);
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        zip_error_set(error, ZIP_ER_OPEN, errno ? errno : EINVAL);
        ::close(fd);
        return nullptr;
    }
    auto* reader = new FileReader(fd, static_cast<zip_uint64_t>(info.st_size));
    zip_source_t* source = zip_source_function_create(callback, reader, error);
    if (!source)
        delete reader;
    return source;
}

}  // namespace lectavo::engine::detail
