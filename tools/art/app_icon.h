// The application icon for the desktop menu, the task bar and the window.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace art {

// The sizes a desktop asks for, in pixels.
const std::vector<int>& appIconSizes();
// Brisko rolled into his blue spinning ball, drawn for the given size.
QImage drawAppIcon(int size);
// Writes app_icon_<size>.png for every size into dir; 0 on success.
int writeAppIcons(const QString& dir);

}  // namespace art
