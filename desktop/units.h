// Twips and pixels. The game measures its windows and elements in twips, fifteen
// to a logical pixel; the toolkit places and paints in logical pixels. Every
// conversion between the two is here.
#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <cmath>

#include "board/window.h"

namespace desktop {

inline constexpr qreal kTwipsPerPixel = 15.0;

// A length or position in twips, in logical pixels.
constexpr qreal to_pixels(int twips) {
    return twips / kTwipsPerPixel;
}

// The same, rounded to the nearest whole pixel, as widgets are placed.
inline int to_whole_pixels(int twips) {
    return static_cast<int>(std::lround(to_pixels(twips)));
}

// A position in logical pixels (the mouse's, a desktop setting's) in twips, rounded
// down to the twip it falls in.
inline int to_twips(qreal pixels) {
    return static_cast<int>(std::floor(pixels * kTwipsPerPixel));
}

// An element's rectangle relative to its container, in logical pixels, as painted.
inline QRectF pixel_rect(const board::Element& e) {
    return {to_pixels(e.left()), to_pixels(e.top()), to_pixels(e.width()), to_pixels(e.height())};
}

// The same in whole pixels, where the element's widget goes.
inline QRect widget_rect(const board::Element& e) {
    return {to_whole_pixels(e.left()), to_whole_pixels(e.top()), to_whole_pixels(e.width()),
            to_whole_pixels(e.height())};
}

// The size of a window's client area in whole pixels.
inline QSize client_size(const board::Window& window) {
    return {to_whole_pixels(window.client_width()), to_whole_pixels(window.client_height())};
}

}  // namespace desktop
