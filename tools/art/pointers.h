// The pointer images.
#pragma once

#include <QImage>
#include <QString>

namespace art {

// The pointer image of the given asset name: 48 x 48, hard-edged alpha.
QImage draw_pointer(const QString& name);

}  // namespace art
