// Colours as 24-bit values in the blue-green-red order of the layouts (&H00BBGGRR&).
// Values with the top bit set name a colour of the desktop's scheme instead.
#pragma once

#include <cstdint>

namespace board {

using Colour = std::uint32_t;

constexpr std::uint8_t red_of(Colour c) {
    return c & 0xFF;
}
constexpr std::uint8_t green_of(Colour c) {
    return (c >> 8) & 0xFF;
}
constexpr std::uint8_t blue_of(Colour c) {
    return (c >> 16) & 0xFF;
}

// Colours of the desktop's scheme; the front end decides what they look like.
constexpr Colour kSystemColour = 0x80000000;
constexpr Colour kButtonFace = kSystemColour | 0x0F;
constexpr Colour kButtonText = kSystemColour | 0x12;
constexpr Colour kWindowBackground = kSystemColour | 0x05;
constexpr Colour kWindowText = kSystemColour | 0x08;
constexpr bool is_system_colour(Colour c) {
    return (c & kSystemColour) != 0;
}

}  // namespace board
