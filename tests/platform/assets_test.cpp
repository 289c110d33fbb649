// The pictures compiled into the program and the files laid beside it.
#include <gtest/gtest.h>

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QSet>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "assets/resources.h"

namespace quorbals {
namespace {

bool IsReddish(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100;
}
bool IsGreenish(QRgb c) {
    return qGreen(c) > 150 && qRed(c) < 100 && qBlue(c) < 100;
}
bool IsBluish(QRgb c) {
    return qBlue(c) > 150 && qRed(c) < 100 && qGreen(c) < 120;
}

TEST(AssetsTest, AboutIconIsThreeSquaresInSixteenColoursOnATransparentGround) {
    const QImage icon = QImage(kAboutIconResource).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            colours.insert(icon.pixel(x, y));
        }
    }
    EXPECT_LE(colours.size(), 16);
    EXPECT_EQ(qAlpha(icon.pixel(31, 0)), 0);  // the ground beside the diagonal
    EXPECT_EQ(qAlpha(icon.pixel(0, 31)), 0);
    EXPECT_TRUE(IsReddish(icon.pixel(7, 8)));
    EXPECT_TRUE(IsGreenish(icon.pixel(16, 16)));
    EXPECT_TRUE(IsBluish(icon.pixel(24, 25)));
}

TEST(AssetsTest, ProgramIconComesInEverySize) {
    const QIcon icon = ProgramIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        const QImage image(QStringLiteral(":/icons/quorbals-%1.png").arg(size));
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_TRUE(image.hasAlphaChannel());
    }
}

// The opaque part of each ornament hugs its own corner.
TEST(AssetsTest, EachCornerOrnamentIsShapedForItsCorner) {
    struct Corner {
        const char* resource;
        int x, y;  // the outer corner pixel
    };
    const Corner corners[] = {{kCornerTopLeftResource, 0, 0},
                              {kCornerTopRightResource, 14, 0},
                              {kCornerBottomLeftResource, 0, 14},
                              {kCornerBottomRightResource, 14, 14}};
    std::vector<QImage> images;
    for (const Corner& corner : corners) {
        const QImage image = QImage(corner.resource).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(15, 15)) << corner.resource;
        int opaque = 0;
        int near_corner = 0;
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 15; ++x) {
                if (qAlpha(image.pixel(x, y)) == 0) {
                    continue;
                }
                ++opaque;
                if (std::abs(x - corner.x) < 7 && std::abs(y - corner.y) < 7) {
                    ++near_corner;
                }
            }
        }
        EXPECT_GT(opaque, 20) << corner.resource;
        EXPECT_LT(opaque, 15 * 15 / 2) << corner.resource;  // mostly transparent
        EXPECT_GT(near_corner * 2, opaque) << corner.resource;
        // The opposite corner stays clear.
        EXPECT_EQ(qAlpha(image.pixel(14 - corner.x, 14 - corner.y)), 0) << corner.resource;
        images.push_back(image);
    }
    EXPECT_NE(images[0], images[1]);
    EXPECT_NE(images[0], images[2]);
    EXPECT_NE(images[1], images[3]);
}

struct Wave {
    std::uint16_t format = 0, channels = 0, bits = 0;
    std::uint32_t rate = 0;
    std::vector<std::int16_t> samples;
};

// A plain RIFF reader, enough for the files we write.
Wave ReadWave(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Wave wave;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        return wave;
    }
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id = bytes.substr(at, 4);
        std::uint32_t size = 0;
        std::memcpy(&size, bytes.data() + at + 4, 4);
        const char* body = bytes.data() + at + 8;
        if (at + 8 + size > bytes.size()) {
            break;
        }
        if (id == "fmt ") {
            std::memcpy(&wave.format, body, 2);
            std::memcpy(&wave.channels, body + 2, 2);
            std::memcpy(&wave.rate, body + 4, 4);
            std::memcpy(&wave.bits, body + 14, 2);
        } else if (id == "data") {
            wave.samples.resize(size / 2);
            std::memcpy(wave.samples.data(), body, wave.samples.size() * 2);
        }
        at += 8 + size + (size & 1);
    }
    return wave;
}

TEST(AssetsTest, SoundsAreShortCleanMonoPcmBesideTheGame) {
    for (const char* name : {"select.wav", "move.wav", "remove.wav", "add.wav", "end.wav"}) {
        const std::filesystem::path beside = std::filesystem::path(BUILD_DIR) / name;
        ASSERT_TRUE(std::filesystem::exists(beside)) << name;
        const Wave wave = ReadWave(beside);
        EXPECT_EQ(wave.format, 1) << name;
        EXPECT_EQ(wave.channels, 1) << name;
        EXPECT_EQ(wave.bits, 16) << name;
        EXPECT_TRUE(wave.rate == 22050 || wave.rate == 44100) << name;
        ASSERT_GT(wave.samples.size(), 100u) << name;
        const double seconds = double(wave.samples.size()) / wave.rate;
        EXPECT_LT(seconds, 1.5) << name;
        // Starting and ending at rest means no click.
        EXPECT_LT(std::abs(wave.samples.front()), 200) << name;
        EXPECT_LT(std::abs(wave.samples.back()), 200) << name;
        if (std::string(name) == "move.wav") {
            EXPECT_LT(seconds, 0.05);  // restarts with every 50 ms step
        }
    }
}

TEST(AssetsTest, HelpFileLiesBesideTheGame) {
    const std::filesystem::path beside = std::filesystem::path(BUILD_DIR) / "quorbals.chm";
    ASSERT_TRUE(std::filesystem::exists(beside));
    std::ifstream in(beside, std::ios::binary);
    char magic[4] = {};
    in.read(magic, 4);
    EXPECT_EQ(std::string(magic, 4), "ITSF");
}

}  // namespace
}  // namespace quorbals
