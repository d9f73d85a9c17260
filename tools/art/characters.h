// The game's characters as drawing functions, reused by the pictures and the pointers,
// and the three character pictures.
// Each draws in its own local box; callers place it with the painter's transform and
// pass the outline width in those local units.
#pragma once

#include <QImage>

#include "tools/art/draw.h"

namespace art {

// Colours of the hero; the glowing pointer swaps them for golden ones.
struct HeroLook {
    Tone body = pal::hero;
    Tone skin = pal::skin;
    Tone scarf = pal::scarf;
    Tone boots = pal::boots;
    QColor pupil = QColor(0x10245A);
};

// Brisko's head, centred on (0, 0), radius 15; quills reach up to y = -33.
void brisko_head(QPainter& p, double line, const HeroLook& look = {});
// Brisko standing in a 60 x 80 box, feet on y = 79.
void brisko(QPainter& p, double line, const HeroLook& look = {});
// Brisko rolled into a spinning ball, centred on (0, 0), radius about 20.
void brisko_ball(QPainter& p, double line);
// The light swirl of a hero's belly, curled into a ball of radius 15.5 at the origin.
QPainterPath curled_belly();

// Pelko's head, centred on (0, 0), radius 14; ears reach up to y = -30.
void pelko_head(QPainter& p, double line);
// Pelko standing in a 70 x 76 box, feet on y = 75; tied: arms bound to his sides.
void pelko(QPainter& p, double line, bool tied = false);
// Pelko rolled into a ball, centred on (0, 0), radius about 20.
void pelko_ball(QPainter& p, double line);

// Doctor Virzo flying to the left in a 68 x 67 box.
void virzo(QPainter& p, double line);

// A thick limb along a quadratic curve, as a closed outline with round ends.
QPainterPath limb(QPointF a, QPointF ctrl, QPointF b, double width);

// The character pictures, drawn at any size in pixels.
QImage draw_hero_picture(QSize size);
QImage draw_friend_picture(QSize size);
QImage draw_villain_picture(QSize size);

}  // namespace art
