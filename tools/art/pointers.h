// The pointer images.
#pragma once

#include <QImage>
#include <QString>

namespace art {

// The pointer image of the given asset name, side x side pixels (48 for the stored
// icon), hard-edged alpha, designed on 48 x 48 with the active point at (24, 24).
QImage draw_pointer(const QString& name, int side);

}  // namespace art
