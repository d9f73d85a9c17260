// The grid cell background and the four robot targets and the ring drawn over it.
#include "tools/art/cell.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include "tools/art/characters.h"

namespace art {

namespace {

// A robot's glowing red eye: a soft red glow, the eye, and its glint.
void red_eye(QPainter& p, QPointF c, QSizeF eye, QSizeF glow, int glow_alpha, double glint_r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x3B, 0x30, glow_alpha));
    p.drawEllipse(c, glow.width(), glow.height());
    p.setBrush(pal::red_eye.base);
    p.drawEllipse(c, eye.width(), eye.height());
    glint(p, {c.x() - glint_r, c.y() - glint_r}, glint_r);
}

// Width of the plate's rim, which figures never cover.
constexpr int kRim = 2;
const QColor kPlateLight(0xA9ABB1);
const QColor kPlateDim(0x84868C);

// The plate is designed pixel by pixel on its stored 50 x 50 (or 49 x 50) square.
// Every position here counts from the nearest edge, never from the middle, so the
// 49- and 50-pixel-wide cells agree pixel for pixel along their borders and the
// pattern keeps its place when the game stretches both to the same square.
//
// A larger image is drawn from the same design on a 50 x 50 square: each design
// pixel becomes a block of about w / 50 pixels placed from its nearest edge, and
// lines keep one even width, so the plate stays as crisp as at its stored size.
class PlateGrid {
  public:
    PlateGrid(QImage& img, int design_w, int design_h)
        : img_(img),
          dw_(design_w),
          dh_(design_h),
          sx_(double(img.width()) / design_w),
          sy_(double(img.height()) / design_h),
          thick_x_(std::max(1, int(std::lround(sx_)))),
          thick_y_(std::max(1, int(std::lround(sy_)))) {}
    int design_w() const { return dw_; }
    int design_h() const { return dh_; }
    // Fills the design pixels x0..x1, y0..y1 (a line when one of them is a single one).
    void fill(int x0, int x1, int y0, int y1, const QColor& c) {
        const auto [px0, px1] = span(x0, x1, dw_, sx_, img_.width(), thick_x_);
        const auto [py0, py1] = span(y0, y1, dh_, sy_, img_.height(), thick_y_);
        for (int y = std::max(0, py0); y < std::min(py1, img_.height()); ++y)
            for (int x = std::max(0, px0); x < std::min(px1, img_.width()); ++x)
                img_.setPixelColor(x, y, c);
    }

    // Fills the image pixels that design pixel (x, y) covers: dots of the pattern
    // join up into ridges without gaps.
    void dot(int x, int y, const QColor& c) {
        const int px0 = at(x, dw_, sx_, img_.width()), px1 = at(x + 1, dw_, sx_, img_.width());
        const int py0 = at(y, dh_, sy_, img_.height()), py1 = at(y + 1, dh_, sy_, img_.height());
        for (int yy = std::max(0, py0); yy < std::min(py1, img_.height()); ++yy)
            for (int xx = std::max(0, px0); xx < std::min(px1, img_.width()); ++xx)
                img_.setPixelColor(xx, yy, c);
    }

  private:
    // The first image pixel of design pixel d, counted from the nearer edge.
    static int at(int d, int design, double scale, int size) {
        if (2 * d < design) return int(std::lround(d * scale));
        return size - int(std::lround((design - d) * scale));
    }
    // The image pixels [first, last) of design pixels d0..d1. A single one is a line
    // of even thickness, kept against the side of the nearer edge.
    static std::pair<int, int> span(int d0, int d1, int design, double scale, int size, int thick) {
        if (d1 > d0) return {at(d0, design, scale, size), at(d1 + 1, design, scale, size)};
        if (2 * d0 < design)
            return {at(d0, design, scale, size), at(d0, design, scale, size) + thick};
        return {at(d0 + 1, design, scale, size) - thick, at(d0 + 1, design, scale, size)};
    }

    QImage& img_;
    int dw_, dh_;
    double sx_, sy_;
    int thick_x_, thick_y_;
};

void draw_plate(QImage& img, int design_w, int design_h) {
    PlateGrid grid(img, design_w, design_h);
    const int w = design_w, h = design_h;
    auto px = [&](int x, int y, const QColor& c) {
        if (x >= 0 && y >= 0 && x < w && y < h) grid.dot(x, y, c);
    };
    auto hline = [&](int x0, int x1, int y, const QColor& c) { grid.fill(x0, x1, y, y, c); };
    auto vline = [&](int x, int y0, int y1, const QColor& c) { grid.fill(x, x, y0, y1, c); };
    img.fill(pal::cell_grey);
    // Raised rim: lit along the top and left, in shadow along the bottom and right.
    hline(0, w - 1, 0, kPlateLight);
    vline(0, 0, h - 1, kPlateLight);
    hline(1, w - 1, h - 1, pal::cell_line);
    vline(w - 1, 0, h - 1, pal::cell_line);
    hline(1, w - 2, h - 2, kPlateDim);
    vline(w - 2, 1, h - 2, kPlateDim);
    // A groove cut round the plate: dark on its upper and left wall, lit on the other two.
    const int g = 5;
    hline(g + 1, w - 2 - g, g, pal::cell_line);
    vline(g, g + 1, h - 2 - g, pal::cell_line);
    hline(g + 1, w - 2 - g, h - 1 - g, kPlateLight);
    vline(w - 1 - g, g + 1, h - 2 - g, kPlateLight);
    hline(g + 2, w - 3 - g, h - 2 - g, pal::cell_line);
    vline(w - 2 - g, g + 2, h - 3 - g, pal::cell_line);
    // Rivets in the four corners between rim and groove.
    auto rivet = [&](int x, int y) {
        px(x, y, kPlateLight);
        px(x + 1, y, pal::cell_grey.lighter(108));
        px(x, y + 1, pal::cell_grey.lighter(108));
        px(x + 1, y + 1, pal::cell_line);
    };
    rivet(2, 2);
    rivet(w - 4, 2);
    rivet(2, h - 4);
    rivet(w - 4, h - 4);
    // Tread pattern inside the groove: short diagonal ridges, alternating in direction,
    // laid out from the left and the right edge towards the middle.
    const int inner0 = g + 4;
    const int cols = (w - 2 * inner0) / 7;
    const int rows = (h - 2 * inner0) / 7;
    for (int j = 0; j <= rows; ++j) {
        for (int i = 0; i <= cols; ++i) {
            // Columns from the left edge in the left half, from the right edge in the right.
            int x = (i <= cols / 2) ? inner0 + 7 * i : w - 1 - inner0 - 7 * (cols - i);
            int y = (j <= rows / 2) ? inner0 + 7 * j : h - 1 - inner0 - 7 * (rows - j);
            bool rising = (i + j) % 2 == 0;
            for (int k = 0; k < 3; ++k) {
                int xx = x - 1 + k;
                int yy = rising ? y + 1 - k : y - 1 + k;
                px(xx, yy, pal::cell_line);
                px(xx, yy + 1, kPlateLight);
            }
        }
    }
}

// Soft contact shadow of a figure on the plate.
void plate_shadow(QPainter& p, QPointF c, double rx, double ry) {
    p.setPen(Qt::NoPen);
    QRadialGradient g(c, 1.0);
    g.setColorAt(0, QColor(0x20, 0x22, 0x28, 120));
    g.setColorAt(1, QColor(0x20, 0x22, 0x28, 0));
    p.save();
    p.translate(c);
    p.scale(rx, ry);
    p.translate(-c);
    p.setBrush(g);
    p.drawEllipse(c, 1.0, 1.0);
    p.restore();
}

QImage on_cell(QSize size, const std::function<void(QPainter&)>& figure) {
    // Figures are designed on a 50 x 50 square, the shape the game shows every cell in.
    const int w = size.width(), h = size.height();
    Layer l(w, h, 50, 50);
    figure(l.p());
    // The rim belongs to the plate: neighbouring cells must meet without a seam.
    QImage fig = l.finish();
    const int rim_x = int(std::lround(kRim * w / (w > 50 ? 50.0 : w)));
    const int rim_y = int(std::lround(kRim * h / (h > 50 ? 50.0 : h)));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (x < rim_x || y < rim_y || x >= w - rim_x || y >= h - rim_y) fig.setPixel(x, y, 0);
    return over(cell_background(w, h), fig);
}

}  // namespace

QImage cell_background(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    // At its stored size the plate is drawn pixel for pixel; larger, from the 50 x 50 design.
    draw_plate(img, w > 50 ? 50 : w, h > 50 ? 50 : h);
    return img;
}

QImage draw_cell_empty(QSize size) {
    return cell_background(size.width(), size.height());
}

QImage draw_robot_knight(QSize size) {
    return on_cell(size, [](QPainter& p) {
        const Tone& s = pal::steel;
        const double L = 1.6;
        plate_shadow(p, {26, 45}, 16, 3.5);
        // Crest of spikes on the helmet.
        for (double a : {-90.0, -55.0, -125.0, -22.0, -158.0}) {
            QPainterPath sp = spike({20.5, 14}, {29.5, 14}, {25, 2.5}, 0.6);
            double len = (a == -90.0) ? 1.0 : 0.9;
            QTransform t;
            t.translate(25, 19);
            t.rotate(a + 90);
            t.scale(1, len);
            t.translate(-25, -19);
            part(p, t.map(sp), s, L);
        }
        // Legs and feet.
        part(p, rrect(18, 38, 5.5, 6, 1.5), pal::dark, L);
        part(p, rrect(26.5, 38, 5.5, 6, 1.5), pal::dark, L);
        part(p, ellipse(19, 44.5, 5.5, 2.6), s, L);
        part(p, ellipse(31, 44.5, 5.5, 2.6), s, L);
        // Arms hanging from spiked shoulder pads.
        part(p, limb({13, 30}, {9, 34}, {9.5, 38}, 4.5), pal::dark, L);
        part(p, limb({37, 30}, {41, 34}, {40.5, 38}, 4.5), pal::dark, L);
        part(p, ellipse(9.5, 39, 3.4, 3.2), s, L);
        part(p, ellipse(40.5, 39, 3.4, 3.2), s, L);
        part(p, rrect(15, 25, 20, 15.5, 5), s, L);
        p.fillRect(QRectF(19, 33, 12, 1.2), s.shade);
        p.fillRect(QRectF(19, 35.6, 12, 1.2), s.shade);
        part(p, ellipse(25, 29.3, 2.6, 2.3), pal::red_eye, L * 0.7, 0.7);
        part(p, spike({8, 26}, {15, 23}, {3.5, 17}, 0.5), s, L);
        part(p, spike({35, 23}, {42, 26}, {46.5, 17}, -0.5), s, L);
        part(p, ellipse(12.5, 27.5, 6, 4.8), s, L);
        part(p, ellipse(37.5, 27.5, 6, 4.8), s, L);
        // Helmet with a dark visor and two glowing red eyes.
        part(p, ellipse(25, 19, 10.5, 9), s, L);
        part(p, rrect(16, 16, 18, 7, 3.5), pal::dark, L * 0.8, 0.8);
        for (double x : {21.0, 29.0}) red_eye(p, {x, 19.5}, {2.3, 1.9}, {3.6, 3.0}, 90, 0.7);
        glint(p, {19, 13.3}, 1.4);
    });
}

QImage draw_base_saucer(QSize size) {
    return on_cell(size, [](QPainter& p) {
        const double L = 1.6;
        plate_shadow(p, {25, 44.5}, 18, 3.2);
        // Landing legs.
        part(p, limb({14, 33}, {10, 38}, {8.5, 42.5}, 3), pal::dark, L);
        part(p, limb({36, 33}, {40, 38}, {41.5, 42.5}, 3), pal::dark, L);
        part(p, limb({25, 35}, {25, 39}, {25, 43}, 3), pal::dark, L);
        for (double x : {8.5, 25.0, 41.5}) part(p, ellipse(x, 43.5, 3.6, 1.8), pal::steel, L * 0.8);
        // Antenna on the dome.
        p.save();
        p.setPen(QPen(pal::dark.line, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(25, 13), QPointF(25, 6));
        p.restore();
        part(p, ellipse(25, 5.5, 2.3, 2.3), pal::red_eye, L * 0.8, 0.6);
        // The glass dome, with a little dark pilot silhouette inside.
        QPainterPath dome = ellipse(25, 23, 11.5, 12).intersected(rrect(0, 0, 50, 25, 0));
        part(p, dome, pal::glass, L);
        p.save();
        p.setClipPath(dome);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1F5E6A));
        p.drawEllipse(QPointF(25, 20), 3.6, 3.6);
        p.drawRoundedRect(QRectF(19.5, 22, 11, 6), 3, 3);
        p.setBrush(QColor(0xFF3B30));
        p.drawEllipse(QPointF(24, 19.6), 1.1, 0.9);
        p.drawEllipse(QPointF(27, 19.6), 1.1, 0.9);
        p.restore();
        // White glint on the glass.
        p.save();
        p.setPen(QPen(QColor(255, 255, 255, 235), 1.6, Qt::SolidLine, Qt::RoundCap));
        QPainterPath shine;
        shine.moveTo(17.5, 20);
        shine.quadTo(18, 15, 22, 13);
        p.drawPath(shine);
        p.restore();
        // Saucer hull: upper rim, lower belly.
        part(p, ellipse(25, 32, 15, 5.5), pal::dark, L);
        part(p, ellipse(25, 27.5, 22.5, 7), pal::steel, L);
        p.fillPath(ellipse(25, 27.5, 22.5, 7).intersected(rrect(0, 28.6, 50, 1.2, 0)),
                   pal::steel.shade);
        // Running lights along the rim.
        const QColor lights[] = {QColor(0xFF3B30), QColor(0xFFD21F), QColor(0x3BE06A),
                                 QColor(0x3B9BFF), QColor(0xFF5AD2)};
        const double xs[] = {9, 16.5, 25, 33.5, 41};
        const double ys[] = {28.2, 30.2, 31, 30.2, 28.2};
        for (int i = 0; i < 5; ++i) {
            p.setPen(Qt::NoPen);
            QColor halo = lights[i];
            halo.setAlpha(110);
            p.setBrush(halo);
            p.drawEllipse(QPointF(xs[i], ys[i]), 3.0, 2.6);
            p.setBrush(lights[i]);
            p.setPen(QPen(pal::dark.line, 0.7));
            p.drawEllipse(QPointF(xs[i], ys[i]), 1.8, 1.6);
            glint(p, {xs[i] - 0.5, ys[i] - 0.5}, 0.6);
        }
    });
}

QImage draw_krot_simple(QSize size) {
    return on_cell(size, [](QPainter& p) {
        const double L = 1.6;
        const Tone& d = pal::dark;
        const Tone quill{QColor(0x55606C), QColor(0x8C99A8), QColor(0x323940), QColor(0x111418)};
        plate_shadow(p, {27, 44.5}, 17, 3.2);
        // Metal quills fanned along the back.
        for (int i = 0; i < 6; ++i) {
            double a = -160 + i * 27.0;
            QPainterPath sp = spike({24.5, 20}, {33.5, 20}, {29, 3.5}, 0.5);
            part(p, rotated(sp, {29, 28}, a + 90), quill, L);
        }
        // Feet, body, belly plate.
        part(p, ellipse(21, 42, 4.5, 2.8), d, L);
        part(p, ellipse(35, 42, 4.5, 2.8), d, L);
        part(p, ellipse(29, 29, 15.5, 12.5), d, L);
        part(p, ellipse(27, 34.5, 8.5, 5.2), pal::metal, L * 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(pal::metal.shade);
        for (double x : {22.5, 27.0, 31.5}) p.drawEllipse(QPointF(x, 34.8), 0.8, 0.8);
        // Snout with a red nose lamp.
        part(p, spike({17, 24.5}, {17, 35}, {5, 32.5}, 0.6), d, L);
        part(p, ellipse(5.8, 32, 2.6, 2.4), pal::red_eye, L * 0.8, 0.6);
        // A glowing red eye under a heavy brow plate.
        p.setBrush(QColor(0xFF, 0x3B, 0x30, 100));
        p.drawEllipse(QPointF(20, 26.5), 4.4, 3.8);
        part(p, ellipse(20, 26.5, 2.9, 2.5), pal::red_eye, L * 0.7, 0.6);
        glint(p, {19.2, 25.6}, 0.8);
        part(p, poly({{14.5, 22.5}, {25, 21}, {24.5, 23.8}, {15.5, 24.6}}), pal::metal, L * 0.8);
        glint(p, {31, 20.5}, 1.5);
    });
}

QImage draw_krot_costume(QSize size) {
    return on_cell(size, [](QPainter& p) {
        const double L = 1.6;
        plate_shadow(p, {25, 44.5}, 19, 3.2);
        // Spiked side wheels: bright spikes all round a dark tyre.
        const Tone bright{QColor(0xD6DCE4), QColor(0xFFFFFF), QColor(0x8A95A3), QColor(0x1E232B)};
        for (int side : {-1, 1}) {
            const QPointF c(25 + side * 14.5, 30);
            for (int i = 0; i < 8; ++i) {
                QTransform t;
                t.translate(c.x(), c.y());
                t.scale(0.9, 1.0);
                t.rotate(i * 45.0 + 22.5);
                QPainterPath sp = t.map(spike({-5, -8}, {5, -8}, {0, -17}, 0.2));
                p.fillPath(sp, bright.base);
                p.fillPath(sp.subtracted(sp.translated(-0.8, -0.8)), bright.shade);
                outline(p, sp, bright.line, 1.2);
            }
            part(p, ellipse(c.x(), c.y(), 5.8, 10.5), pal::dark, L);
            part(p, ellipse(c.x(), c.y(), 2.8, 5), pal::metal, L * 0.8, 0.8);
        }
        // The pod itself.
        part(p, ellipse(25, 26.5, 13.5, 15.5), pal::pod, L);
        part(p, rrect(18.5, 39, 13, 5, 2), pal::dark, L);
        // A ring hatch on top.
        part(p, ellipse(25, 12.2, 4.6, 2.4), pal::metal, L * 0.8, 0.7);
        // Visor band with two red eyes.
        part(p, rrect(14, 20.5, 22, 9, 4.5), pal::dark, L * 0.9, 0.8);
        for (double x : {20.5, 29.5}) red_eye(p, {x, 25}, {2.5, 2.1}, {3.8, 3.3}, 110, 0.8);
        // Rivets round the pod's belly.
        p.setBrush(pal::pod.light);
        for (double x : {17.0, 21.0, 25.0, 29.0, 33.0})
            p.drawEllipse(QPointF(x, 35.3 + (x == 25.0                  ? 0.6
                                             : (x == 21.0 || x == 29.0) ? 0.4
                                                                        : 0)),
                          0.9, 0.9);
        glint(p, {17.5, 16}, 1.8);
    });
}

QImage draw_ring(QSize size) {
    return on_cell(size, [](QPainter& p) {
        plate_shadow(p, {26, 45}, 13, 2.8);
        // Seen a little from the side, so narrower than tall.
        QPainterPath ring = ellipse(25, 24.5, 15.5, 18.5).subtracted(ellipse(25, 24.5, 8.2, 11.2));
        part(p, ring, pal::gold, 1.7, 2.6);
        // A bright streak along the upper left of the band.
        p.save();
        p.setPen(QPen(QColor(0xFFFBD8), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(13, 9, 24, 31), 110 * 16, 55 * 16);
        p.restore();
        // Sparkle.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFFFBE0));
        p.drawPath(sparkle({14.5, 11.5}, 7.5, 0.18));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(14.5, 11.5), 1.5, 1.5);
    });
}

}  // namespace art
