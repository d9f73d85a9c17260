#include "tools/art/compare.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QSysInfo>

#include <algorithm>
#include <cstdlib>

namespace art {

namespace {

QByteArray read_all(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool is_picture(const QString& file) {
    for (const char* ext : {".bmp", ".jpg", ".ico", ".png"})
        if (file.endsWith(QLatin1String(ext))) return true;
    return false;
}

QImage decoded(const QString& path) {
    return QImageReader(path).read().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

QString platform_name() {
    return QSysInfo::prettyProductName() + QStringLiteral(", Qt ") + QString::fromLatin1(qVersion());
}

PixelDifference pixel_difference(const QImage& a_in, const QImage& b_in) {
    PixelDifference d;
    if (a_in.isNull() || b_in.isNull() || a_in.size() != b_in.size()) return d;
    d.same_size = true;
    const QImage a = a_in.convertToFormat(QImage::Format_ARGB32);
    const QImage b = b_in.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = ra[x], pb = rb[x];
            int diff = std::abs(qAlpha(pa) - qAlpha(pb));
            // Under full transparency the colour is nobody's business.
            if (qAlpha(pa) != 0 || qAlpha(pb) != 0)
                diff = std::max({diff, std::abs(qRed(pa) - qRed(pb)),
                                 std::abs(qGreen(pa) - qGreen(pb)),
                                 std::abs(qBlue(pa) - qBlue(pb))});
            if (diff == 0) continue;
            ++d.pixels;
            if (diff > d.largest) {
                d.largest = diff;
                d.first = QPoint(x, y);
            }
        }
    }
    return d;
}

QStringList compare_art(const QString& drawn_dir, const QString& stored_dir, bool* by_pixels) {
    QStringList problems;
    const QDir drawn(drawn_dir), stored(stored_dir);
    const QStringList drawn_files = drawn.entryList(QDir::Files, QDir::Name);
    const QStringList stored_files = stored.entryList(QDir::Files, QDir::Name);
    const QSet<QString> in_drawn(drawn_files.begin(), drawn_files.end());
    const QSet<QString> in_stored(stored_files.begin(), stored_files.end());
    for (const QString& f : drawn_files)
        if (!in_stored.contains(f)) problems << f + QStringLiteral(": drawn, but not stored");
    for (const QString& f : stored_files)
        if (!in_drawn.contains(f)) problems << f + QStringLiteral(": stored, but no longer drawn");

    const QString here = read_all(drawn.filePath(kPlatformFile)).trimmed();
    const QString there = read_all(stored.filePath(kPlatformFile)).trimmed();
    const bool pixels = here != there;
    if (by_pixels) *by_pixels = pixels;

    for (const QString& f : drawn_files) {
        if (f == QLatin1String(kPlatformFile) || !in_stored.contains(f)) continue;
        const QByteArray a = read_all(drawn.filePath(f)), b = read_all(stored.filePath(f));
        if (a == b) continue;
        if (!pixels || !is_picture(f)) {
            problems << f + QStringLiteral(": differs byte for byte");
            continue;
        }
        const QImage da = decoded(drawn.filePath(f)), db = decoded(stored.filePath(f));
        const PixelDifference d = pixel_difference(da, db);
        if (!d.same_size)
            problems << f + QStringLiteral(": drawn %1x%2, stored %3x%4")
                                .arg(da.width())
                                .arg(da.height())
                                .arg(db.width())
                                .arg(db.height());
        else if (d.largest > kPixelTolerance)
            problems << f + QStringLiteral(": %1 pixels differ, up to %2 levels (at %3,%4)")
                                .arg(d.pixels)
                                .arg(d.largest)
                                .arg(d.first.x())
                                .arg(d.first.y());
    }
    return problems;
}

}  // namespace art
