// SPDX-License-Identifier: MIT
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The shared presentation corpus: MANIFEST.tsv rows and the expected outputs.
namespace lectavo::testing {

struct CorpusCase {
    std::string file;     // name in files/
    std::string kind;     // "text" or "open-fails"
    std::string compare;  // "exact", "loose" or "-"
    std::string path() const { return std::string(LECTAVO_CORPUS_DIR) + "/files/" + file; }
    std::string expectedPath() const { return std::string(LECTAVO_CORPUS_DIR) + "/expected/" + file + ".txt"; }
    bool isLegacy() const { return compare == "loose"; }
};

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::vector<CorpusCase> corpusCases()
{
    std::vector<CorpusCase> cases;
    std::istringstream manifest(readBytes(std::string(LECTAVO_CORPUS_DIR) + "/MANIFEST.tsv"));
    std::string line;
    std::getline(manifest, line);  // header
    while (std::getline(manifest, line)) {
        std::vector<std::string> cols;
        std::istringstream row(line);
        for (std::string col; std::getline(row, col, '\t');)
            cols.push_back(col);
        if (cols.size() >= 7)
            cases.push_back({cols[0], cols[5], cols[6]});
    }
    return cases;
}

// A test name from a file name: letters and digits only.
inline std::string caseName(const std::string& file)
{
    std::string name;
    for (char c : file)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

// The loose comparison of the corpus: every run of CR, LF and VT is one
// separator; empty lines and trailing blanks do not count.
inline std::vector<std::string> looseLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string current;
    auto flush = [&] {
        while (!current.empty() && (current.back() == ' ' || current.back() == '\t'))
            current.pop_back();
        if (current.find_first_not_of(" \t") != std::string::npos)
            lines.push_back(current);
        current.clear();
    };
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == '\v')
            flush();
        else
            current += c;
    }
    flush();
    return lines;
}

}  // namespace lectavo::testing
