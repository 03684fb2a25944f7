// SPDX-License-Identifier: MIT
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct Picture {
    std::string name;  // test name
    const char* path;
    QSize size;
    bool alpha;
};

void PrintTo(const Picture& p, std::ostream* os)
{
    *os << p.path;
}

std::vector<Picture> Pictures()
{
    const QSize icon(32, 32);
    return {
        {"ToolbarAdd", "toolbar/add.png", icon, true},
        {"ToolbarAdds", "toolbar/adds.png", icon, true},
        {"ToolbarRemove", "toolbar/remove.png", icon, true},
        {"ToolbarRemoves", "toolbar/removes.png", icon, true},
        {"ToolbarCheck", "toolbar/check.png", icon, true},
        {"ToolbarSetting", "toolbar/setting.png", icon, true},
        {"ToolbarConvert", "toolbar/convert.png", icon, true},
        {"ToolbarStop", "toolbar/stop.png", icon, true},
        {"ToolbarHelp", "toolbar/help.png", icon, true},
        {"ToolbarHome", "toolbar/home.png", icon, true},
        {"BottomStrip", "strip/image2.png", {700, 38}, false},
        {"ToolbarBackground", "strip/image3.png", {700, 73}, false},
        {"UnderToolbar", "strip/image4.png", {4, 4}, false},
        {"LeftStrip", "strip/image9.png", {4, 15}, false},
        {"RightStrip", "strip/image10.png", {4, 15}, false},
        {"SettingBackground", "setting/background.png", {4, 33}, false},
        {"SettingBrowse", "setting/browse.png", {24, 24}, true},
        {"ButtonSprite", "skin/imagem.png", {101, 93}, false},
        {"TitleTemplate", "skin/imagetop.png", {799, 37}, false},
        {"ListBackground", "skin/imagebk.png", {19, 16}, false},
        {"Icon16", "skin/icon-16.png", {16, 16}, true},
        {"Icon32", "skin/icon-32.png", {32, 32}, true},
        {"Icon48", "skin/icon-48.png", {48, 48}, true},
        {"Icon128", "skin/icon-128.png", {128, 128}, true},
        {"Icon256", "skin/icon-256.png", {256, 256}, true},
    };
}

QImage Load(const char* path)
{
    return QImage(QStringLiteral(":/art/") + QLatin1String(path));
}

class ArtworkPicture : public ::testing::TestWithParam<Picture> {};

TEST_P(ArtworkPicture, HasItsSizeAndAlpha)
{
    const Picture& p = GetParam();
    const QImage img = Load(p.path);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), p.size);
    EXPECT_EQ(img.hasAlphaChannel(), p.alpha);
    if (p.alpha) {
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << "the corner is clear";
        int opaque = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                opaque += qAlpha(img.pixel(x, y)) == 255;
        EXPECT_GT(opaque, img.width() * img.height() / 10) << "something is drawn";
    }
}

INSTANTIATE_TEST_SUITE_P(Artwork, ArtworkPicture, ::testing::ValuesIn(Pictures()),
                         [](const auto& info) { return info.param.name; });

TEST(Artwork, ListBackgroundIsOneLightBlue)
{
    const QImage img = Load("skin/imagebk.png");
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_EQ(img.pixelColor(x, y), QColor(172, 212, 234)) << x << "," << y;
}

TEST(Artwork, SideStripsAreMirroredBluesDarkOutside)
{
    const QImage left = Load("strip/image9.png"), right = Load("strip/image10.png");
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(left.pixel(x, y), left.pixel(x, 0)) << "every row alike";
            EXPECT_EQ(right.pixel(x, y), left.pixel(3 - x, y));
        }
    EXPECT_LT(left.pixelColor(0, 0).value(), left.pixelColor(3, 0).value());
    const QColor blue = left.pixelColor(1, 0);
    EXPECT_GT(blue.blue(), blue.red());
}

TEST(Artwork, TitleCapsJoinTheStretchedColumnWithoutASeam)
{
    const QImage tpl = Load("skin/imagetop.png");
    for (int y = 0; y < 35; ++y) {
        const QColor mid = tpl.pixelColor(200, y);
        for (int x : {196, 199, 201, 598, 599, 602}) {
            const QColor c = tpl.pixelColor(x, y);
            EXPECT_LE(std::abs(c.red() - mid.red()) + std::abs(c.green() - mid.green()) + std::abs(c.blue() - mid.blue()),
                      6)
                << x << "," << y;
        }
    }
}

TEST(Artwork, ButtonFacesStandOnOneTransparentGrey)
{
    const QImage sprite = Load("skin/imagem.png");
    const QRgb key = sprite.pixel(0, 30);
    for (int row = 0; row < 3; ++row)
        for (int x : {0, 25, 50, 76}) {
            EXPECT_EQ(sprite.pixel(x, row * 31 + 30), key) << "bottom-left of face " << x << "," << row;
            EXPECT_EQ(sprite.pixel(x + 24, row * 31), key) << "top-right of face " << x << "," << row;
            EXPECT_NE(sprite.pixel(x + 12, row * 31 + 8), key) << "the glass of face " << x << "," << row;
        }
    // Normal orange-red, hover blue, pressed dark green: read where the glass is plain, left of the glyph.
    const QColor normal = sprite.pixelColor(6, 18), hover = sprite.pixelColor(6, 31 + 18),
                 pressed = sprite.pixelColor(6, 62 + 18);
    EXPECT_GT(normal.red(), normal.blue() + 60);
    EXPECT_GT(hover.blue(), hover.red() + 60);
    EXPECT_GT(pressed.green(), pressed.red() + 20);
    EXPECT_LT(pressed.value(), hover.value());
}

} // namespace
