// The art built into the program: every picture and pointer image by its asset
// name, and the scaled copies the screen needs of them.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <string_view>
#include <vector>

namespace desktop {

struct AssetInfo {
    std::string_view name;
    std::string_view extension;  // "bmp", "jpg" or "ico"
    int width;
    int height;
};

// Every asset the windows use.
const std::vector<AssetInfo>& asset_table();
const AssetInfo* find_asset(std::string_view name);
QString resource_path(const AssetInfo& asset);

// The asset's image; a plain stand-in of the right size if it is not built in.
QImage asset_image(std::string_view name);

// The picture scaled smoothly to a rectangle of the given logical size, drawn
// crisp at the given device pixel ratio.
QPixmap scaled_picture(std::string_view name, int width, int height, qreal device_pixel_ratio);

// A pointer image as a 32 x 32 (logical) pointer whose active point is its centre.
QCursor pointer_cursor(std::string_view name, qreal device_pixel_ratio);

// A window icon.
QPixmap icon_pixmap(std::string_view name);

// The application's icon (the main board's spinning ball), drawn for every size a
// desktop shows, as installed into the icon theme.
QIcon application_icon();
// The icon of a window whose model names the given icon: the application's icon for
// the main board's ball, the 48-pixel icon otherwise.
QIcon window_icon(std::string_view name);

}  // namespace desktop
