// SPDX-License-Identifier: MIT
#include "Png.h"

#include <array>

namespace lectavo::deckwriter::detail {

namespace {

std::uint32_t crc32(const std::string& data, std::size_t from)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = from; i < data.size(); ++i)
        c = table[(c ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void put32(std::string& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((v >> shift) & 0xFF);
}

void chunk(std::string& out, const char* type, const std::string& body)
{
    put32(out, static_cast<std::uint32_t>(body.size()));
    const std::size_t start = out.size();
    out += type;
    out += body;
    put32(out, crc32(out, start));
}

}  // namespace

std::string randomPng(std::uint32_t width, std::uint32_t height, std::uint32_t variant)
{
    std::string raw;
    raw.reserve(static_cast<std::size_t>(height) * (1 + 3 * static_cast<std::size_t>(width)));
    std::uint32_t state = variant * 2654435761u + 1;
    for (std::uint32_t y = 0; y < height; ++y) {
        raw += '\0';  // filter: none
        for (std::uint32_t x = 0; x < 3 * width; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            raw += static_cast<char>(state & 0xFF);
        }
    }

    std::string zlib = "\x78\x01";
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        zlib += static_cast<char>(at + n >= raw.size() ? 1 : 0);
        zlib += static_cast<char>(n & 0xFF);
        zlib += static_cast<char>(n >> 8);
        zlib += static_cast<char>(~n & 0xFF);
        zlib += static_cast<char>((~n >> 8) & 0xFF);
        zlib.append(raw, at, n);
        if (raw.empty())
            break;
    }
    put32(zlib, (b << 16) | a);

    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    put32(header, width);
    put32(header, height);
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter set, no interlace
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", zlib);
    chunk(png, "IEND", {});
    return png;
}

}  // namespace lectavo::deckwriter::detail
