// The application icon for the desktop menu, the task bar and the window.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace art {

// The sizes a desktop asks for, in pixels.
const std::vector<int>& app_icon_sizes();
// Brisko rolled into his blue spinning ball, drawn for the given size.
QImage draw_app_icon(int size);
// Writes app_icon_<size>.png for every size into dir; 0 on success.
int write_app_icons(const QString& dir);

}  // namespace art
