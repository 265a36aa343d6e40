#include "display/draw_tavrel.h"
#include "display/tavrel.h"
#include "ico_file.h"
#include "icon_pictures.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace tavrel::icons {
namespace {

const QString kIconDir = QStringLiteral(TAVREL_ICON_DIR);

QByteArray read_file(const QString& name)
{
    QFile file(kIconDir + u'/' + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

unsigned le16(const QByteArray& bytes, int at)
{
    return static_cast<std::uint8_t>(bytes[at]) | static_cast<unsigned>(static_cast<std::uint8_t>(bytes[at + 1])) << 8U;
}

// Compares a decoded image with a picture: palette colour where opaque,
// nothing where the desktop shows through.
void expect_shows(const QImage& image, const Picture& picture, const std::string& what)
{
    ASSERT_EQ(image.size(), QSize(picture.size, picture.size)) << what;
    int wrong = 0;
    for (int y = 0; y < picture.size; ++y) {
        for (int x = 0; x < picture.size; ++x) {
            const QColor shown = image.pixelColor(x, y);
            if (!picture.opaque_at(x, y)) {
                wrong += shown.alpha() != 0 ? 1 : 0;
                continue;
            }
            const Rgb c = picture.palette[picture.index_at(x, y)];
            wrong += shown != QColor(c.red, c.green, c.blue) ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0) << what << ": pixels that differ from the picture";
}

std::vector<Rgb> colours_used(const Picture& picture)
{
    std::vector<Rgb> used;
    for (int y = 0; y < picture.size; ++y) {
        for (int x = 0; x < picture.size; ++x) {
            const Rgb c = picture.palette[picture.index_at(x, y)];
            if (picture.opaque_at(x, y) && std::find(used.begin(), used.end(), c) == used.end()) {
                used.push_back(c);
            }
        }
    }
    return used;
}

bool uses(const std::vector<Rgb>& used, Rgb c)
{
    return std::find(used.begin(), used.end(), c) != used.end();
}

TEST(IconPictures, AreTheThreeImagesInTheBoardColours)
{
    const auto pictures = icon_pictures();
    ASSERT_EQ(pictures.size(), 3U);
    const std::vector<std::pair<int, std::size_t>> shape{{32, 2}, {32, 16}, {16, 16}};
    for (std::size_t k = 0; k < pictures.size(); ++k) {
        const Picture& p = pictures[k];
        EXPECT_EQ(p.size, shape[k].first);
        EXPECT_EQ(p.palette.size(), shape[k].second);
        EXPECT_TRUE(std::all_of(p.pixels.begin(), p.pixels.end(), [&](auto index) { return index < p.palette.size(); }));
        // Round cells leave the corners to the desktop.
        EXPECT_FALSE(p.opaque_at(0, 0));
        EXPECT_FALSE(p.opaque_at(p.size - 1, p.size - 1));
    }
    EXPECT_EQ(colours_used(pictures[0]).size(), 2U);
    for (const Picture* p : {&pictures[1], &pictures[2]}) {
        const auto used = colours_used(*p);
        EXPECT_EQ(used.size(), 3U);
        EXPECT_TRUE(uses(used, kLiveFill) && uses(used, kDeadFill) && uses(used, kOutline));
    }
}

TEST(IconFiles, IcoHoldsThreeImagesOfTheirSizesAndDepths)
{
    const QByteArray ico = read_file(QStringLiteral("org.tavrel.Tavrel.ico"));
    ASSERT_GE(ico.size(), 6 + 3 * 16);
    EXPECT_EQ(le16(ico, 2), 1U) << "an icon, not a cursor";
    ASSERT_EQ(le16(ico, 4), 3U);
    struct Entry {
        int size;
        int colours;
        unsigned bits;
    };
    const std::vector<Entry> expected{{32, 2, 1}, {32, 16, 4}, {16, 16, 4}};
    for (int k = 0; k < 3; ++k) {
        const int at = 6 + 16 * k;
        EXPECT_EQ(static_cast<std::uint8_t>(ico[at]), expected[k].size);
        EXPECT_EQ(static_cast<std::uint8_t>(ico[at + 1]), expected[k].size);
        EXPECT_EQ(static_cast<std::uint8_t>(ico[at + 2]), expected[k].colours);
        EXPECT_EQ(le16(ico, at + 6), expected[k].bits);
    }
}

TEST(IconFiles, AreWhatTheGeneratorMakesNow)
{
    const auto pictures = icon_pictures();
    const auto made = ico_file(pictures);
    const QByteArray kept = read_file(QStringLiteral("org.tavrel.Tavrel.ico"));
    EXPECT_EQ(kept, QByteArray(reinterpret_cast<const char*>(made.data()), static_cast<qsizetype>(made.size())))
        << "run tavrel_make_icons data/icons";
    EXPECT_EQ(read_file(QStringLiteral("org.tavrel.Tavrel.svg")).toStdString(), icon_svg());

    // An independent reader decodes the bitmaps and masks back to the pictures.
    QImageReader reader(kIconDir + QStringLiteral("/org.tavrel.Tavrel.ico"), "ico");
    ASSERT_EQ(reader.imageCount(), 3);
    for (std::size_t k = 0; k < pictures.size(); ++k) {
        ASSERT_TRUE(reader.jumpToImage(static_cast<int>(k))) << k;
        QImage image;
        ASSERT_TRUE(reader.read(&image)) << k;
        expect_shows(image.convertToFormat(QImage::Format_ARGB32), pictures[k], "ico image " + std::to_string(k));
    }
    expect_shows(QImage(kIconDir + QStringLiteral("/org.tavrel.Tavrel-32.png")), pictures[1], "32 x 32 png");
    expect_shows(QImage(kIconDir + QStringLiteral("/org.tavrel.Tavrel-16.png")), pictures[2], "16 x 16 png");
}

TEST(WindowIcon, IsTheBuiltInIconInBothSizes)
{
    const Tavrel window;
    const QIcon icon = window.windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    const auto pictures = icon_pictures();
    // Of the two 32 x 32 images the window shows the one in 16 colours.
    expect_shows(icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32), pictures[1], "window icon 32");
    expect_shows(icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32), pictures[2], "window icon 16");
}

} // namespace
} // namespace tavrel::icons
