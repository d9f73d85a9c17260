// The game's own colours, named once for every window that uses them and for the
// friend's look that recolours the main board.
#pragma once

#include "board/colour.h"

namespace board::palette {

inline constexpr Colour kDarkBlue = 0x00C00000;
inline constexpr Colour kBlue = 0x00FF0000;
inline constexpr Colour kLightBlue = 0x00FF8080;
inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kPaleCyan = 0x00FFFF80;
inline constexpr Colour kGrey = 0x00808080;
inline constexpr Colour kDarkGrey = 0x00404040;
inline constexpr Colour kTeal = 0x00C0C000;
inline constexpr Colour kCyan = 0x00FFFF00;
inline constexpr Colour kDarkOrange = 0x000040C0;
inline constexpr Colour kOrange = 0x000080FF;
inline constexpr Colour kLightOrange = 0x0080C0FF;

}  // namespace board::palette
