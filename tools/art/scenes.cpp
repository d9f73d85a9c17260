// The top strip (wall and captive), the final scene's sky, airship and flight.
#include "tools/art/scenes.h"

#include "tools/art/characters.h"

#include <cmath>

namespace art {

namespace {

const QColor kWallBase(0x8B8F97);
const QColor kWallDark(0x6C7078);
const QColor kWallLight(0xAEB2BA);
const QColor kTrace(0x5B6770);
const QColor kGlow(0x80FFFF);

// One colour ramp for every sky of the final scene, t = 0 at the top of the sky picture.
QColor sky_at(double t) {
    const QColor top(0x2E7FDB), bottom(0xA8DAFF);
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(top.redF() + (bottom.redF() - top.redF()) * t,
                            top.greenF() + (bottom.greenF() - top.greenF()) * t,
                            top.blueF() + (bottom.blueF() - top.blueF()) * t);
}

// Sky background for a picture that lies between t0 and t1 of the big sky.
void fill_sky(QPainter& p, const QRectF& r, double t0, double t1) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, sky_at(t0));
    g.setColorAt(1, sky_at(t1));
    p.fillRect(r, g);
}

// A cumulus cloud: a row of puffs on a flat base, white with a blue-grey underside.
void cloud(QPainter& p, double x, double y, double w, double h, quint32 seed, bool line = true) {
    Rng rng(seed);
    QPainterPath c = rrect(x, y + h * 0.45, w, h * 0.55, h * 0.27);
    const int puffs = std::max(3, int(w / h * 2.2));
    for (int i = 0; i < puffs; ++i) {
        double f = (i + 0.5) / puffs;
        double r = h * (0.32 + 0.28 * std::sin(f * M_PI)) * rng.range(0.85, 1.15);
        c = c.united(ellipse(x + w * (0.12 + 0.76 * f), y + h * 0.62 - r * 0.6, r, r));
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.fillPath(c, QColor(0xFFFFFF));
    p.fillPath(c.subtracted(c.translated(0, -h * 0.16)), QColor(0xD6E4F2));
    p.fillPath(c.subtracted(c.translated(-h * 0.06, h * 0.1)), QColor(0xFFFFFF));
    if (line) outline(p, c, QColor(0x8AA6C8), std::max(0.8, h * 0.04));
    p.restore();
}

// The final scene's backdrop as the player sees it: 385 x 121 logical pixels. The
// airship and flight pictures lie over parts of it and repeat exactly those parts, so
// they sit in the sky without a visible edge.
constexpr double kSkyW = 385, kSkyH = 121;

void sky_backdrop(QPainter& p) {
    fill_sky(p, QRectF(0, 0, kSkyW, kSkyH), 0, 1);
    cloud(p, 150, 8, 46, 14, 11);
    cloud(p, 300, 38, 60, 16, 12);
    cloud(p, 10, 30, 40, 12, 13);
    cloud(p, 205, 52, 38, 11, 14);
    cloud(p, 40, 53, 56, 13, 15);
    // A bank of clouds along the bottom.
    for (int i = 0; i < 9; ++i) cloud(p, -20 + i * 46, 88 + (i % 2) * 7, 64, 26, 20 + i);
}

// Draws the part of the backdrop that a picture of w x h pixels covers when the game
// shows it at the given place and size.
void sky_behind(QPainter& p, int w, int h, const QRectF& shown_at) {
    p.save();
    p.scale(w / shown_at.width(), h / shown_at.height());
    p.translate(-shown_at.topLeft());
    sky_backdrop(p);
    p.restore();
}

void flame_at(QPainter& p, QPointF base, double s, double lean = 0) {
    QPainterPath f;
    f.moveTo(base + QPointF(-3.2 * s, 0));
    f.cubicTo(base + QPointF(-3.8 * s, -3 * s), base + QPointF((-1 + lean) * s, -5 * s),
              base + QPointF((0.5 + lean) * s, -9 * s));
    f.cubicTo(base + QPointF((1.2 + lean) * s, -6 * s), base + QPointF(3.8 * s, -4 * s),
              base + QPointF(3.2 * s, 0));
    f.quadTo(base + QPointF(0, 1.6 * s), base + QPointF(-3.2 * s, 0));
    f.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    QLinearGradient g(base + QPointF(0, -8 * s), base);
    g.setColorAt(0, QColor(0xFFB000));
    g.setColorAt(1, QColor(0xFF5A00));
    p.fillPath(f, g);
    QTransform t;
    t.translate(base.x(), base.y() - 0.3 * s);
    t.scale(0.5, 0.5);
    t.translate(-base.x(), -base.y());
    p.fillPath(t.map(f), QColor(0xFFF2A8));
    p.restore();
    outline(p, f, QColor(0x8A2400), 0.7);
}

void smoke_puff(QPainter& p, QPointF c, double r, int alpha = 200) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4A, 0x4E, 0x56, alpha));
    p.drawEllipse(c, r, r * 0.85);
    p.drawEllipse(c + QPointF(r * 0.8, -r * 0.5), r * 0.75, r * 0.65);
    p.setBrush(QColor(0x6A, 0x6F, 0x78, alpha));
    p.drawEllipse(c + QPointF(-r * 0.3, -r * 0.3), r * 0.5, r * 0.4);
    p.restore();
}

// The villain's airship in a 95 x 39 box, nose to the left.
void airship(QPainter& p, bool wrecked) {
    const double L = 1.3;
    const Tone hull = pal::metal;
    // Tail fins.
    part(p, poly({{72, 16}, {82, 3}, {91, 4}, {86, 17}}), pal::coat, L);
    part(p, poly({{72, 22}, {86, 21}, {91, 32}, {82, 32}}), pal::coat, L);
    // Gondola under the hull, with portholes.
    part(p, rrect(30, 24, 30, 8, 3.5), pal::dark, L);
    for (double x : {36.0, 44.0, 52.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(wrecked ? QColor(0x2A2F36) : QColor(0xFFD84A));
        p.drawEllipse(QPointF(x, 28), 1.5, 1.5);
    }
    // Hull.
    QPainterPath body;
    body.moveTo(6, 18);
    body.cubicTo(6, 10, 22, 7, 44, 7);
    body.cubicTo(66, 7, 82, 12, 85, 18.5);
    body.cubicTo(82, 25, 66, 28, 44, 28);
    body.cubicTo(22, 28, 6, 26, 6, 18);
    body.closeSubpath();
    part(p, body, hull, L, 3.2);
    // Red band round the hull with plate seams.
    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(0, 16.5, 95, 3.4), pal::coat.base);
    p.fillRect(QRectF(0, 19.0, 95, 0.9), pal::coat.shade);
    p.setPen(QPen(hull.shade, 0.7));
    for (double x : {24.0, 40.0, 56.0, 70.0}) p.drawLine(QPointF(x, 6), QPointF(x, 29));
    p.restore();
    outline(p, body, hull.line, L);
    // Propeller at the stern.
    part(p, rrect(84, 15.5, 5, 5, 1.5), pal::dark, L * 0.8);
    part(p, ellipse(91, 18, 1.8, 8), pal::steel, L * 0.8);
    // Two glass canopies on top.
    for (double x : {27.0, 50.0}) {
        QPainterPath c = ellipse(x, 9, 7.5, 6).intersected(rrect(0, 0, 95, 9.5, 0));
        part(p, c,
             wrecked ? Tone{QColor(0x3A7D88), QColor(0x6FB8C0), QColor(0x23525A), QColor(0x0C3C46)}
                     : pal::glass,
             L, 1.2);
        glint(p, {x - 3.5, 6.2}, 1.0);
    }
}

void wreck_damage(QPainter& p) {
    // Jagged holes and torn plates along the hull.
    const QColor hole(0x1E2126);
    p.setPen(QPen(QColor(0x0E1014), 0.7));
    p.setBrush(hole);
    p.drawPolygon(QPolygonF({{18, 13}, {22, 10.5}, {24, 14}, {21.5, 17}, {17, 16.5}}));
    p.drawPolygon(QPolygonF({{38, 21}, {43, 19}, {46, 23}, {41, 25.5}, {37.5, 24}}));
    p.drawPolygon(QPolygonF({{58, 11}, {64, 10}, {66, 15}, {61, 17}, {57, 15}}));
    // Loose plates and bolts flying off.
    const Tone& m = pal::metal;
    part(p, poly({{10, 3}, {15, 1.5}, {14, 5}}), m, 0.8, 0.6);
    part(p, poly({{33, 31}, {38, 33}, {34, 36}}), m, 0.8, 0.6);
    part(p, poly({{48, 1}, {52, 2.5}, {49, 4.5}}), pal::coat, 0.8, 0.6);
    part(p, poly({{66, 33}, {71, 31.5}, {70, 36}}), m, 0.8, 0.6);
    part(p, poly({{26, 34}, {29, 32.5}, {29.5, 36}}), pal::dark, 0.8, 0.6);
}

}  // namespace

QImage draw_wall(QSize size) {
    // The wall spans the whole 401 x 145 strip on screen: draw in those proportions.
    const double W = 401, H = 145;
    Layer l(size.width(), size.height(), W, H);
    QPainter& p = l.p();
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, kWallLight.darker(105));
    g.setColorAt(0.35, kWallBase);
    g.setColorAt(1, kWallDark);
    p.fillRect(QRectF(0, 0, W, H), g);
    // Wall panels: seams with a light lower lip, rivets along them.
    p.setPen(Qt::NoPen);
    for (double y : {48.0, 98.0}) {
        p.fillRect(QRectF(0, y, W, 3), kWallDark.darker(120));
        p.fillRect(QRectF(0, y + 3, W, 2), kWallLight);
    }
    for (int row = 0; row < 3; ++row) {
        double y0 = row == 0 ? 0 : row == 1 ? 53 : 103;
        double y1 = row == 0 ? 48 : row == 1 ? 98 : H;
        double off = (row % 2) ? 50 : 0;
        for (double x = off + 100; x < W; x += 100) {
            p.fillRect(QRectF(x, y0, 4, y1 - y0), kWallDark.darker(115));
            p.fillRect(QRectF(x + 4, y0, 2.5, y1 - y0), kWallLight);
            for (double y = y0 + 8; y < y1 - 4; y += 18) {
                p.setBrush(kWallDark.darker(130));
                p.drawEllipse(QPointF(x - 8, y + 1), 3, 3);
                p.setBrush(kWallLight.lighter(110));
                p.drawEllipse(QPointF(x - 8.6, y + 0.4), 2, 2);
            }
        }
    }
    // Circuit lines: traces with 45-degree bends ending in pads; some pads lit.
    Rng rng(0x5EED5);
    auto trace = [&](QPolygonF pts, bool lit) {
        QPainterPath path;
        path.addPolygon(pts);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kWallLight, 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path.translated(1.5, 1.5));
        p.setPen(QPen(kTrace, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        for (QPointF end : {pts.first(), pts.last()}) {
            p.setPen(QPen(kTrace.darker(130), 2.5));
            p.setBrush(lit && end == pts.last() ? kGlow : kWallLight);
            p.drawEllipse(end, 6.5, 5);
        }
    };
    for (int i = 0; i < 14; ++i) {
        double x = 12 + i * 28 + rng.range(-6, 6);
        double y = rng.range(12, 130);
        double dx = rng.range(30, 70) * (rng.next() < 0.5 ? -1 : 1);
        double dy = rng.range(10, 22) * (y > 70 ? -1 : 1);
        QPolygonF pts{{x, y},
                      {x + dx * 0.4, y},
                      {x + dx * 0.4 + std::abs(dy), y + dy},
                      {x + dx + std::abs(dy), y + dy}};
        trace(pts, i % 3 == 0);
    }
    // A chip block, top left, where several traces meet.
    part(p, rrect(150, 14, 46, 26, 3), pal::dark, 2.5, 3);
    p.setPen(QPen(kWallLight, 2));
    for (double x = 156; x < 192; x += 7) {
        p.drawLine(QPointF(x, 9), QPointF(x, 14));
        p.drawLine(QPointF(x, 40), QPointF(x, 45));
    }
    return over(QImage(size, QImage::Format_ARGB32_Premultiplied), l.finish());
}

QImage draw_captive(QSize size) {
    // Shown at 137 x 81 in the strip; the glowing pillars lie under the game's blinking
    // bars, which cover the left and right eighth of it.
    const double W = 146, H = 86;
    Layer l(size.width(), size.height(), W, H);
    QPainter& p = l.p();
    // The alcove: the wall's grey with a dark recess.
    p.fillRect(QRectF(0, 0, W, H), kWallBase);
    part(p, rrect(14, 3, W - 28, H - 3, 4),
         {QColor(0x3A3F48), QColor(0x4E545E), QColor(0x2C3038), QColor(0x1A1D22)}, 1.5, 3);
    // Pillars of light on both sides.
    for (double x0 : {1.0, W - 18.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x80, 0xFF, 0xFF, 70));
        p.drawRoundedRect(QRectF(x0 - 1, 8, 19, 71), 6, 6);
        part(p, rrect(x0 + 2, 10, 13, 67, 4),
             {kGlow, QColor(0xF0FFFF), QColor(0x3FC8D8), QColor(0x0E4A56)}, 1.5, 2.5);
        p.setPen(QPen(QColor(255, 255, 255, 220), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x0 + 5.5, 14), QPointF(x0 + 5.5, 72));
        part(p, rrect(x0, 5, 17, 6.5, 2), pal::steel, 1.3, 1.2);
        part(p, rrect(x0, 75.5, 17, 6.5, 2), pal::steel, 1.3, 1.2);
    }
    // The clock panel above the capsule.
    part(p, rrect(50, 2, 46, 17, 3), pal::steel, 1.4, 1.6);
    p.fillRect(QRectF(55, 5.5, 36, 10.5), QColor(0x061A0C));
    outline(p, rrect(55, 5.5, 36, 10.5, 1), pal::steel.line, 1.0);
    // 00:00 on a seven-segment display.
    auto digit_zero = [&](double x, double y) {
        p.setPen(QPen(QColor(0x39FF6A), 1.5, Qt::SolidLine, Qt::RoundCap));
        const double w = 4.6, h = 7.2;
        p.drawLine(QPointF(x + 0.8, y), QPointF(x + w - 0.8, y));
        p.drawLine(QPointF(x + 0.8, y + h), QPointF(x + w - 0.8, y + h));
        p.drawLine(QPointF(x, y + 0.8), QPointF(x, y + h / 2 - 0.6));
        p.drawLine(QPointF(x, y + h / 2 + 0.6), QPointF(x, y + h - 0.8));
        p.drawLine(QPointF(x + w, y + 0.8), QPointF(x + w, y + h / 2 - 0.6));
        p.drawLine(QPointF(x + w, y + h / 2 + 0.6), QPointF(x + w, y + h - 0.8));
    };
    for (double x : {58.0, 65.0, 77.0, 84.0}) digit_zero(x, 7.1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x39FF6A));
    p.drawEllipse(QPointF(73, 9.2), 0.9, 0.9);
    p.drawEllipse(QPointF(73, 12.6), 0.9, 0.9);
    // Small lamps on the panel's sides.
    p.setBrush(QColor(0xFF3B30));
    p.drawEllipse(QPointF(52.8, 6.5), 1.3, 1.3);
    p.setBrush(QColor(0xFFD21F));
    p.drawEllipse(QPointF(93.2, 6.5), 1.3, 1.3);
    // Pelko, tied up, standing in the capsule.
    p.save();
    p.translate(73 - 29 * 0.78, 80 - 75 * 0.78);
    p.scale(0.78, 0.78);
    pelko(p, 1.5 / 0.78, true);
    p.restore();
    // The capsule: a glass tube on a metal base.
    QPainterPath tube = rrect(35, 21, 76, 60, 14);
    p.setPen(Qt::NoPen);
    p.fillPath(tube, QColor(0x7F, 0xE3, 0xFF, 60));
    p.save();
    p.setClipPath(tube);
    p.setPen(QPen(QColor(255, 255, 255, 170), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(41, 30), QPointF(41, 70));
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46, 27), QPointF(46, 45));
    p.drawLine(QPointF(104, 40), QPointF(104, 72));
    p.restore();
    outline(p, tube, QColor(0x1C6E7C), 1.6);
    part(p, rrect(31, 17, 84, 6, 2.5), pal::steel, 1.4, 1.4);
    part(p, rrect(29, 78, 88, 8, 2.5), pal::steel, 1.4, 1.6);
    return over(QImage(size, QImage::Format_ARGB32_Premultiplied), l.finish());
}

QImage draw_sky(QSize size) {
    // The sky fills a 385 x 121 backdrop: draw in those proportions.
    Layer l(size.width(), size.height(), kSkyW, kSkyH);
    sky_backdrop(l.p());
    return l.finish();
}

QImage draw_airship(int stage, QSize size) {
    Layer l(size.width(), size.height(), 95, 39);
    QPainter& p = l.p();
    sky_behind(p, 95, 39, QRectF(16, 24, 97, 41));
    if (stage == 4) {
        p.save();
        p.translate(47, 19);
        p.rotate(-9);
        p.translate(-47, -17);
        airship(p, true);
        wreck_damage(p);
        // The stern is ablaze under a column of smoke.
        smoke_puff(p, {86, 3}, 6);
        smoke_puff(p, {76, 1}, 5);
        smoke_puff(p, {66, 3}, 3.5);
        flame_at(p, {78, 17}, 1.5, 0.5);
        flame_at(p, {86, 20}, 1.3, 1);
        flame_at(p, {71, 11}, 1.1, 0.5);
        flame_at(p, {82, 27}, 1.1, 1);
        flame_at(p, {68, 24}, 0.9, 0.5);
        flame_at(p, {90, 12}, 0.9, 1);
        p.restore();
        return l.finish();
    }
    airship(p, false);
    // Four small fires, in a different place on each frame.
    static const QPointF fires[4][4] = {
        {},
        {{18, 12}, {41, 23}, {58, 9}, {76, 20}},
        {{29, 23}, {46, 9}, {65, 24}, {80, 13}},
        {{13, 19}, {34, 9.5}, {55, 24}, {70, 11}},
    };
    if (stage >= 1 && stage <= 3) {
        for (const QPointF& f : fires[stage]) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x2A, 0x26, 0x20, 150));
            p.drawEllipse(f + QPointF(0.5, 0.3), 3.6, 2.2);
            smoke_puff(p, f + QPointF(2.5, -9.5), 2.2, 150);
            flame_at(p, f, 0.9, stage == 2 ? 0.8 : 0.3);
        }
    }
    return l.finish();
}

QImage draw_flight(QSize size) {
    Layer l(size.width(), size.height(), 119, 88);
    QPainter& p = l.p();
    sky_behind(p, 119, 88, QRectF(264, 32, 121, 89));
    // Speed lines behind the craft.
    p.setPen(QPen(QColor(255, 255, 255, 210), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(2, 42 + i * 6), QPointF(18 - i * 3, 39.5 + i * 6));
    p.save();
    p.translate(60, 50);
    p.rotate(-10);
    p.translate(-60, -50);
    // Exhaust flame.
    QPainterPath ex;
    ex.moveTo(20, 52);
    ex.quadTo(10, 55, 4, 56);
    ex.quadTo(10, 58, 20, 61);
    ex.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(ex, QColor(0xFFB000));
    outline(p, ex, QColor(0x8A2400), 0.9);
    // The two heroes in their seats.
    p.save();
    p.translate(43, 36);
    p.scale(0.8, 0.8);
    brisko_head(p, 1.4 / 0.8);
    p.restore();
    p.save();
    p.translate(76, 34);
    p.scale(0.76, 0.76);
    pelko_head(p, 1.4 / 0.76);
    p.restore();
    // Pelko waves goodbye.
    part(p, limb({84, 49}, {93, 44}, {95, 33}, 4.4), pal::fox, 1.3);
    part(p, ellipse(95.5, 31.5, 3.0, 3.0), pal::cream, 1.2);
    // The craft: a rounded blue hull with a wing and a windscreen.
    part(p, poly({{38, 58}, {62, 58}, {52, 74}, {34, 72}}), pal::craft, 1.4);
    QPainterPath hull;
    hull.moveTo(16, 50);
    hull.cubicTo(26, 47, 70, 47, 100, 50);
    hull.cubicTo(108, 51, 112, 55, 104, 60);
    hull.cubicTo(80, 67, 30, 68, 18, 62);
    hull.cubicTo(12, 59, 12, 52, 16, 50);
    hull.closeSubpath();
    part(p, hull, pal::craft, 1.5, 3);
    p.fillPath(QPainterPath(rrect(14, 55, 100, 2, 0)).intersected(hull), QColor(0xFFD21F));
    part(p, poly({{22, 49.5}, {27, 40}, {31, 40}, {30, 49}}), pal::glass, 1.2, 1.2);
    part(p, rrect(96, 50, 9, 4, 1.5), pal::red_eye, 1.0, 0.8);
    glint(p, {28, 52}, 1.4);
    p.restore();
    return l.finish();
}

}  // namespace art
