// The check that assets/ is what the art program draws: byte for byte on the platform
// that drew it; elsewhere rounding noise passes while any visible change still fails.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "tools/art/compare.h"

namespace {

// A small picture with an antialiased disc, like the art program draws.
QImage picture(double disc_x = 20, QColor disc = QColor(0xD4231A)) {
    QImage img(48, 40, QImage::Format_RGB32);
    img.fill(QColor(0xFFB347));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(QPointF(disc_x, 20), 12, 12);
    return img;
}

// The same picture with a few pixels rounded one or two levels the other way.
QImage rounded_differently(QImage img, int levels) {
    for (QPoint at : {QPoint(3, 3), QPoint(20, 9), QPoint(31, 22), QPoint(40, 35), QPoint(9, 30)}) {
        const QColor c = img.pixelColor(at);
        img.setPixelColor(at, QColor(std::max(0, c.red() - levels), c.green(), c.blue()));
    }
    return img;
}

TEST(ArtPixelDifference, MeasuresTheLargestChannelDifferenceAndCountsPixels) {
    const QImage a = picture();
    const art::PixelDifference same = art::pixel_difference(a, a);
    EXPECT_TRUE(same.same_size);
    EXPECT_EQ(same.largest, 0);
    EXPECT_EQ(same.pixels, 0);

    const art::PixelDifference rounded = art::pixel_difference(a, rounded_differently(a, 1));
    EXPECT_EQ(rounded.largest, 1);
    EXPECT_EQ(rounded.pixels, 5);

    // Half a pixel to the right: the disc's edge changes by far more than rounding.
    const art::PixelDifference moved = art::pixel_difference(a, picture(20.5));
    EXPECT_GT(moved.largest, 60);
    EXPECT_GT(moved.pixels, 20);

    EXPECT_FALSE(art::pixel_difference(a, a.copy(0, 0, 47, 40)).same_size);
}

TEST(ArtPixelDifference, IgnoresTheColourUnderFullTransparencyButNotAlpha) {
    QImage a(8, 8, QImage::Format_ARGB32), b(8, 8, QImage::Format_ARGB32);
    a.fill(qRgba(255, 0, 0, 0));
    b.fill(qRgba(0, 0, 255, 0));
    EXPECT_EQ(art::pixel_difference(a, b).largest, 0);
    b.setPixel(4, 4, qRgba(0, 0, 255, 255));
    const art::PixelDifference d = art::pixel_difference(a, b);
    EXPECT_EQ(d.largest, 255);
    EXPECT_EQ(d.pixels, 1);
    EXPECT_EQ(d.first, QPoint(4, 4));
}

// Two folders as the art program writes them: pictures, the manifest and the platform.
class ArtFolders : public ::testing::Test {
protected:
    QTemporaryDir drawn, stored;

    static void write(const QTemporaryDir& dir, const QString& file, const QByteArray& bytes) {
        QFile f(dir.filePath(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static void save(const QTemporaryDir& dir, const QString& file, const QImage& img,
                     int png_compression = -1) {
        ASSERT_TRUE(img.save(dir.filePath(file), nullptr, png_compression));
    }
    void both(const QString& file, const QImage& img) {
        save(drawn, file, img);
        save(stored, file, img);
    }
    void platforms(const char* here, const char* there) {
        write(drawn, art::kPlatformFile, here);
        write(stored, art::kPlatformFile, there);
    }
    void SetUp() override {
        ASSERT_TRUE(drawn.isValid() && stored.isValid());
        both("pic_a.bmp", picture());
        both("pic_a.114x114.png", picture(24));
        write(drawn, "manifest.h", "// files\n");
        write(stored, "manifest.h", "// files\n");
    }
    QStringList compare(bool* by_pixels = nullptr) {
        return art::compare_art(drawn.path(), stored.path(), by_pixels);
    }
};

TEST_F(ArtFolders, OnTheSamePlatformEveryByteCounts) {
    platforms("Debian 12, Qt 6.4.2\n", "Debian 12, Qt 6.4.2\n");
    bool by_pixels = true;
    EXPECT_TRUE(compare(&by_pixels).isEmpty());
    EXPECT_FALSE(by_pixels);

    // The same pixels, stored with another compression: still not what was drawn.
    save(stored, "pic_a.114x114.png", picture(24), 0);
    EXPECT_EQ(compare(), QStringList{"pic_a.114x114.png: differs byte for byte"});
}

TEST_F(ArtFolders, OnAnotherPlatformRoundingPassesAndVisibleChangesFail) {
    platforms("Debian 13, Qt 6.8.2\n", "Debian 12, Qt 6.4.2\n");
    save(stored, "pic_a.114x114.png", picture(24), 0);
    save(drawn, "pic_a.bmp", rounded_differently(picture(), art::kPixelTolerance));
    bool by_pixels = false;
    EXPECT_TRUE(compare(&by_pixels).isEmpty());
    EXPECT_TRUE(by_pixels);

    // One level past the tolerance on five pixels: a colour changed.
    save(drawn, "pic_a.bmp", rounded_differently(picture(), art::kPixelTolerance + 1));
    QStringList problems = compare();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].startsWith("pic_a.bmp: 5 pixels differ, up to 3 levels"))
        << problems[0].toStdString();

    // A shape moved by a third of a pixel, and a colour a player could tell apart.
    save(drawn, "pic_a.bmp", picture(20.33));
    save(drawn, "pic_a.114x114.png", picture(24, QColor(0xD8231A)));
    problems = compare();
    EXPECT_EQ(problems.size(), 2);
}

TEST_F(ArtFolders, TheManifestAndTheListOfFilesMatchExactlyEverywhere) {
    platforms("Debian 13, Qt 6.8.2\n", "Debian 12, Qt 6.4.2\n");
    write(drawn, "manifest.h", "// files, one more\n");
    save(drawn, "pic_new.bmp", picture());
    save(stored, "pic_old.bmp", picture());
    save(drawn, "pic_a.114x114.png", picture(24).copy(0, 0, 47, 40));
    const QStringList problems = compare();
    EXPECT_TRUE(problems.contains("manifest.h: differs byte for byte"));
    EXPECT_TRUE(problems.contains("pic_new.bmp: drawn, but not stored"));
    EXPECT_TRUE(problems.contains("pic_old.bmp: stored, but no longer drawn"));
    EXPECT_TRUE(problems.contains("pic_a.114x114.png: drawn 47x40, stored 48x40"));
    EXPECT_EQ(problems.size(), 4);
}

TEST_F(ArtFolders, AFolderThatDoesNotNameItsPlatformIsReportedAndComparedByPixels) {
    write(drawn, art::kPlatformFile, "Debian 12, Qt 6.4.2\n");
    bool by_pixels = false;
    EXPECT_EQ(compare(&by_pixels), QStringList{"drawn_on.txt: drawn, but not stored"});
    EXPECT_TRUE(by_pixels);
}

}  // namespace
