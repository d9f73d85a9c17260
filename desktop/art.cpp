#include "desktop/art.h"

#include <QHash>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <unordered_map>

#include "desktop/art_pick.h"

namespace desktop {

namespace {

QString qstring(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The files of one asset: the stored one and its variants, which the manifest keeps
// together.
std::span<const assets::File> files_of(std::string_view name) {
    const auto* begin = std::begin(assets::kFiles);
    const auto* end = std::end(assets::kFiles);
    const auto* first =
        std::find_if(begin, end, [&](const assets::File& f) { return f.asset == name; });
    const auto* last =
        std::find_if(first, end, [&](const assets::File& f) { return f.asset != name; });
    return {first, last};
}

desktop::Drawing drawing_of(const assets::File& f) {
    return {f.width, f.height, f.ratio};
}

// A flat stand-in, used only while a file is missing from the build.
QImage stand_in(int w, int h, bool transparent) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(transparent ? Qt::transparent : QColor(0x8E, 0x90, 0x96));
    QPainter p(&image);
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.drawRect(0, 0, w - 1, h - 1);
    return image;
}

// Keeps a pointer image hard-edged after smooth scaling: a pixel is opaque where it
// is at least half covered, and then shows its covered part's colour.
QImage hard_edged(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            line[x] = qAlpha(c) >= 128 ? qRgb(qRed(c), qGreen(c), qBlue(c)) : 0;
        }
    }
    return out;
}

}  // namespace

const assets::File* pick_file(std::string_view name, QSize device, qreal device_pixel_ratio) {
    return pick_drawing(files_of(name), device.width(), device.height(),
                        art_ratio(device_pixel_ratio), drawing_of);
}

QImage file_image(const assets::File& file) {
    static std::unordered_map<const assets::File*, QImage> cache;
    if (const auto it = cache.find(&file); it != cache.end()) return it->second;
    QImage image(QStringLiteral(":/assets/") + qstring(file.file));
    if (image.isNull()) image = stand_in(file.width, file.height, file.file.ends_with(".ico"));
    cache.emplace(&file, image);
    return image;
}

QImage asset_image(std::string_view name) {
    const std::span<const assets::File> files = files_of(name);
    return files.empty() ? stand_in(16, 16, false) : file_image(files.front());
}

QPixmap scaled_picture(std::string_view name, int width, int height, qreal device_pixel_ratio) {
    static QHash<QString, QPixmap> cache;
    const int pw = std::max(1, static_cast<int>(std::lround(width * device_pixel_ratio)));
    const int ph = std::max(1, static_cast<int>(std::lround(height * device_pixel_ratio)));
    // The same device size can come from different ratios, which may pick other art.
    const QString key = QStringLiteral("%1/%2x%3/%4")
                            .arg(qstring(name))
                            .arg(pw)
                            .arg(ph)
                            .arg(art_ratio(device_pixel_ratio));
    if (const auto it = cache.constFind(key); it != cache.constEnd()) return *it;
    const assets::File* file = pick_file(name, QSize(pw, ph), device_pixel_ratio);
    const QImage image = file ? file_image(*file) : stand_in(pw, ph, false);
    QPixmap pixmap = QPixmap::fromImage(
        image.size() == QSize(pw, ph)
            ? image
            : image.scaled(pw, ph, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    cache.insert(key, pixmap);
    return pixmap;
}

QCursor pointer_cursor(std::string_view name, qreal device_pixel_ratio) {
    return pointer_cursor(name, device_pixel_ratio, current_platform());
}

QCursor pointer_cursor(std::string_view name, qreal device_pixel_ratio, Platform platform) {
    static QHash<QString, QCursor> cache;
    const QString key = QStringLiteral("%1@%2/%3")
                            .arg(qstring(name))
                            .arg(device_pixel_ratio)
                            .arg(static_cast<int>(platform));
    if (const auto it = cache.constFind(key); it != cache.constEnd()) return *it;
    // The window system is handed the image at the size it shows it at.
    //  X11: the image at its size in device pixels with a ratio of 1 and the active
    //  point in those pixels, since the xcb plugin hands both on unscaled.
    //  Wayland: a buffer of a whole-number scale (a fractional one is cut down to
    //  its whole part, which would show it larger), so the art for the next whole
    //  ratio up, with the active point in logical pixels; the compositor shrinks
    //  it for a fractional output scale.
    const qreal ratio = platform == Platform::wayland ? art_ratio(device_pixel_ratio)
                                                      : device_pixel_ratio;
    const int side = std::max(1, static_cast<int>(std::lround(kPointerSide * ratio)));
    // Pointers are drawn for every size a screen shows them at: any drawing will do.
    const assets::File* file = pick_drawing(files_of(name), side, side,
                                            std::numeric_limits<int>::max(), drawing_of);
    const QImage image = file ? file_image(*file) : stand_in(side, side, true);
    QPixmap pixmap =
        QPixmap::fromImage(image.size() == QSize(side, side)
                               ? image
                               : hard_edged(image.scaled(side, side, Qt::IgnoreAspectRatio,
                                                         Qt::SmoothTransformation)));
    int active = side / 2;
    if (platform == Platform::wayland) {
        pixmap.setDevicePixelRatio(ratio);
        active = kPointerSide / 2;
    }
    const QCursor cursor(pixmap, active, active);
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
