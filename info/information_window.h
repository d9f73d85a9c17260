// The information window, Form2, as data.
#pragma once

#include <string_view>

#include "board/layout.h"

namespace info {

inline constexpr std::string_view kInfoWindow = "Form2";

board::WindowLayout information_window();

}  // namespace info
