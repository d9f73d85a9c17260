// The art built into the game: every picture and pointer image is present in the
// resources, decodes, and has the size, file format and transparency the board needs.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "assets/manifest.h"

namespace {

enum class Kind { Bmp, Jpeg, Ico };

struct Expected {
    std::string file;
    Kind kind;
    int width, height;
};

Kind kind_of(std::string_view file) {
    return file.ends_with(".bmp") ? Kind::Bmp : file.ends_with(".jpg") ? Kind::Jpeg : Kind::Ico;
}

// The stored files, as the art program lists them in its manifest.
const std::vector<Expected>& expectedAssets() {
    static const std::vector<Expected> list = [] {
        std::vector<Expected> out;
        for (const assets::File& f : assets::kFiles)
            if (f.stored) out.push_back({std::string(f.file), kind_of(f.file), f.width, f.height});
        return out;
    }();
    return list;
}

QString resourcePath(std::string_view file) {
    return QStringLiteral(":/assets/") + QString::fromUtf8(file.data(), qsizetype(file.size()));
}

QByteArray bytesOf(std::string_view file) {
    QFile f(resourcePath(file));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage imageOf(std::string_view file) {
    return QImageReader(resourcePath(file)).read().convertToFormat(QImage::Format_ARGB32);
}

uint32_t le16(const QByteArray& b, int at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8;
}

uint32_t le32(const QByteArray& b, int at) {
    return le16(b, at) | le16(b, at + 2) << 16;
}

std::vector<const Expected*> ofKind(Kind k) {
    std::vector<const Expected*> out;
    for (const Expected& e : expectedAssets())
        if (e.kind == k) out.push_back(&e);
    return out;
}

bool isArrow(std::string_view file) {
    return file.starts_with("ico_arrow_");
}

// Offset of a pixel of the AND mask of a classic one-image icon; bit set = transparent.
bool maskBit(const QByteArray& ico, int x, int y) {
    const int dib = int(le32(ico, 18));
    const int w = int(le32(ico, dib + 4)), h = int(le32(ico, dib + 8)) / 2;
    const int colours = le32(ico, dib + 32) ? int(le32(ico, dib + 32)) : 256;
    const int andStart = dib + 40 + 4 * colours + ((w + 3) & ~3) * h;
    const int stride = ((w + 31) / 32) * 4;
    const int row = h - 1 - y;  // rows are stored bottom-up
    return (uint8_t(ico[andStart + row * stride + x / 8]) >> (7 - x % 8)) & 1;
}

TEST(ArtAssets, EveryAssetIsBuiltInAndDecodesAtItsExactSize) {
    for (const Expected& e : expectedAssets()) {
        SCOPED_TRACE(e.file);
        ASSERT_TRUE(QFile::exists(resourcePath(e.file)));
        QImageReader reader(resourcePath(e.file));
        const QByteArray format = reader.format();
        EXPECT_EQ(format, e.kind == Kind::Bmp    ? QByteArray("bmp")
                          : e.kind == Kind::Jpeg ? QByteArray("jpeg")
                                                 : QByteArray("ico"));
        const QImage img = reader.read();
        ASSERT_FALSE(img.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(img.width(), e.width);
        EXPECT_EQ(img.height(), e.height);
    }
}

TEST(ArtAssets, BitmapsAreUncompressed24BitWithConsistentHeaders) {
    for (const Expected* e : ofKind(Kind::Bmp)) {
        SCOPED_TRACE(e->file);
        const QByteArray b = bytesOf(e->file);
        ASSERT_GE(b.size(), 54);
        EXPECT_EQ(b.left(2), QByteArray("BM"));
        EXPECT_EQ(le32(b, 2), uint32_t(b.size()));  // file size
        EXPECT_EQ(le32(b, 14), 40u);                // BITMAPINFOHEADER
        EXPECT_EQ(int32_t(le32(b, 18)), e->width);
        EXPECT_EQ(int32_t(le32(b, 22)), e->height);  // positive: bottom-up
        EXPECT_EQ(le16(b, 26), 1u);                  // planes
        EXPECT_EQ(le16(b, 28), 24u);                 // bits per pixel
        EXPECT_EQ(le32(b, 30), 0u);                  // BI_RGB
        const uint32_t stride = (uint32_t(e->width) * 3 + 3) & ~3u;
        EXPECT_EQ(le32(b, 10) + stride * uint32_t(e->height), uint32_t(b.size()));
    }
}

TEST(ArtAssets, JpegImagesAreCompleteJpegStreams) {
    for (const Expected* e : ofKind(Kind::Jpeg)) {
        SCOPED_TRACE(e->file);
        const QByteArray b = bytesOf(e->file);
        ASSERT_GE(b.size(), 4);
        EXPECT_EQ(b.left(3), QByteArray("\xFF\xD8\xFF"));
        EXPECT_EQ(b.right(2), QByteArray("\xFF\xD9"));
    }
}

TEST(ArtAssets, IconsAreOne48x48EightBitImageWithAndMask) {
    for (const Expected* e : ofKind(Kind::Ico)) {
        SCOPED_TRACE(e->file);
        const QByteArray b = bytesOf(e->file);
        ASSERT_GE(b.size(), 22 + 40);
        EXPECT_EQ(le16(b, 0), 0u);
        EXPECT_EQ(le16(b, 2), 1u);  // icon, not cursor
        EXPECT_EQ(le16(b, 4), 1u);  // exactly one image
        EXPECT_EQ(uint8_t(b[6]), 48);
        EXPECT_EQ(uint8_t(b[7]), 48);
        EXPECT_EQ(uint8_t(b[8]), 0);  // 256 colours
        EXPECT_EQ(le16(b, 12), 8u);
        const uint32_t dib = le32(b, 18);
        ASSERT_EQ(le32(b, 14) + dib, uint32_t(b.size()));
        EXPECT_EQ(le32(b, dib), 40u);  // a BITMAPINFOHEADER, not an embedded PNG
        EXPECT_EQ(le32(b, dib + 4), 48u);
        EXPECT_EQ(le32(b, dib + 8), 96u);  // colour rows plus mask rows
        EXPECT_EQ(le16(b, dib + 14), 8u);
        EXPECT_EQ(le32(b, dib + 16), 0u);
        const uint32_t colours = le32(b, dib + 32) ? le32(b, dib + 32) : 256u;
        EXPECT_EQ(colours, 256u);
        // Header, palette, 48 rows of 48 indices, 48 mask rows of 8 bytes.
        EXPECT_EQ(uint32_t(b.size()), dib + 40 + 4 * colours + 48 * 48 + 48 * 8);
    }
}

TEST(ArtAssets, IconsAreTransparentInTheCornersAndOpaqueOnTheActivePoint) {
    for (const Expected* e : ofKind(Kind::Ico)) {
        SCOPED_TRACE(e->file);
        const QByteArray b = bytesOf(e->file);
        const QImage img = imageOf(e->file);
        ASSERT_EQ(img.size(), QSize(48, 48));
        for (QPoint c : {QPoint(0, 0), QPoint(47, 0), QPoint(0, 47), QPoint(47, 47)}) {
            EXPECT_TRUE(maskBit(b, c.x(), c.y())) << c.x() << "," << c.y();
            EXPECT_EQ(qAlpha(img.pixel(c)), 0) << c.x() << "," << c.y();
        }
        EXPECT_FALSE(maskBit(b, 24, 24));
        EXPECT_EQ(qAlpha(img.pixel(24, 24)), 255);
        // Hard-edged: the mask is all the transparency there is.
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x) {
                const int a = qAlpha(img.pixel(x, y));
                ASSERT_TRUE(a == 0 || a == 255) << x << "," << y;
                ASSERT_EQ(a == 0, maskBit(b, x, y)) << x << "," << y;
            }
    }
}

TEST(ArtAssets, ArrowsPointWithTheirTipAtTheActivePoint) {
    for (const Expected* e : ofKind(Kind::Ico)) {
        if (!isArrow(e->file)) continue;
        SCOPED_TRACE(e->file);
        const QImage img = imageOf(e->file);
        int opaque = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x) {
                if (qAlpha(img.pixel(x, y)) == 0) continue;
                ++opaque;
                EXPECT_TRUE(x >= 24 && y >= 24)
                    << "pixel above or left of the tip: " << x << "," << y;
            }
        EXPECT_GT(opaque, 120);  // big enough to read at two thirds of its size
    }
}

TEST(ArtAssets, FigurePointersAreCentredOnTheActivePointAndBold) {
    for (const Expected* e : ofKind(Kind::Ico)) {
        if (isArrow(e->file)) continue;
        SCOPED_TRACE(e->file);
        const QImage img = imageOf(e->file);
        int x0 = 48, y0 = 48, x1 = -1, y1 = -1, opaque = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x)
                if (qAlpha(img.pixel(x, y))) {
                    x0 = std::min(x0, x), x1 = std::max(x1, x);
                    y0 = std::min(y0, y), y1 = std::max(y1, y);
                    ++opaque;
                }
        EXPECT_NEAR((x0 + x1) / 2.0, 23.5, 3.0);
        EXPECT_NEAR((y0 + y1) / 2.0, 23.5, 3.0);
        EXPECT_GE(x1 - x0, 30);
        EXPECT_GE(y1 - y0, 30);
        EXPECT_GT(opaque, 48 * 48 / 4);
    }
}

// Targets lie over empty cells and neighbouring cells touch: the rim of every cell
// picture must be the empty cell's rim, so nothing shows a seam or a jump.
TEST(ArtAssets, CellPicturesShareTheEmptyCellRim) {
    const QImage empty = imageOf("pic_cell_empty.bmp");
    ASSERT_EQ(empty.size(), QSize(50, 50));
    const int rim = 2;
    for (const char* file : {"pic_robot_knight.bmp", "pic_base_saucer.bmp", "pic_krot_simple.bmp",
                             "pic_krot_costume.bmp", "pic_ring.bmp"}) {
        SCOPED_TRACE(file);
        const QImage img = imageOf(file);
        ASSERT_EQ(img.height(), 50);
        const int w = img.width();
        // A narrower picture lines up with the empty cell at both of its side edges.
        auto emptyX = [&](int x) { return x < w / 2 ? x : x + (50 - w); };
        int mismatches = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < w; ++x) {
                const bool onRim = x < rim || y < rim || x >= w - rim || y >= 50 - rim;
                if (onRim && img.pixel(x, y) != empty.pixel(emptyX(x), y)) ++mismatches;
            }
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(ArtAssets, TargetsAndRingCoverMuchOfTheirCell) {
    const QImage empty = imageOf("pic_cell_empty.bmp");
    for (const char* file : {"pic_robot_knight.bmp", "pic_base_saucer.bmp", "pic_krot_simple.bmp",
                             "pic_krot_costume.bmp", "pic_ring.bmp"}) {
        SCOPED_TRACE(file);
        const QImage img = imageOf(file);
        int changed = 0, total = 0;
        for (int y = 10; y < 40; ++y)
            for (int x = 10; x < img.width() - 10; ++x, ++total)
                if (img.pixel(x, y) != empty.pixel(x, y)) ++changed;
        EXPECT_GT(changed * 2, total);
    }
}

TEST(ArtAssets, AirshipFramesAreAllDifferent) {
    const char* frames[] = {"pic_airship.bmp", "pic_airship_burn1.bmp", "pic_airship_burn2.bmp",
                            "pic_airship_burn3.bmp", "pic_airship_burn4.bmp"};
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 5; ++j) {
            SCOPED_TRACE(std::string(frames[i]) + " vs " + frames[j]);
            const QImage a = imageOf(frames[i]), b = imageOf(frames[j]);
            int differing = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    if (a.pixel(x, y) != b.pixel(x, y)) ++differing;
            EXPECT_GT(differing, 95 * 39 / 20);  // more than 5 % of the picture
        }
}

// The variants: every one built in as PNG at the size the manifest gives, each with
// its asset's stored file listed first.
TEST(ArtVariants, EveryVariantIsABuiltInPngOfItsListedSize) {
    int variants = 0;
    std::string_view asset_with_stored_file;
    for (const assets::File& f : assets::kFiles) {
        SCOPED_TRACE(std::string(f.file));
        if (f.stored) {
            asset_with_stored_file = f.asset;
            continue;
        }
        ++variants;
        EXPECT_EQ(f.asset, asset_with_stored_file);
        EXPECT_GE(f.ratio, 1);
        EXPECT_LE(f.ratio, 3);
        QImageReader reader(resourcePath(f.file));
        EXPECT_EQ(reader.format(), QByteArray("png"));
        const QImage img = reader.read();
        ASSERT_FALSE(img.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(img.size(), QSize(f.width, f.height));
    }
    EXPECT_GT(variants, 0);
}

// A cell picture drawn larger still meets its neighbours without a seam.
TEST(ArtVariants, LargeCellPicturesShareTheEmptyCellsRimAtTheirSize) {
    for (const char* size : {"114x114", "171x171"}) {
        const QImage empty = imageOf(std::string("pic_cell_empty.") + size + ".png");
        ASSERT_FALSE(empty.isNull());
        const int rim = empty.width() * 2 / 50;
        for (const char* name : {"pic_robot_knight", "pic_base_saucer", "pic_krot_simple",
                                 "pic_krot_costume", "pic_ring"}) {
            const std::string file = std::string(name) + "." + size + ".png";
            SCOPED_TRACE(file);
            const QImage img = imageOf(file);
            ASSERT_EQ(img.size(), empty.size());
            int mismatches = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const bool on_rim =
                        x < rim || y < rim || x >= img.width() - rim || y >= img.height() - rim;
                    if (on_rim && img.pixel(x, y) != empty.pixel(x, y)) ++mismatches;
                }
            EXPECT_EQ(mismatches, 0);
        }
    }
}

TEST(ArtVariants, PointerImagesAreHardEdgedAtEverySizeWithTheActivePointInTheMiddle) {
    for (const assets::File& f : assets::kFiles) {
        if (f.stored || !f.asset.starts_with("ico_")) continue;
        SCOPED_TRACE(std::string(f.file));
        const QImage img = imageOf(f.file);
        const int side = img.width(), c = side / 2;
        ASSERT_EQ(img.height(), side);
        int opaque = 0, off_tip = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const int a = qAlpha(img.pixel(x, y));
                ASSERT_TRUE(a == 0 || a == 255) << x << "," << y;
                if (a == 0) continue;
                ++opaque;
                if (x < c || y < c) ++off_tip;
            }
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
        // An arrow lies wholly below and right of its tip, which touches the middle; a
        // figure covers the middle and much of its box.
        if (isArrow(f.asset)) {
            EXPECT_EQ(off_tip, 0);
            EXPECT_EQ(qAlpha(img.pixel(c + side / 24, c + side / 24)), 255);
        } else {
            EXPECT_EQ(qAlpha(img.pixel(c, c)), 255);
            EXPECT_GT(opaque, side * side / 4);
        }
    }
}

}  // namespace
