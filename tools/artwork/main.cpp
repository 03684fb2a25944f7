// SPDX-License-Identifier: MIT
// Writes every picture of the windows as PNG into the folder given on the command line.
#include "SkinArt.h"
#include "StripArt.h"
#include "ToolbarArt.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: lectavo_artwork OUTPUT-FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    std::vector<art::NamedImage> all = art::ToolbarPictures();
    for (auto&& group : {art::StripPictures(), art::SkinPictures()})
        all.insert(all.end(), group.begin(), group.end());

    for (const auto& [path, image] : all) {
        const QString file = out.filePath(path);
        if (!QDir().mkpath(QFileInfo(file).path()) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "lectavo_artwork: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
