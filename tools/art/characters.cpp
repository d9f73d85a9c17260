// Brisko, Pelko and doctor Virzo, and the three character pictures.
#include <QPainterPathStroker>
#include <QtMath>

#include <cmath>

#include "tools/art/characters.h"

namespace art {

QPainterPath limb(QPointF a, QPointF ctrl, QPointF b, double width) {
    QPainterPath centre;
    centre.moveTo(a);
    centre.quadTo(ctrl, b);
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(centre).simplified();
}

namespace {

// One of Brisko's quills: a broad blade rooted on the head circle (base angles a0..a1,
// in degrees), reaching out to radius len in direction tip_a. Both edges bow the same
// way, so every quill curves up and back like a flame: his own mark, with the scarf.
QPainterPath quill(double a0, double a1, double tip_a, double len, double bend,
                   double root = 12.5) {
    auto polar = [](double r, double deg) {
        const double a = qDegreesToRadians(deg);
        return QPointF(r * std::cos(a), r * std::sin(a));
    };
    const QPointF A = polar(root, a0), B = polar(root, a1), T = polar(len, tip_a);
    auto bowed = [&](QPointF from, double k) {
        const QPointF d = T - from;
        return (from + T) / 2 + QPointF(d.y(), -d.x()) * k;
    };
    QPainterPath path;
    path.moveTo(A);
    path.quadTo(bowed(A, bend), T);
    path.quadTo(bowed(B, -bend * 0.55), B);
    path.closeSubpath();
    return path;
}

}  // namespace

void brisko_head(QPainter& p, double line, const HeroLook& look) {
    const Tone& b = look.body;
    // Crest: five quills fanned over the back of the head, drawn behind it.
    part(p, quill(0, 70, 40, 23, 0.3), b, line);
    part(p, quill(-45, 25, 0, 27.5, 0.3), b, line);
    part(p, quill(-90, -20, -36, 28, 0.3), b, line);
    part(p, quill(-135, -60, -76, 25.5, 0.3), b, line);
    // Ear on the far side, then the head.
    QPainterPath ear = rotated(ellipse(-8.5, -12.5, 3.4, 4.6), {-8.5, -12.5}, -30);
    part(p, ear, b, line);
    p.setPen(Qt::NoPen);
    p.fillPath(rotated(ellipse(-8.5, -12, 1.6, 2.6), {-8.5, -12}, -30), look.skin.shade);
    part(p, ellipse(0, 0, 15, 14.5), b, line);
    // Muzzle, protruding to the left, and the nose at its tip.
    QPainterPath snout;
    snout.moveTo(-9, 0.5);
    snout.quadTo(-14, 0.8, -17.5, 3.2);
    snout.quadTo(-14, 7.5, -8, 9);
    snout.closeSubpath();
    QPainterPath muzzle = ellipse(-4.5, 6.8, 9.2, 6.2).united(snout);
    part(p, muzzle, look.skin, line * 0.8);
    part(p, ellipse(-16.5, 3.2, 2.6, 2.2),
         {look.pupil, look.pupil.lighter(180), look.pupil, look.pupil}, line * 0.6);
    glint(p, {-17.2, 2.5}, 0.8);
    // Mouth: a confident half smile.
    QPainterPath mouth;
    mouth.moveTo(-12.5, 8.8);
    mouth.quadTo(-8, 12.6, -2.5, 9.2);
    outline(p, mouth, look.body.line, line * 0.75);
    // Eyes: white ovals with pupils looking ahead and to the left.
    QPainterPath eyes = ellipse(-7.6, -3.2, 3.7, 5.2).united(ellipse(0.6, -3.6, 4.4, 5.7));
    p.setPen(Qt::NoPen);
    p.fillPath(eyes, Qt::white);
    p.fillPath(eyes.subtracted(eyes.translated(-0.6, -1.1)), QColor(0xC9D6EE));
    outline(p, eyes, look.body.line, line * 0.8);
    p.setBrush(look.pupil);
    p.drawEllipse(QPointF(-8.7, -2.4), 2.1, 2.9);
    p.drawEllipse(QPointF(-1.2, -2.6), 2.4, 3.2);
    glint(p, {-9.3, -3.6}, 0.85);
    glint(p, {-1.9, -3.9}, 0.95);
    // Brows, set low: he means business.
    QPainterPath brows;
    brows.moveTo(-11.5, -9.6);
    brows.lineTo(-6.5, -8.4);
    brows.moveTo(-2.5, -9.8);
    brows.lineTo(4.5, -10.9);
    outline(p, brows, look.body.line, line * 1.1);
}

void brisko(QPainter& p, double line, const HeroLook& look) {
    // Scarf tail, flying out behind.
    QPainterPath tail;
    tail.moveTo(34, 43);
    tail.cubicTo(41, 38, 47, 46, 56, 38);
    tail.lineTo(55, 43);
    tail.lineTo(58.5, 45.5);
    tail.cubicTo(49, 51, 42, 45, 35, 49);
    tail.closeSubpath();
    part(p, tail, look.scarf, line);
    // Legs and boots.
    part(p, limb({24, 62}, {23.5, 67}, {22.5, 72}, 6), look.body, line);
    part(p, limb({32, 62}, {33, 67}, {34.5, 72}, 6), look.body, line);
    QPainterPath boot_l = ellipse(19.5, 74.6, 7.6, 4.4).united(rrect(18.5, 69.5, 8, 6, 2.5));
    QPainterPath boot_r = ellipse(38.5, 74.6, 7.6, 4.4).united(rrect(31.5, 69.5, 8, 6, 2.5));
    part(p, boot_l, look.boots, line);
    part(p, boot_r, look.boots, line);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(19.2, 70.4, 6.6, 1.6), look.boots.light);
    p.fillRect(QRectF(32.2, 70.4, 6.6, 1.6), look.boots.light);
    // Quills down his back.
    part(p, quill(-40, 20, -8, 17, 0.3, 8).translated(35, 53), look.body, line);
    part(p, quill(0, 60, 30, 15, 0.3, 8).translated(35, 57), look.body, line);
    // Far arm, body, near arm.
    part(p, limb({36, 50}, {42, 53}, {44, 59}, 5.5), look.body, line);
    part(p, ellipse(44.6, 60.2, 3.6, 3.6), look.skin, line);
    part(p, ellipse(28, 56.5, 10.8, 9.2), look.body, line);
    part(p, ellipse(26.2, 58, 6, 6.2), look.skin, line * 0.7);
    part(p, limb({20, 50}, {14, 53}, {12.6, 59}, 5.5), look.body, line);
    part(p, ellipse(12, 60.2, 3.6, 3.6), look.skin, line);
    // Head.
    p.save();
    p.translate(27, 27);
    brisko_head(p, line, look);
    p.restore();
    // Scarf around the neck, knotted at the side.
    QPainterPath band;
    band.moveTo(14.5, 39.5);
    band.quadTo(28, 46.5, 40.5, 39.5);
    band.lineTo(41, 44.5);
    band.quadTo(28, 51.5, 14, 44.5);
    band.closeSubpath();
    part(p, band, look.scarf, line);
    part(p, spike({32.5, 46}, {36.5, 46}, {36.5, 53}, 0.8), look.scarf, line * 0.9);
    part(p, ellipse(34.5, 45.6, 3.1, 2.7), look.scarf, line * 0.9);
}

QPainterPath curled_belly() {
    QPainterPath belly;
    belly.moveTo(-9, 4);
    belly.cubicTo(-9, -7, 7, -9, 9, 0);
    belly.cubicTo(10, 7, 1, 10, -3, 6);
    belly.cubicTo(2, 6, 5, 2, 3, -2);
    belly.cubicTo(0, -5, -6, -2, -9, 4);
    belly.closeSubpath();
    return belly;
}

void brisko_ball(QPainter& p, double line) {
    const Tone& b = pal::hero;
    // Quills swept round the ball like the blades of a pinwheel: it spins.
    for (int i = 0; i < 7; ++i) {
        QPainterPath q = spike({-6.5, -14}, {6.5, -14}, {9, -22.5}, 1.6);
        part(p, rotated(q, {0, 0}, i * 360.0 / 7 + 8), b, line);
    }
    part(p, ellipse(0, 0, 15.5, 15.5), b, line);
    // The curled-up body: a light belly swirl and the scarf peeking out.
    part(p, curled_belly(), pal::skin, line * 0.7);
    QPainterPath scarf;
    scarf.moveTo(-14.5, 5);
    scarf.quadTo(-8, 13, 2, 15);
    scarf.lineTo(1, 10.5);
    scarf.quadTo(-7, 8.5, -12, 1);
    scarf.closeSubpath();
    part(p, scarf, pal::scarf, line * 0.8);
    glint(p, {-7.5, -8.5}, 2.2);
}

void pelko_head(QPainter& p, double line) {
    const Tone& f = pal::fox;
    // Tall ears with cream insides.
    part(p, spike({-13, -5}, {-3, -11}, {-13, -28}, 1.2), f, line);
    part(p, spike({3, -11}, {13, -5}, {13, -28}, -1.2), f, line);
    p.setPen(Qt::NoPen);
    p.fillPath(spike({-11, -8}, {-5.5, -11}, {-12, -23}, 0.5), pal::cream.shade);
    p.fillPath(spike({5.5, -11}, {11, -8}, {12, -23}, -0.5), pal::cream.shade);
    // Head with cheek tufts.
    QPainterPath head = ellipse(0, 0, 13.5, 12.5)
                            .united(spike({-12, 1}, {-9, 9}, {-18.5, 8}, 0.6))
                            .united(spike({9, 9}, {12, 1}, {18.5, 8}, -0.6));
    part(p, head, f, line);
    // Cream lower face and muzzle.
    QPainterPath face;
    face.moveTo(-15, 7.5);
    face.quadTo(-7, 2, 0, 5.5);
    face.quadTo(7, 2, 15, 7.5);
    face.quadTo(8, 13.5, 0, 13);
    face.quadTo(-8, 13.5, -15, 7.5);
    face.closeSubpath();
    flat(p, face, pal::cream, line * 0.7);
    part(p, ellipse(0, 4.6, 2.5, 1.9),
         {QColor(0x3A1F0A), QColor(0x8A5A3A), QColor(0x2A1406), QColor(0x2A1406)}, line * 0.5);
    glint(p, {-0.7, 4.0}, 0.6);
    QPainterPath mouth;
    mouth.moveTo(-3.2, 8.2);
    mouth.quadTo(-1.5, 10, 0, 8.2);
    mouth.quadTo(1.5, 10, 3.2, 8.2);
    outline(p, mouth, f.line, line * 0.65);
    // Round glasses: his own mark.
    const QColor rim(0x2E1A0A);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE4FAFF));
    p.drawEllipse(QPointF(-5.8, -2.5), 5.0, 5.0);
    p.drawEllipse(QPointF(5.8, -2.5), 5.0, 5.0);
    p.setBrush(QColor(0x2A1406));
    p.drawEllipse(QPointF(-5.0, -1.8), 2.0, 2.6);
    p.drawEllipse(QPointF(6.6, -1.8), 2.0, 2.6);
    glint(p, {-5.6, -2.8}, 0.75);
    glint(p, {6.0, -2.8}, 0.75);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 230), line * 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-8.8, -4.0), QPointF(-7.2, -5.6));
    p.drawLine(QPointF(2.8, -4.0), QPointF(4.4, -5.6));
    p.restore();
    QPainterPath rims = ellipse(-5.8, -2.5, 5.0, 5.0);
    rims.addEllipse(QPointF(5.8, -2.5), 5.0, 5.0);
    rims.moveTo(-0.8, -3.2);
    rims.quadTo(0, -4.2, 0.8, -3.2);
    outline(p, rims, rim, line * 1.05);
}

void pelko(QPainter& p, double line, bool tied) {
    const Tone& f = pal::fox;
    // One big bushy tail, curling up behind him, cream at the tip.
    QPainterPath tail;
    tail.moveTo(35, 66);
    tail.cubicTo(52, 69, 68, 55, 66, 37);
    tail.cubicTo(65, 27, 59, 19, 53, 20);
    tail.cubicTo(57, 29, 56, 46, 36, 56);
    tail.closeSubpath();
    part(p, tail, f, line);
    p.save();
    p.setClipPath(tail);
    p.setPen(Qt::NoPen);
    QPainterPath tip = ellipse(58, 22, 9.5, 8);
    p.fillPath(tip, pal::cream.base);
    p.fillPath(tip.subtracted(tip.translated(1.4, 1.6)), pal::cream.light);
    p.restore();
    outline(p, tail, f.line, line);
    // Legs and sneakers.
    part(p, limb({25, 65}, {24.5, 69}, {24, 72}, 5.5), f, line);
    part(p, limb({33, 65}, {33.5, 69}, {34.5, 72}, 5.5), f, line);
    part(p, ellipse(21.5, 72.4, 6.6, 3.6).united(rrect(20, 68.5, 7, 5, 2)), pal::sneaker, line);
    part(p, ellipse(37.5, 72.4, 6.6, 3.6).united(rrect(31.5, 68.5, 7, 5, 2)), pal::sneaker, line);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(15.5, 74.2, 12, 1.2), QColor(0xF4F6FA));
    p.fillRect(QRectF(31.5, 74.2, 12, 1.2), QColor(0xF4F6FA));
    if (!tied) part(p, limb({36, 52}, {41, 56}, {42.5, 61}, 5), f, line);
    if (!tied) part(p, ellipse(43, 62, 3.2, 3.2), pal::cream, line);
    part(p, ellipse(29, 57.5, 10.2, 9.5), f, line);
    part(p, ellipse(29, 58.5, 6, 6.8), pal::cream, line * 0.7);
    if (tied) {
        part(p, limb({20.5, 51}, {18.8, 56}, {20.5, 62}, 4.8), f, line);
        part(p, limb({37.5, 51}, {39.2, 56}, {37.5, 62}, 4.8), f, line);
    } else {
        part(p, limb({22, 52}, {17, 56}, {15.5, 61}, 5), f, line);
        part(p, ellipse(15, 62, 3.2, 3.2), pal::cream, line);
    }
    p.save();
    p.translate(29, 31);
    pelko_head(p, line);
    p.restore();
    if (tied) {
        // Two turns of rope round his middle, with a knot.
        const Tone rope{QColor(0xD9B26A), QColor(0xF6DDA0), QColor(0xA27A36), QColor(0x4A3210)};
        for (double y : {53.5, 59.5}) {
            QPainterPath r;
            r.moveTo(16, y - 1.5);
            r.quadTo(29, y + 3.5, 42, y - 1.5);
            r.lineTo(42, y + 1.5);
            r.quadTo(29, y + 6.5, 16, y + 1.5);
            r.closeSubpath();
            part(p, r, rope, line * 0.8, 0.8);
        }
        part(p, ellipse(36, 60.5, 2.2, 2.0), rope, line * 0.8, 0.6);
    }
}

void pelko_ball(QPainter& p, double line) {
    const Tone& f = pal::fox;
    part(p, ellipse(0, 0, 16.5, 16.5), f, line);
    // The tail wraps round the ball as a wide cream-tipped swirl.
    QPainterPath tail;
    tail.moveTo(-15, 5);
    tail.cubicTo(-14, -13, 9, -17, 14, -4);
    tail.cubicTo(17, 6, 7, 14, -1, 10);
    tail.cubicTo(7, 8, 9, -2, 4, -6);
    tail.cubicTo(-2, -11, -10, -5, -15, 5);
    tail.closeSubpath();
    part(p, tail, pal::cream, line * 0.8);
    // Ear tips poking out.
    part(p, spike({-12, -8}, {-6, -14}, {-17, -19}, 0.6), f, line);
    part(p, spike({6, -14}, {12, -8}, {17, -19}, -0.6), f, line);
    glint(p, {-7.5, -9}, 2.2);
}

void virzo(QPainter& p, double line) {
    const Tone trousers{QColor(0x3A3F4A), QColor(0x5C6372), QColor(0x23272F), QColor(0x0E1014)};
    const Tone boot{QColor(0x22252B), QColor(0x4A505A), QColor(0x121418), QColor(0x050607)};
    const Tone hair{QColor(0xE8ECF0), QColor(0xFFFFFF), QColor(0xA8B0BA), QColor(0x3A4048)};
    // Jet flame, streaming down and back from the pack.
    QPainterPath fl;
    fl.moveTo(47, 43);
    fl.cubicTo(50, 53, 58, 60, 66, 66);
    fl.cubicTo(60, 57, 59, 48, 55.5, 40);
    fl.closeSubpath();
    QLinearGradient g(QPointF(51, 42), QPointF(64, 64));
    g.setColorAt(0, QColor(0xFFB000));
    g.setColorAt(1, QColor(0xFF5A00));
    p.setPen(Qt::NoPen);
    p.fillPath(fl, g);
    QPainterPath core;
    core.moveTo(49, 43);
    core.cubicTo(51, 49, 55, 53, 59, 57);
    core.cubicTo(56, 51, 55.5, 46, 54, 41);
    core.closeSubpath();
    p.fillPath(core, QColor(0xFFF0A0));
    outline(p, fl, QColor(0x7A2A00), line * 0.8);
    // Legs trailing behind.
    part(p, limb({37, 42}, {43, 49}, {47, 55}, 6), trousers, line);
    part(p, rotated(ellipse(49, 57.5, 5.5, 3.6), {49, 57.5}, 40), boot, line);
    part(p, limb({33, 44}, {35, 51}, {37, 58}, 6), trousers, line);
    part(p, rotated(ellipse(38.5, 61, 5.5, 3.6), {38.5, 61}, 65), boot, line);
    // Jet pack on his back.
    QPainterPath pack = rotated(rrect(40, 18, 11, 24, 4), {45.5, 30}, 28);
    part(p, pack, pal::metal, line);
    part(p, rotated(poly({{43, 40}, {50, 40}, {52, 45}, {41, 45}}), {45.5, 30}, 28), pal::dark,
         line);
    p.fillPath(rotated(rrect(43, 22, 5, 3, 1), {45.5, 30}, 28), QColor(0xFF3B30));
    // The coat, leaning into the flight, with its tails flapping back.
    part(p, spike({33, 40}, {40, 36}, {55, 47}, 1.5), pal::coat, line);
    QPainterPath body = rotated(rrect(24, 19, 17, 27, 8), {32.5, 32.5}, -32);
    part(p, body, pal::coat, line);
    p.fillPath(
        rotated(QPainterPath(rrect(24, 35, 17, 3.2, 0)).intersected(rrect(24, 19, 17, 27, 8)),
                {32.5, 32.5}, -32),
        QColor(0x2A1A12));
    for (double y : {24.0, 29.0})
        part(p, rotated(ellipse(27.5, y, 1.3, 1.3), {32.5, 32.5}, -32), pal::gold, line * 0.5);
    // The arm cannon pointing forward.
    part(p, limb({30, 25}, {22, 27}, {17, 30}, 6), pal::coat, line);
    QPainterPath cannon = rotated(rrect(1.5, 26.5, 18, 8, 2.5), {10, 30.5}, 8);
    part(p, cannon, pal::metal, line);
    part(p, rotated(rrect(0, 25.5, 4, 10, 1.5), {10, 30.5}, 8), pal::dark, line * 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7FE3FF));
    p.drawEllipse(QPointF(2.4, 29.3), 1.6, 2.4);
    for (double x : {9.0, 13.0})
        p.fillPath(rotated(rrect(x, 26.5, 1.4, 8, 0.5), {10, 30.5}, 8), pal::metal.shade);
    // Head: a bald dome, a white crest of hair at the back, a long nose and a goatee.
    part(p, spike({27, 8}, {30, 16}, {36, 8}, 0.8), hair, line);
    part(p, spike({28, 4}, {30, 10}, {35, 2}, 0.8), hair, line);
    QPainterPath head =
        ellipse(24, 13, 8.5, 9.5).united(spike({17, 12}, {18, 18}, {12.5, 17}, 0.5));
    part(p, head, pal::skin, line);
    part(p, spike({19, 20}, {25, 21.5}, {20, 28}, 0.6), hair, line * 0.9);
    // Goggles on a strap.
    p.fillPath(rrect(15.5, 8.5, 17, 3.2, 1.2), QColor(0x2A2F36));
    part(p, ellipse(19.5, 10.4, 3.4, 3.4), pal::goggles, line * 0.9, 0.8);
    part(p, ellipse(26.2, 10.4, 3.4, 3.4), pal::goggles, line * 0.9, 0.8);
    glint(p, {18.5, 9.3}, 0.9);
    glint(p, {25.2, 9.3}, 0.9);
    QPainterPath grin;
    grin.moveTo(16.5, 18.6);
    grin.quadTo(20.5, 21.5, 24, 18.4);
    outline(p, grin, pal::skin.line, line * 0.8);
}

// --- the pictures ---------------------------------------------------------------------

namespace {

QImage plain_background(int w, int h, QColor top, QColor bottom) {
    QImage bg(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&bg);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(bg.rect(), g);
    return bg;
}

void floor_shadow(QPainter& p, QPointF c, double rx, double ry) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(c, rx, ry);
}

}  // namespace

QImage draw_hero_picture(QSize size) {
    // Shown at about 0.86 : 1, wider than the 58 x 77 pixels: draw in those proportions.
    Layer l(size.width(), size.height(), 66, 77);
    QPainter& p = l.p();
    floor_shadow(p, {30, 74.5}, 20, 2.6);
    p.translate(3, -1.5);
    brisko(p, 1.5);
    return over(plain_background(size.width(), size.height(), QColor(0xE2E4E8), QColor(0xC4C7CD)),
                l.finish());
}

QImage draw_friend_picture(QSize size) {
    Layer l(size.width(), size.height(), 64, 75);
    QPainter& p = l.p();
    floor_shadow(p, {30, 73}, 20, 2.4);
    p.translate(-1, -1.5);
    pelko(p, 1.5);
    return over(plain_background(size.width(), size.height(), QColor(0xE2E4E8), QColor(0xC4C7CD)),
                l.finish());
}

QImage draw_villain_picture(QSize size) {
    Layer l(size.width(), size.height(), 68, 67);
    virzo(l.p(), 1.5);
    return over(plain_background(size.width(), size.height(), QColor(0x9A9CA2), QColor(0x7C7E84)),
                l.finish());
}

}  // namespace art
