// SPDX-License-Identifier: MIT
#include "lectavo/convert/DefaultOutputFolder.h"

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <vector>

#include "lectavo/convert/TextEncoding.h"
#endif

namespace lectavo::convert {

std::u16string defaultOutputFolder()
{
#ifdef _WIN32
    return u"C:\\Output";
#else
    std::string home;
    if (const char* env = std::getenv("HOME"); env && env[0] == '/') {
        home = env;
    } else {
        std::vector<char> storage(16384);
        passwd entry{};
        passwd* found = nullptr;
        if (getpwuid_r(getuid(), &entry, storage.data(), storage.size(), &found) == 0 && found && found->pw_dir)
            home = found->pw_dir;
    }
    while (home.size() > 1 && home.back() == '/')
        home.pop_back();
    if (home.empty() || home == "/")
        return u"/Output";
    return text::fromUtf8(home) + u"/Output";
#endif
}

}  // namespace lectavo::convert
