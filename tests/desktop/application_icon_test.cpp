// The application's icon in the program: every size drawn for itself, on the main board.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "desktop/art.h"
#include "desktop/desktop_support.h"

TEST(ApplicationIcon, EverySizeIsBuiltInAndTheMainBoardWearsIt) {
    const QIcon icon = desktop::application_icon();
    const QList<QSize> sizes = icon.availableSizes();
    ASSERT_EQ(sizes.size(), 8);
    const QImage largest = icon.pixmap(256, 256).toImage();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        const QImage image =
            icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
        // Drawn for its size: not the largest picture scaled down.
        if (size < 256) {
            EXPECT_NE(image,
                      largest.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .convertToFormat(QImage::Format_ARGB32))
                << size;
        }
    }

    testing_support::DesktopHarness g;
    ASSERT_NE(g.window_widget(), nullptr);
    EXPECT_EQ(g.window_widget()->windowIcon().availableSizes(), sizes);
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.drovanta.Drovanta"));
}
