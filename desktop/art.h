// The art built into the program: every picture and pointer image by its asset
// name, in each of the densities it is drawn at, and the scaled copies the screen
// needs of them.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <string_view>

#include "assets/manifest.h"
#include "desktop/platform.h"

namespace desktop {

// The file a picture is painted from when it covers `device` pixels on a screen of
// the given device pixel ratio: among the files drawn for that ratio or a lower one
// (so 1.25 and 1.5 use the ratio-2 art), the smallest at least as large in both
// directions, else the largest. Null for an unknown asset.
const assets::File* pick_file(std::string_view name, QSize device, qreal device_pixel_ratio);

// A built-in file, decoded once and shared; a plain stand-in of the right size if it
// is not built in.
QImage file_image(const assets::File& file);

// The asset's stored image at its reference size.
QImage asset_image(std::string_view name);

// The picture for a rectangle of the given logical size at the given device pixel
// ratio: the picked file, scaled smoothly to the rectangle's device pixels where its
// size differs.
QPixmap scaled_picture(std::string_view name, int width, int height, qreal device_pixel_ratio);

// The side of every pointer image, in logical pixels.
inline constexpr int kPointerSide = 32;

// A pointer image as a 32 x 32 (logical) pointer whose active point is its centre,
// from the image drawn for its size in device pixels (32, 48, 64 or 96), built the
// way the given platform (by default the running one) shows it at that size.
QCursor pointer_cursor(std::string_view name, qreal device_pixel_ratio);
QCursor pointer_cursor(std::string_view name, qreal device_pixel_ratio, Platform platform);

// A window icon.
QPixmap icon_pixmap(std::string_view name);

// The application's icon (the main board's spinning ball), drawn for every size a
// desktop shows, as installed into the icon theme.
QIcon application_icon();
// The icon of a window whose model names the given icon: the application's icon for
// the main board's ball, the 48-pixel icon otherwise.
QIcon window_icon(std::string_view name);

}  // namespace desktop
