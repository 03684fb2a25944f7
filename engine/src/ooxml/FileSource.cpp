// SPDX-License-Identifier: MIT
#include "ooxml/FileSource.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace lectavo::engine::detail {

namespace {

constexpr zip_uint64_t kWindow = 64 * 1024;

class FileReader {
public:
    FileReader(std::ifstream file, zip_uint64_t size) : m_file(std::move(file)), m_size(size) { zip_error_init(&m_error); }
    ~FileReader() { zip_error_fini(&m_error); }
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
                const zip_int64_t n = readAt(out + done, length - done, at);
                if (n <= 0)
                    return n < 0 ? -1 : static_cast<zip_int64_t>(done);
                done += static_cast<zip_uint64_t>(n);
                continue;
            }
            m_window.resize(kWindow);
            const zip_int64_t n = readAt(m_window.data(), kWindow, at);
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

    zip_int64_t readAt(char* into, zip_uint64_t length, zip_uint64_t at)
    {
        m_file.clear();
        m_file.seekg(static_cast<std::streamoff>(at));
        m_file.read(into, static_cast<std::streamsize>(length));
        if (m_file.bad() || (m_file.fail() && !m_file.eof())) {
            zip_error_set(&m_error, ZIP_ER_READ, 0);
            return -1;
        }
        return m_file.gcount();
    }

    std::ifstream m_file;
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

zip_source_t* createFileSource(std::ifstream file, zip_error_t* error)
{
    file.clear();
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (!file || size < 0) {
        zip_error_set(error, ZIP_ER_READ, 0);
        return nullptr;
    }
    auto* reader = new FileReader(std::move(file), static_cast<zip_uint64_t>(size));
    zip_source_t* source = zip_source_function_create(callback, reader, error);
    if (!source)
        delete reader;
    return source;
}

}  // namespace lectavo::engine::detail
