// Lettered pictures: the title banner and the two logos of the information window.
#pragma once

#include <QImage>

namespace art {

// Each drawn at any size in pixels.
QImage draw_title(QSize size);
QImage draw_logo_word(QSize size);
QImage draw_logo_studio(QSize size);

}  // namespace art
