// The grid cell: its plate, and the robot targets and the ring drawn over it.
#pragma once

#include <QImage>

namespace art {

// The plate shared by the empty cell, the robots and the ring.
QImage cell_background(int w, int h);

QImage draw_cell_empty();
QImage draw_robot_knight();
QImage draw_base_saucer();
QImage draw_krot_simple();
QImage draw_krot_costume();
QImage draw_ring();

}  // namespace art
