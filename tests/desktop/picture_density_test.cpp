// Pictures and pointer images in the density of the screen: the art drawn for the
// size a picture is shown at, on the offscreen platform at ratio 1 and (in a run of
// its own, with QT_SCALE_FACTOR=2) at ratio 2.
#include <gtest/gtest.h>

#include <cmath>

#include "desktop/art.h"
#include "desktop/desktop_support.h"

using testing_support::DesktopHarness;

namespace {

const assets::File& file_named(std::string_view file) {
    for (const assets::File& f : assets::kFiles)
        if (f.file == file) return f;
    ADD_FAILURE() << "no file " << file;
    return assets::kFiles[0];
}

// The element as painted on the canvas, in device pixels.
QImage painted(const DesktopHarness& g, std::string_view element) {
    desktop::Canvas* canvas = g.window_widget()->canvas();
    const QImage all = canvas->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const qreal dpr = canvas->devicePixelRatioF();
    const QRectF r = desktop::pixel_rect(g[element]);
    return all.copy(QRect(QPoint(std::lround(r.x() * dpr), std::lround(r.y() * dpr)),
                          QSize(std::lround(r.width() * dpr), std::lround(r.height() * dpr))));
}

// The largest difference of a colour channel between two images of one size, away
// from a border `margin` pixels wide (where a neighbouring element may overlap).
int max_difference(const QImage& a, const QImage& b, int margin = 0) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size()) return 256;
    int most = 0;
    for (int row = margin; row < x.height() - margin; ++row)
        for (int col = margin; col < x.width() - margin; ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

QImage smoothly(const QImage& image, QSize size) {
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool hard_edged_and_centred(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0 && qAlpha(img.pixel(x, y)) != 255) return false;
    const int c = img.width() / 2;
    return qAlpha(img.pixel(0, 0)) == 0 && qAlpha(img.pixel(c, c)) == 255;
}

}  // namespace

TEST(PictureDensity, EachRatioPicksTheSmallestArtThatCoversTheRectangle) {
    // A cell: the stored 50 x 50 at ratio 1, the ratio-2 art at 1.25, 1.5 and 2.
    EXPECT_EQ(desktop::pick_file("pic_cell_empty", {57, 57}, 1.0)->file, "pic_cell_empty.bmp");
    EXPECT_EQ(desktop::pick_file("pic_cell_empty", {71, 71}, 1.25)->file,
              "pic_cell_empty.114x114.png");
    EXPECT_EQ(desktop::pick_file("pic_cell_empty", {86, 86}, 1.5)->file,
              "pic_cell_empty.114x114.png");
    EXPECT_EQ(desktop::pick_file("pic_cell_empty", {171, 171}, 3.0)->file,
              "pic_cell_empty.171x171.png");
    // The hero in his frame and falling: one drawing per size.
    EXPECT_EQ(desktop::pick_file("pic_hero", {137, 161}, 1.0)->file, "pic_hero.137x161.png");
    EXPECT_EQ(desktop::pick_file("pic_hero", {57, 65}, 1.0)->file, "pic_hero.bmp");
    EXPECT_EQ(desktop::pick_file("pic_hero", {114, 130}, 2.0)->file, "pic_hero.114x130.png");
    EXPECT_EQ(desktop::pick_file("pic_hero", {274, 322}, 2.0)->file, "pic_hero.274x322.png");
    // Larger than any art: the largest, scaled up. Smaller: the smallest that covers it.
    EXPECT_EQ(desktop::pick_file("pic_villain", {400, 400}, 3.0)->file, "pic_villain.255x255.png");
    EXPECT_EQ(desktop::pick_file("pic_villain", {9, 9}, 1.0)->file, "pic_villain.bmp");
    EXPECT_EQ(desktop::pick_file("pic_sky", {385, 121}, 1.0)->file, "pic_sky.385x121.png");
    EXPECT_EQ(desktop::pick_file("no_such_picture", {10, 10}, 1.0), nullptr);
}

TEST(PictureDensity, APictureIsDecodedOnceAndSharedByItsScaledCopies) {
    const assets::File& cell = file_named("pic_cell_empty.114x114.png");
    EXPECT_EQ(desktop::file_image(cell).cacheKey(), desktop::file_image(cell).cacheKey());
    // Drawn for exactly the rectangle: painted as it is, without scaling.
    const QPixmap at2 = desktop::scaled_picture("pic_cell_empty", 57, 57, 2.0);
    EXPECT_EQ(at2.size(), QSize(114, 114));
    EXPECT_EQ(at2.devicePixelRatio(), 2.0);
    EXPECT_EQ(max_difference(at2.toImage(), desktop::file_image(cell)), 0);
    EXPECT_EQ(at2.cacheKey(), desktop::scaled_picture("pic_cell_empty", 57, 57, 2.0).cacheKey());
    // An unknown picture is a stand-in of the rectangle's size, not a failure.
    EXPECT_EQ(desktop::scaled_picture("no_such_picture", 20, 10, 2.0).size(), QSize(40, 20));
}

TEST(PictureDensity, PointerImagesAreDrawnForTheirSizeHardEdgedAndCentredOnX11) {
    // X11 shows the pixmap's device pixels as they are and its active point unscaled.
    for (const auto& [ratio, side] : std::vector<std::pair<qreal, int>>{
             {1.0, 32}, {1.25, 40}, {1.5, 48}, {2.0, 64}, {3.0, 96}}) {
        for (const char* name : {"ico_hero", "ico_ball_blue", "ico_explosion"}) {
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(ratio));
            const QCursor cursor = desktop::pointer_cursor(name, ratio, desktop::Platform::x11);
            EXPECT_EQ(cursor.pixmap().size(), QSize(side, side));
            EXPECT_EQ(cursor.pixmap().devicePixelRatio(), 1.0);
            EXPECT_EQ(cursor.hotSpot(), QPoint(side / 2, side / 2));
            EXPECT_TRUE(hard_edged_and_centred(cursor.pixmap().toImage()));
        }
    }
    // At 2 the pointer is the image drawn 64 pixels large, not the 48 one enlarged.
    EXPECT_EQ(max_difference(
                  desktop::pointer_cursor("ico_hero", 2.0, desktop::Platform::x11).pixmap().toImage(),
                  desktop::file_image(file_named("ico_hero.64x64.png"))),
              0);
}

TEST(PictureDensity, OnWaylandAPointerIsABufferOfWholeScaleWithItsActivePointInLogicalPixels) {
    // The compositor shows a buffer of scale s at its size divided by s, and takes
    // the active point in logical pixels: every ratio gives a 32-pixel pointer
    // centred on its active point, from the art for the next whole ratio up.
    for (const auto& [ratio, scale] : std::vector<std::pair<qreal, int>>{
             {1.0, 1}, {1.25, 2}, {1.5, 2}, {2.0, 2}, {3.0, 3}}) {
        for (const char* name : {"ico_hero", "ico_ball_blue", "ico_explosion"}) {
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(ratio));
            const QCursor cursor = desktop::pointer_cursor(name, ratio, desktop::Platform::wayland);
            const QPixmap pixmap = cursor.pixmap();
            EXPECT_EQ(pixmap.size(), QSize(32 * scale, 32 * scale));
            EXPECT_EQ(pixmap.devicePixelRatio(), scale);
            EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(32, 32));
            EXPECT_EQ(cursor.hotSpot(), QPoint(16, 16));
            EXPECT_TRUE(hard_edged_and_centred(pixmap.toImage()));
        }
    }
    EXPECT_EQ(max_difference(desktop::pointer_cursor("ico_ball_blue", 1.5, desktop::Platform::wayland)
                                 .pixmap()
                                 .toImage(),
                             desktop::file_image(file_named("ico_ball_blue.64x64.png"))),
              0);
    // The two constructions are kept apart.
    EXPECT_NE(desktop::pointer_cursor("ico_hero", 2.0, desktop::Platform::wayland).hotSpot(),
              desktop::pointer_cursor("ico_hero", 2.0, desktop::Platform::x11).hotSpot());
}

TEST(PictureDensity, ThePlatformFollowsThePluginName) {
    EXPECT_EQ(desktop::platform_of(u"xcb"), desktop::Platform::x11);
    EXPECT_EQ(desktop::platform_of(u"offscreen"), desktop::Platform::x11);
    EXPECT_EQ(desktop::platform_of(u"wayland"), desktop::Platform::wayland);
    EXPECT_EQ(desktop::platform_of(u"wayland-egl"), desktop::Platform::wayland);
    // The tests run offscreen: pointers are built as on X11, and a window is tied
    // to no other.
    EXPECT_EQ(desktop::current_platform(), desktop::Platform::x11);
    EXPECT_EQ(desktop::pointer_cursor("ico_hero", 2.0).hotSpot(), QPoint(32, 32));
}

TEST(PictureDensityOnScreen, TheCellAndTheHeroArePaintedFromTheArtForTheScreensRatio) {
    DesktopHarness g;
    const qreal dpr = g.window_widget()->canvas()->devicePixelRatioF();
    const QImage cell = painted(g, "Image0");
    const QImage hero = painted(g, "Image1");
    const QImage stored_cell = desktop::file_image(file_named("pic_cell_empty.bmp"));
    const QImage stored_hero = desktop::file_image(file_named("pic_hero.bmp"));
    if (dpr == 1.0) {
        // The stored cell stretched to 57 x 57, as always; the hero from his frame's art.
        EXPECT_LE(max_difference(cell, smoothly(stored_cell, {57, 57})), 2);
        // (A line of the board runs along the top of the hero's frame.)
        EXPECT_LE(max_difference(hero, desktop::file_image(file_named("pic_hero.137x161.png")), 4),
                  2);
    } else if (dpr == 2.0) {
        const QImage cell_art = desktop::file_image(file_named("pic_cell_empty.114x114.png"));
        const QImage hero_art = desktop::file_image(file_named("pic_hero.274x322.png"));
        EXPECT_LE(max_difference(cell, cell_art), 2);
        EXPECT_LE(max_difference(hero, hero_art, 8), 2);
        // And clearly not the stored bitmaps enlarged.
        EXPECT_GT(max_difference(cell, smoothly(stored_cell, {114, 114})), 16);
        EXPECT_GT(max_difference(hero, smoothly(stored_hero, {274, 322}), 8), 40);
        // The pointer over the board is the 64-pixel image, its active point in the middle.
        desktop::Canvas* canvas = g.window_widget()->canvas();
        QTest::mouseMove(canvas, g.pixel_middle_of("Image6"));
        DesktopHarness::settle();
        EXPECT_EQ(canvas->cursor().pixmap().size(), QSize(64, 64));
        EXPECT_EQ(canvas->cursor().hotSpot(), QPoint(32, 32));
    } else {
        GTEST_SKIP() << "device pixel ratio " << dpr;
    }
}

TEST(PictureDensity, RenderingIntoAnImageOfRatioTwoPaintsTheArtForRatioTwo) {
    DesktopHarness g;
    desktop::WindowWidget* view = g.window_widget();
    QImage image(view->size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    view->render(&image);
    const QRectF r = desktop::pixel_rect(g["Image0"]);
    const QImage cell = image.copy(QRect((r.topLeft() * 2).toPoint(), QSize(114, 114)));
    EXPECT_LE(max_difference(cell, desktop::file_image(file_named("pic_cell_empty.114x114.png"))),
              2);
}
