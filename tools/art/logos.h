// Lettered pictures: the title banner and the two logos of the information window.
#pragma once

#include <QImage>

namespace art {

QImage draw_title();
QImage draw_logo_word();
QImage draw_logo_studio();

}  // namespace art
