// The scenes' pictures: the wall and the captive, the sky, the airship and the flight.
#pragma once

#include <QImage>

namespace art {

QImage draw_captive();
QImage draw_wall();
QImage draw_sky();
QImage draw_airship(int stage);  // 0 intact, 1 to 3 burning, 4 wrecked
QImage draw_flight();

}  // namespace art
