// SPDX-License-Identifier: MIT
#include "TextCompare.h"

#include <algorithm>

namespace lectavo::filelist {

namespace {

int upper(char c)
{
    auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? u - ('a' - 'A') : u;
}

}  // namespace

int compareTexts(const QByteArray& first, const QByteArray& second)
{
    qsizetype n = std::min(first.size(), second.size());
    for (qsizetype i = 0; i < n; ++i) {
        int a = upper(first[i]);
        int b = upper(second[i]);
        if (a != b)
            return a - b;
    }
    return static_cast<int>(first.size() - second.size());
}

int compareTexts(const QString& first, const QString& second)
{
    return compareTexts(first.toLocal8Bit(), second.toLocal8Bit());
}

}  // namespace lectavo::filelist
