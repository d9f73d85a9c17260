// The information window, Form2, as data.
#pragma once

#include <string_view>

#include "board/layout.h"

namespace info {

inline constexpr std::string_view kInfoWindow = "Form2";

board::WindowLayout information_window();

// Its elements by what they do. The table's rows take their names from here
// (information_window.cpp), so that each name is written once.
inline constexpr std::string_view kStoryButton = "Command1";
inline constexpr std::string_view kGoalButton = "Command2";
inline constexpr std::string_view kAuthorButton = "Command3";
inline constexpr std::string_view kEngineButton = "Command4";
inline constexpr std::string_view kLinksButton = "Command5";
inline constexpr std::string_view kBlankButton = "Command6";
inline constexpr std::string_view kReturnButton = "Command7";
inline constexpr std::string_view kTextFrame = "Frame1";
inline constexpr std::string_view kTextField = "Label1";
inline constexpr std::string_view kAuthorLine = "Label2";
inline constexpr std::string_view kWordLogo = "Image2";
inline constexpr std::string_view kStudioLogo = "Image1";

}  // namespace info
