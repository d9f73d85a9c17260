#include "tools/art/draw.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace art {

Layer::Layer(int w, int h, double dw, double dh)
    : w_(w), h_(h), hi_(w * kSuper, h * kSuper, QImage::Format_ARGB32_Premultiplied) {
    hi_.fill(Qt::transparent);
    painter_.begin(&hi_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    if (dw <= 0) dw = w;
    if (dh <= 0) dh = h;
    painter_.scale(kSuper * w / dw, kSuper * h / dh);
}

QImage Layer::finish() {
    painter_.end();
    // An exact box filter: every output pixel is the mean of its kSuper x kSuper block.
    QImage out(w_, h_, QImage::Format_ARGB32_Premultiplied);
    const int n = kSuper * kSuper;
    for (int y = 0; y < h_; ++y) {
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w_; ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int j = 0; j < kSuper; ++j) {
                auto* src = reinterpret_cast<const QRgb*>(hi_.constScanLine(y * kSuper + j));
                for (int i = 0; i < kSuper; ++i) {
                    QRgb c = src[x * kSuper + i];
                    a += qAlpha(c);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            }
            dst[x] = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
        }
    }
    return out;
}

static double auto_depth(const QPainterPath& path) {
    QRectF b = path.boundingRect();
    return std::clamp(std::min(b.width(), b.height()) * 0.17, 0.7, 6.0);
}

void part(QPainter& p, const QPainterPath& path, const Tone& t, double line, double depth) {
    double d = depth > 0 ? depth : auto_depth(path);
    p.save();
    p.setPen(Qt::NoPen);
    p.fillPath(path, t.base);
    p.fillPath(path.subtracted(path.translated(-d * 0.75, -d)), t.shade);
    p.fillPath(path.subtracted(path.translated(d * 0.55, d * 0.7)), t.light);
    p.restore();
    if (line > 0) outline(p, path, t.line, line);
}

void flat(QPainter& p, const QPainterPath& path, const Tone& t, double line) {
    double d = auto_depth(path);
    p.save();
    p.setPen(Qt::NoPen);
    p.fillPath(path, t.base);
    p.fillPath(path.subtracted(path.translated(-d * 0.75, -d)), t.shade);
    p.restore();
    if (line > 0) outline(p, path, t.line, line);
}

void outline(QPainter& p, const QPainterPath& path, const QColor& c, double line) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void glint(QPainter& p, QPointF c, double r, int alpha) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, alpha));
    p.drawEllipse(c, r, r);
    p.restore();
}

QPainterPath sparkle(QPointF c, double r, double waist) {
    QPainterPath path;
    const double w = r * waist;
    path.moveTo(c.x(), c.y() - r);
    path.quadTo(c.x() + w * 0.4, c.y() - w * 0.4, c.x() + r, c.y());
    path.quadTo(c.x() + w * 0.4, c.y() + w * 0.4, c.x(), c.y() + r);
    path.quadTo(c.x() - w * 0.4, c.y() + w * 0.4, c.x() - r, c.y());
    path.quadTo(c.x() - w * 0.4, c.y() - w * 0.4, c.x(), c.y() - r);
    path.closeSubpath();
    return path;
}

QPainterPath ellipse(double cx, double cy, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath rrect(double x, double y, double w, double h, double r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath poly(std::initializer_list<QPointF> pts) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(pts)));
    path.closeSubpath();
    return path;
}

QPainterPath spike(QPointF a, QPointF b, QPointF tip, double bow) {
    QPainterPath path;
    QPointF ma = (a + tip) / 2, mb = (b + tip) / 2;
    QPointF n = b - a;
    QPointF out(-n.y(), n.x());  // outward bulge direction for the sides
    double len = std::hypot(out.x(), out.y());
    if (len > 0) out /= len;
    path.moveTo(a);
    path.quadTo(ma - out * bow, tip);
    path.quadTo(mb + out * bow, b);
    path.closeSubpath();
    return path;
}

QPainterPath star(QPointF c, double r_out, double r_in, int n, double rot_deg) {
    QPolygonF pts;
    for (int i = 0; i < 2 * n; ++i) {
        double a = qDegreesToRadians(rot_deg + 180.0 * i / n);
        double r = (i % 2 == 0) ? r_out : r_in;
        pts << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(pts);
    path.closeSubpath();
    return path;
}

QPainterPath rotated(const QPainterPath& path, QPointF about, double deg) {
    QTransform t;
    t.translate(about.x(), about.y());
    t.rotate(deg);
    t.translate(-about.x(), -about.y());
    return t.map(path);
}

QImage over(QImage bg, const QImage& fg) {
    bg = bg.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&bg);
    p.drawImage(0, 0, fg);
    p.end();
    return bg;
}

double Rng::next() {
    // xorshift32
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return (s_ & 0xFFFFFF) / double(0x1000000);
}

}  // namespace art
