// The application icon: Brisko rolled into his blue spinning ball, the figure of the
// main board's window icon. Each size is drawn for itself: the small ones keep only
// the silhouette (fewer, broader quills, no belly), the large ones get every detail.
#include "tools/art/app_icon.h"

#include "tools/art/characters.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QtMath>

namespace art {

namespace {

struct Shades {
    QColor base, light, shade, line;
};

const Shades kBlue{QColor(0x2F6BE0), QColor(0x6FA2FF), QColor(0x1E3F8F), QColor(0x10245A)};
const Shades kSkin{QColor(0xF2C79B), QColor(0xFFE3C4), QColor(0xC9976A), QColor(0x5A3A1E)};
const Shades kScarf{QColor(0x2DBE6C), QColor(0x7BE8A6), QColor(0x1B7F45), QColor(0x0B3D20)};

// How much of the figure a size can carry.
struct Detail {
    int quills;    // pinwheel quills round the ball
    double line;   // outline width in pixels
    double rim;    // width of the highlight and shade crescents, in pixels
    bool belly;    // the curled-up belly swirl
    bool shading;  // highlight and shade crescents
    double glint;  // radius of the white glint in pixels (0: none)
};

Detail detail_for(int size) {
    if (size <= 16) return {5, 1.0, 0.0, false, false, 1.0};
    if (size <= 24) return {6, 1.2, 1.2, false, true, 1.3};
    if (size <= 32) return {6, 1.5, 1.6, true, true, 1.7};
    if (size <= 48) return {7, 2.0, 2.4, true, true, 2.4};
    if (size <= 64) return {7, 2.4, 3.0, true, true, 3.0};
    if (size <= 128) return {7, 4.0, 6.0, true, true, 6.0};
    return {7, 7.0, 11.0, true, true, 11.0};
}

// A shaded part: base, top-left highlight crescent, bottom-right shade crescent, outline.
void shaded_part(QPainter& p, const QPainterPath& path, const Shades& s, const Detail& d,
                 double unit) {
    p.setPen(Qt::NoPen);
    p.fillPath(path, s.base);
    if (d.shading) {
        const double r = d.rim * unit;
        p.fillPath(path.subtracted(path.translated(r, r)), s.light);
        p.fillPath(path.subtracted(path.translated(-r, -r)), s.shade);
    }
    p.strokePath(path, QPen(s.line, d.line * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPointF polar(double radius, double deg) {
    const double a = qDegreesToRadians(deg);
    return {radius * std::cos(a), radius * std::sin(a)};
}

// A quill swept clockwise: its base on the body, its tip ahead of it, sides bowed.
QPainterPath quill(double angle, double half_width, double reach, double sweep) {
    const QPointF a = polar(12.0, angle - half_width);
    const QPointF b = polar(12.0, angle + half_width);
    const QPointF tip = polar(reach, angle + sweep);
    QPainterPath q;
    q.moveTo(a);
    q.quadTo(polar(reach * 0.72, angle + sweep * 0.2 - half_width * 0.3), tip);
    q.quadTo(polar(reach * 0.62, angle + sweep * 0.6 + half_width * 0.5), b);
    q.closeSubpath();
    return q;
}

QPainterPath disc(double cx, double cy, double r) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

// Moves the figure by whole pixels so that its margins are even: the swept quills
// and the scarf make it lopsided, and at small sizes a pixel shows.
QImage centred(const QImage& img) {
    int left = img.width(), top = img.height(), right = -1, bottom = -1;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(img.pixel(x, y)) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return img;
    const int dx = (left + (img.width() - 1 - right)) / 2 - left;
    const int dy = (top + (img.height() - 1 - bottom)) / 2 - top;
    QImage out(img.size(), img.format());
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(dx, dy, img);
    return out;
}

}  // namespace

const std::vector<int>& app_icon_sizes() {
    static const std::vector<int> sizes{16, 22, 24, 32, 48, 64, 128, 256};
    return sizes;
}

QImage draw_app_icon(int size) {
    const Detail d = detail_for(size);
    constexpr int kSuper = 4;
    QImage hi(size * kSuper, size * kSuper, QImage::Format_ARGB32_Premultiplied);
    hi.fill(Qt::transparent);
    {
        QPainter p(&hi);
        p.setRenderHint(QPainter::Antialiasing);
        // Design units: the ball's body has radius 15.5, the quills reach 23; the
        // figure fills the icon but for a thin margin.
        const double reach = 23.0;
        const double scale = (size * 0.5 - std::max(0.5, size / 32.0)) / (reach + 1.0);
        const double unit = 1.0 / scale;  // one icon pixel in design units
        p.translate(hi.width() / 2.0, hi.height() / 2.0);
        p.scale(scale * kSuper, scale * kSuper);

        // The quills first, as one shape, so that their outlines meet the body cleanly.
        QPainterPath quills;
        const double broad = d.quills <= 5 ? 30.0 : d.quills == 6 ? 25.0 : 21.0;
        for (int i = 0; i < d.quills; ++i) {
            quills = quills.united(quill(-80.0 + i * 360.0 / d.quills, broad, reach, 24.0));
        }
        const QPainterPath body = disc(0, 0, 15.5);
        shaded_part(p, quills.united(body), kBlue, d, unit);
        // The body over the quills' roots, shaded as a ball of its own.
        Detail inner = d;
        inner.line = d.line * 0.6;
        shaded_part(p, body, kBlue, inner, unit);

        if (d.belly) {
            // The curled-up belly: a light swirl.
            const QPainterPath belly = curled_belly();
            Detail soft = d;
            soft.line = d.line * 0.7;
            soft.rim = d.rim * 0.6;
            shaded_part(p, belly, kSkin, soft, unit);
        }
        // His green scarf peeking out of the ball: a band at small sizes, a flying end
        // at large ones.
        QPainterPath scarf;
        scarf.moveTo(-15, 4);
        scarf.quadTo(-8, 13.5, 3, 15.3);
        scarf.lineTo(2, 9.5);
        scarf.quadTo(-7, 7.5, -12.5, -0.5);
        scarf.closeSubpath();
        if (size >= 48) {
            QPainterPath end;
            end.moveTo(1, 10.5);
            end.quadTo(9, 15, 17, 13);
            end.quadTo(13, 17, 16, 21);
            end.quadTo(7, 20.5, 1.5, 15);
            end.closeSubpath();
            scarf = scarf.united(end);
        }
        Detail band = d;
        band.line = d.line * 0.8;
        shaded_part(p, scarf, kScarf, band, unit);

        if (d.glint > 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255));
            const QPointF c = size <= 16 ? QPointF(-7.0, -6.5) : QPointF(-7.5, -8.5);
            p.drawEllipse(c, d.glint * unit, d.glint * unit);
        }
    }
    return centred(hi.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32));
}

int write_app_icons(const QString& dir) {
    QDir().mkpath(dir);
    for (int size : app_icon_sizes()) {
        const QString path = QStringLiteral("%1/app_icon_%2.png").arg(dir).arg(size);
        if (!draw_app_icon(size).save(path, "PNG")) {
            QTextStream(stderr) << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}

}  // namespace art
