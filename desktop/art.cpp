#include "desktop/art.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <cmath>

namespace desktop {

const std::vector<AssetInfo>& asset_table() {
    static const std::vector<AssetInfo> table = {
        // The main board's pictures.
        {"pic_cell_empty", "bmp", 50, 50},
        {"pic_robot_knight", "bmp", 49, 50},
        {"pic_base_saucer", "bmp", 49, 50},
        {"pic_krot_simple", "bmp", 50, 50},
        {"pic_krot_costume", "bmp", 50, 50},
        {"pic_ring", "bmp", 49, 50},
        {"pic_hero", "bmp", 58, 77},
        {"pic_friend", "bmp", 69, 75},
        {"pic_villain", "bmp", 68, 67},
        {"pic_captive", "bmp", 127, 86},
        {"pic_wall", "bmp", 127, 86},
        {"pic_title", "bmp", 551, 133},
        {"pic_sky", "jpg", 1024, 1024},
        {"pic_airship", "bmp", 95, 39},
        {"pic_airship_burn1", "bmp", 95, 39},
        {"pic_airship_burn2", "bmp", 95, 39},
        {"pic_airship_burn3", "bmp", 95, 39},
        {"pic_airship_burn4", "bmp", 95, 39},
        {"pic_flight", "bmp", 119, 88},
        // The information window's logos.
        {"pic_logo_word", "bmp", 126, 55},
        {"pic_logo_studio", "jpg", 270, 161},
        // Pointer images and window icons.
        {"ico_arrow_blue", "ico", 48, 48},
        {"ico_arrow_lightblue", "ico", 48, 48},
        {"ico_ball_blue", "ico", 48, 48},
        {"ico_hero", "ico", 48, 48},
        {"ico_hero_head", "ico", 48, 48},
        {"ico_hero_sparkle", "ico", 48, 48},
        {"ico_explosion", "ico", 48, 48},
        {"ico_ball_orange", "ico", 48, 48},
        {"ico_friend_sparkle", "ico", 48, 48},
        {"ico_friend", "ico", 48, 48},
        {"ico_ball_blue_a", "ico", 48, 48},
        {"ico_mole_robot", "ico", 48, 48},
        {"ico_arrow_yellow", "ico", 48, 48},
        {"ico_hero_glow", "ico", 48, 48},
        {"ico_info", "ico", 48, 48},
    };
    return table;
}

const AssetInfo* find_asset(std::string_view name) {
    for (const AssetInfo& a : asset_table()) {
        if (a.name == name) return &a;
    }
    return nullptr;
}

QString resource_path(const AssetInfo& asset) {
    return QStringLiteral(":/assets/%1.%2")
        .arg(QString::fromUtf8(asset.name.data(), static_cast<int>(asset.name.size())),
             QString::fromUtf8(asset.extension.data(), static_cast<int>(asset.extension.size())));
}

namespace {

QString key_of(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

// A flat stand-in, used only while an asset is missing from the build.
QImage stand_in(const AssetInfo* asset) {
    const int w = asset ? asset->width : 16;
    const int h = asset ? asset->height : 16;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(asset && asset->extension == "ico" ? Qt::transparent : QColor(0x8E, 0x90, 0x96));
    QPainter p(&image);
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.drawRect(0, 0, w - 1, h - 1);
    return image;
}

}  // namespace

QImage asset_image(std::string_view name) {
    static QHash<QString, QImage> cache;
    const QString key = key_of(name);
    if (const auto it = cache.constFind(key); it != cache.constEnd()) return *it;
    const AssetInfo* asset = find_asset(name);
    QImage image;
    if (asset) image.load(resource_path(*asset));
    if (image.isNull()) image = stand_in(asset);
    cache.insert(key, image);
    return image;
}

QPixmap scaled_picture(std::string_view name, int width, int height, qreal device_pixel_ratio) {
    static QHash<QString, QPixmap> cache;
    const int pw = std::max(1, static_cast<int>(std::lround(width * device_pixel_ratio)));
    const int ph = std::max(1, static_cast<int>(std::lround(height * device_pixel_ratio)));
    const QString key = QStringLiteral("%1/%2x%3").arg(key_of(name)).arg(pw).arg(ph);
    if (const auto it = cache.constFind(key); it != cache.constEnd()) return *it;
    QPixmap pixmap = QPixmap::fromImage(
        asset_image(name).scaled(pw, ph, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    cache.insert(key, pixmap);
    return pixmap;
}

QCursor pointer_cursor(std::string_view name, qreal device_pixel_ratio) {
    static QHash<QString, QCursor> cache;
    const QString key = QStringLiteral("%1@%2").arg(key_of(name)).arg(device_pixel_ratio);
    if (const auto it = cache.constFind(key); it != cache.constEnd()) return *it;
    // Built at its size in device pixels with a ratio of 1, and the active point
    // given in those pixels: that puts it at the centre at every ratio, also on
    // toolkits that do not scale a pointer's active point.
    const int side = static_cast<int>(std::lround(32 * device_pixel_ratio));
    const QPixmap pixmap = QPixmap::fromImage(
        asset_image(name).scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const QCursor cursor(pixmap, side / 2, side / 2);
    cache.insert(key, cursor);
    return cursor;
}

QPixmap icon_pixmap(std::string_view name) {
    return QPixmap::fromImage(asset_image(name));
}

QIcon application_icon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/app_icon_%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QIcon window_icon(std::string_view name) {
    if (name == "ico_ball_blue_a") return application_icon();
    return QIcon(icon_pixmap(name));
}

}  // namespace desktop
