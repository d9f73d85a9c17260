// Small things that tests of every kind share.
#pragma once

#include <cstdint>
#include <string_view>

#include "board/picture.h"
#include "info/information_window.h"

namespace testing_support {

// The board's pace from the layout, in milliseconds.
inline constexpr std::int64_t kDefaultTick = 750;
// The information window, as the tests open and close it.
inline constexpr std::string_view kInfoWindow = info::kInfoWindow;

// The very same picture object, not one that merely looks alike.
inline bool same(const board::PictureRef& a, const board::PictureRef& b) {
    return board::same_picture(a, b);
}

}  // namespace testing_support
