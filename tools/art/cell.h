// The grid cell: its plate, and the robot targets and the ring drawn over it.
#pragma once

#include <QImage>

namespace art {

// The plate shared by the empty cell, the robots and the ring. The draw functions
// draw at any size; the figures keep their 50 x 50 design square.
QImage cell_background(int w, int h);

QImage draw_cell_empty(QSize size);
QImage draw_robot_knight(QSize size);
QImage draw_base_saucer(QSize size);
QImage draw_krot_simple(QSize size);
QImage draw_krot_costume(QSize size);
QImage draw_ring(QSize size);

}  // namespace art
