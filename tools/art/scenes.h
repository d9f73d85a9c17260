// The scenes' pictures: the wall and the captive, the sky, the airship and the flight.
#pragma once

#include <QImage>

namespace art {

// Each drawn at any size in pixels.
QImage draw_captive(QSize size);
QImage draw_wall(QSize size);
QImage draw_sky(QSize size);
QImage draw_airship(int stage, QSize size);  // 0 intact, 1 to 3 burning, 4 wrecked
QImage draw_flight(QSize size);

}  // namespace art
