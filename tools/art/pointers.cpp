// The pointer images and window icons: designed on 48 x 48 and drawn at any size,
// hard-edged transparency, figure centred on the active point (24, 24); arrows have
// their tip there.
#include <QHash>

#include "tools/art/pointers.h"

#include "tools/art/characters.h"
#include "tools/art/formats.h"

#include <cmath>

namespace art {

namespace {

// Outline width on the 48 x 48 design: the pointers are shown at two thirds of it.
constexpr double kLine = 2.4;

void arrow(QPainter& p, const Tone& t) {
    // Tip on (24, 24): the outline's outer edge starts exactly there.
    const double s = 1.0;
    const QPointF o(24 + kLine * 0.55, 24 + kLine * 0.55);
    auto at = [&](double x, double y) { return o + QPointF(x * s, y * s); };
    QPainterPath a = poly({at(0, 0), at(0, 19), at(4.6, 15), at(8.4, 21.6), at(12.2, 20),
                           at(8.6, 13.4), at(14.2, 13.4)});
    p.setPen(Qt::NoPen);
    p.fillPath(a, t.base);
    p.fillPath(a.subtracted(a.translated(2.2, 1.6)), t.light);
    p.fillPath(a.subtracted(a.translated(-1.2, -2.0)), t.shade);
    outline(p, a, t.line, kLine);
}

void gold_sparkles(QPainter& p, std::initializer_list<QPointF> at, double r) {
    for (const QPointF& c : at) {
        QPainterPath s = sparkle(c, r, 0.3);
        part(p, s, pal::gold, 1.4, 1.0);
    }
}

void with_figure(QPainter& p, double scale, QPointF local_centre,
                 const std::function<void(double)>& f, double line = kLine) {
    p.save();
    p.translate(24, 24);
    p.scale(scale, scale);
    p.translate(-local_centre);
    f(line / scale);
    p.restore();
}

void explosion(QPainter& p) {
    const Tone smoke{QColor(0x8C9098), QColor(0xC2C6CC), QColor(0x5E626A), QColor(0x2A2D33)};
    QPainterPath puffs;
    for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4 + 0.3;
        puffs.addEllipse(QPointF(24 + 15 * std::cos(a), 24 + 15 * std::sin(a)), 7.5, 7.5);
    }
    puffs.addEllipse(QPointF(24, 24), 15, 15);
    part(p, puffs.simplified(), smoke, kLine, 3);
    QPainterPath burst = star({24, 24}, 19, 9, 9, -80);
    part(p, burst, {QColor(0xFF8A00), QColor(0xFFC24A), QColor(0xE04A00), QColor(0x6A1800)}, kLine,
         2.5);
    part(p, star({24, 24}, 10.5, 5.5, 9, -60),
         {QColor(0xFFE14A), QColor(0xFFFBD0), QColor(0xFFB000), QColor(0xC06000)}, 1.2, 1.2);
}

void blue_spin_ball(QPainter& p) {
    // A plain ball whose swirl and speed arcs say "spinning".
    part(p, ellipse(24, 24, 17, 17), pal::hero, kLine, 3.5);
    p.save();
    p.setClipPath(ellipse(24, 24, 17, 17));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal::hero.light, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(14, 14, 20, 20), 40 * 16, 150 * 16);
    p.setPen(QPen(pal::hero.shade, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(14, 14, 20, 20), 220 * 16, 150 * 16);
    p.restore();
    part(p, ellipse(24, 24, 4.5, 4.5), pal::scarf, 1.6, 1.2);
    glint(p, {17, 16}, 2.6);
    // Speed arcs hugging the ball.
    p.setPen(QPen(pal::hero.line, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(2.5, 2.5, 43, 43), 100 * 16, 60 * 16);
    p.drawArc(QRectF(2.5, 2.5, 43, 43), 280 * 16, 60 * 16);
}

void mole_robot(QPainter& p) {
    const Tone& d = pal::dark;
    // Digging claws at the bottom corners.
    for (int side : {-1, 1}) {
        for (int k = 0; k < 3; ++k) {
            QPointF base(24 + side * (12 + k * 3.2), 40);
            part(p,
                 spike(base + QPointF(-2, 0), base + QPointF(2, 0), base + QPointF(side * 2.5, 7),
                       0.3),
                 pal::steel, 1.6, 0.8);
        }
        part(p, ellipse(24 + side * 15, 38.5, 7, 5), d, kLine);
    }
    // Small round ears, the dome of the head.
    part(p, ellipse(9, 12, 4.5, 4.5), d, kLine);
    part(p, ellipse(39, 12, 4.5, 4.5), d, kLine);
    part(p, ellipse(24, 22, 17, 16), d, kLine, 3.5);
    // Red goggles on a metal strap.
    p.fillRect(QRectF(7, 15.5, 34, 4.5), pal::metal.shade);
    for (double x : {17.0, 31.0}) {
        part(p, ellipse(x, 18, 6.8, 6.8), pal::metal, kLine * 0.8, 1.5);
        part(p, ellipse(x, 18, 4.6, 4.6), pal::red_eye, 1.2, 1.5);
        glint(p, {x - 1.6, 16.3}, 1.4);
    }
    // Snout with a metal nose and two big front teeth.
    part(p, ellipse(24, 31, 8.5, 6), pal::metal, kLine * 0.9, 2);
    part(p, rrect(20.5, 35, 7, 5.5, 1.2), pal::white, 1.4, 0.8);
    p.setPen(QPen(pal::white.line, 1.1));
    p.drawLine(QPointF(24, 35.5), QPointF(24, 40));
    part(p, ellipse(24, 28.5, 3.4, 2.6), pal::red_eye, 1.2, 0.8);
    glint(p, {23, 27.8}, 0.9);
}

void info_bubble(QPainter& p) {
    QPainterPath b = rrect(4, 5, 40, 31, 11);
    b = b.united(poly({{11, 31}, {20, 33}, {8, 44}}));
    part(p, b.simplified(), pal::white, kLine, 2.5);
    // A bold blue letter i.
    part(p, ellipse(24, 12.5, 3.6, 3.6), pal::hero, 1.6, 1.2);
    QPainterPath stem = rrect(20.8, 18, 6.4, 14, 2);
    stem.addRoundedRect(QRectF(18.5, 18, 6, 3.4), 1.2, 1.2);
    stem.addRoundedRect(QRectF(18.5, 28.8, 11, 3.4), 1.2, 1.2);
    part(p, stem.simplified(), pal::hero, 1.6, 1.2);
}

HeroLook golden() {
    HeroLook g;
    g.body = {QColor(0xFFC400), QColor(0xFFEE80), QColor(0xD98A00), QColor(0x5A3000)};
    g.skin = {QColor(0xFFF0C8), QColor(0xFFFFFF), QColor(0xF2C79B), QColor(0x6A4200)};
    g.pupil = QColor(0x0E6A6A);
    return g;
}

void hero_glow(QPainter& p) {
    // A ring of rays behind him; partial alpha is not available, so the glow is solid.
    QPainterPath rays = star({24, 24}, 23.5, 17, 12, -90);
    part(p, rays, {QColor(0xFFFBE0), QColor(0xFFFFFF), QColor(0xFFEFA0), QColor(0xE0A000)}, 1.4,
         1.5);
    with_figure(p, 0.88, {4.5, -6.5}, [&](double line) { brisko_head(p, line, golden()); });
}

}  // namespace

QImage draw_pointer(const QString& name, int side) {
    Layer l(side, side, 48, 48);
    QPainter& p = l.p();
    if (name == "ico_arrow_blue") {
        arrow(p, {QColor(0x2F6BE0), QColor(0x8FB8FF), QColor(0x1E3F8F), QColor(0x0A1A48)});
    } else if (name == "ico_arrow_lightblue") {
        arrow(p, {QColor(0x7CC8FF), QColor(0xD8F0FF), QColor(0x3D8FD0), QColor(0x123A66)});
    } else if (name == "ico_arrow_yellow") {
        arrow(p, {QColor(0xFFD21F), QColor(0xFFF4A0), QColor(0xD99A00), QColor(0x5A3A00)});
    } else if (name == "ico_ball_blue") {
        with_figure(p, 0.98, {0, 0}, [&](double line) { brisko_ball(p, line); });
    } else if (name == "ico_ball_blue_a") {
        blue_spin_ball(p);
    } else if (name == "ico_hero") {
        with_figure(
            p, 0.6, {31, 41}, [&](double line) { brisko(p, line); }, 1.5);
    } else if (name == "ico_hero_head") {
        with_figure(p, 0.98, {4.5, -6}, [&](double line) { brisko_head(p, line); });
    } else if (name == "ico_hero_sparkle") {
        gold_sparkles(p, {{7, 9}, {41, 40}}, 6.5);
        with_figure(
            p, 0.54, {31, 41}, [&](double line) { brisko(p, line); }, 1.4);
        gold_sparkles(p, {{40, 10}, {8, 38}}, 5);
    } else if (name == "ico_explosion") {
        explosion(p);
    } else if (name == "ico_ball_orange") {
        with_figure(p, 1.1, {0, -0.5}, [&](double line) { pelko_ball(p, line); });
    } else if (name == "ico_friend") {
        with_figure(
            p, 0.62, {39, 40}, [&](double line) { pelko(p, line); }, 1.5);
    } else if (name == "ico_friend_sparkle") {
        gold_sparkles(p, {{7, 9}, {41, 41}}, 6.5);
        with_figure(
            p, 0.56, {39, 40}, [&](double line) { pelko(p, line); }, 1.4);
        gold_sparkles(p, {{8, 38}}, 5);
    } else if (name == "ico_mole_robot") {
        mole_robot(p);
    } else if (name == "ico_hero_glow") {
        hero_glow(p);
    } else if (name == "ico_info") {
        info_bubble(p);
    }
    return threshold_alpha(l.finish());
}

}  // namespace art
