// Paints what a window or a frame holds: labels, pictures and shapes, the last
// in the stacking order first, so that the topmost ends up on top.
#pragma once

#include <QPainter>

#include "board/window.h"

namespace desktop {

// The font every caption is drawn in.
QFont game_font();

void paint_contents(QPainter& painter, const board::Window& window, const board::Element* container,
                    qreal device_pixel_ratio);

// A frame's own background, border and caption, in its own coordinates.
void paint_frame(QPainter& painter, const board::Element& frame);

}  // namespace desktop
