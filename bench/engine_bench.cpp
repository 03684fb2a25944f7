// SPDX-License-Identifier: MIT
// The built-in engine against a floor of the same work done by hand, and its
// peak memory on a picture-heavy deck against a text-only twin.
#include <pugixml.hpp>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "lectavo/convert/BuiltinEngine.h"
#include "lectavo/convert/TextEncoding.h"
#include "lectavo/deckwriter/DeckWriter.h"
#include "support/AutomationWalk.h"

namespace fs = std::filesystem;
using namespace lectavo;

namespace {

constexpr double kTargetRatio = 1.5;

using bench::cpuSeconds;

double seconds(const std::function<void()>& work)
{
    const double start = cpuSeconds();
    work();
    return cpuSeconds() - start;
}

// The floor: inflate the slide parts with libzip and parse them with pugixml, nothing else.
std::size_t floorWalk(const std::string& path)
{
    int error = 0;
    zip_t* z = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!z)
        throw std::runtime_error("cannot open " + path);
    std::size_t nodes = 0;
    std::string buffer;
    pugi::xml_document doc;
    const zip_int64_t entries = zip_get_num_entries(z, 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        const char* name = zip_get_name(z, static_cast<zip_uint64_t>(i), 0);
        if (!name || std::strncmp(name, "ppt/slides/slide", 16) != 0 || !std::strstr(name, ".xml") ||
            std::strstr(name, ".rels"))
            continue;
        zip_stat_t st;
        zip_stat_index(z, static_cast<zip_uint64_t>(i), 0, &st);
        buffer.resize(st.size);
        zip_file_t* f = zip_fopen_index(z, static_cast<zip_uint64_t>(i), 0);
        zip_fread(f, buffer.data(), buffer.size());
        zip_fclose(f);
        doc.load_buffer_inplace(buffer.data(), buffer.size());
        nodes += doc.first_child() ? 1 : 0;
    }
    zip_discard(z);
    return nodes;
}

std::size_t engineWalk(const std::string& path)
{
    return bench::automationWalk(automation::createObject("PowerPoint.Application"), {path}) + 1;
}

void compare(const char* title, const std::vector<std::string>& files, int repetitions)
{
    std::size_t sink = 0;
    double floor = 1e300, engine = 1e300;
    // Interleaved, best of each: both sides see the same machine.
    for (int i = 0; i < repetitions; ++i) {
        floor = std::min(floor, seconds([&] {
                             for (const auto& f : files)
                                 sink += floorWalk(f);
                         }));
        engine = std::min(engine, seconds([&] {
                              for (const auto& f : files)
                                  sink += engineWalk(f);
                          }));
    }
    const double ratio = engine / floor;
    std::printf("%-34s floor %8.1f ms   engine %8.1f ms   ratio %.2f (target <= %.1f) %s\n", title, floor * 1e3,
                engine * 1e3, ratio, kTargetRatio, ratio <= kTargetRatio ? "ok" : "OVER");
    if (sink == 0)
        std::printf("(nothing read)\n");
}

// Peak resident memory of a fresh process that runs the full walk on one file, in KiB.
long peakKiB(const char* self, const std::string& path)
{
    const pid_t child = fork();
    if (child == 0) {
        execl(self, self, "--walk", path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the walk of " + path + " failed");
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv)
{
    automation::registerBuiltinEngine();
    if (argc == 3 && std::strcmp(argv[1], "--walk") == 0)
        return engineWalk(argv[2]) > 0 ? 0 : 1;

    const fs::path dir = fs::temp_directory_path() / ("lectavo-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    try {
        const std::string big = (dir / "deck-1000.pptx").string();
        deckwriter::writeDeckFile(deckwriter::generatedDeck(1000, 12), big);
        std::vector<std::string> small;
        for (int i = 0; i < 200; ++i) {
            small.push_back((dir / ("small-" + std::to_string(i) + ".pptx")).string());
            deckwriter::writeDeckFile(deckwriter::generatedDeck(5 + i % 11, 12, static_cast<std::uint32_t>(i + 2)),
                                      small.back());
        }
        std::printf("full walk through the automation layer vs libzip inflate + pugixml parse (processor time, best of 5):\n");
        compare("1000 slides x 12 text shapes", {big}, 5);
        compare("200 small decks (5-15 slides)", small, 5);

        // Twins with the same text; one carries 50 MB of pictures.
        deckwriter::DeckContent text = deckwriter::generatedDeck(20, 12, 7);
        deckwriter::DeckContent pictures = text;
        for (int i = 0; i < 10; ++i)
            pictures.slides[static_cast<std::size_t>(i * 2)].pictures.push_back({2048, 853});  // about 5 MiB each
        const std::string textPath = (dir / "text-only.pptx").string();
        const std::string picturePath = (dir / "pictures.pptx").string();
        deckwriter::writeDeckFile(text, textPath);
        deckwriter::writeDeckFile(pictures, picturePath);
        const long textPeak = peakKiB(argv[0], textPath);
        const long picturePeak = peakKiB(argv[0], picturePath);
        std::printf("peak memory of the full walk: text-only %.1f MiB (file %.2f MiB), with pictures %.1f MiB "
                    "(file %.1f MiB): %+.1f MiB %s\n",
                    textPeak / 1024.0, fs::file_size(textPath) / 1048576.0, picturePeak / 1024.0,
                    fs::file_size(picturePath) / 1048576.0, (picturePeak - textPeak) / 1024.0,
                    picturePeak <= textPeak + 1024 ? "ok" : "OVER");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "engine_bench: %s\n", e.what());
        fs::remove_all(dir);
        return 1;
    }
    fs::remove_all(dir);
    return 0;
}
