// SPDX-License-Identifier: MIT
#pragma once

#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "ooxml/Limits.h"

struct zip;

namespace lectavo::engine::detail {

// The zip container of an OOXML package: parts by name, inflated one at a
// time within the limits. Every failure throws OpenError.
class Package {
public:
    // The bytes must outlive the package.
    static Package fromBytes(std::string_view bytes, const Limits& limits);
    // Reads the open file on demand, so parts never read (media) never enter memory.
    static Package fromFile(std::ifstream file, const Limits& limits);

    Package(Package&&) noexcept;
    ~Package();

    // Part names are zip entry names (no leading slash); lookup ignores ASCII case.
    bool contains(const std::string& name) const;
    // Replaces out with the inflated part. Throws Damaged when it is missing or corrupt, TooLarge beyond the limits.
    void read(const std::string& name, std::string& out);

private:
    struct Closer {
        void operator()(zip* z) const;
    };
    Package(zip* z, const Limits& limits);
    long long locate(const std::string& name) const;

    std::unique_ptr<zip, Closer> m_zip;
    Limits m_limits;
    std::uint64_t m_inflated = 0;
};

}  // namespace lectavo::engine::detail
