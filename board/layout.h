// A window described as data: one row per element, in stacking order (topmost
// first), with every property at its value when the window is created.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "board/element.h"

namespace board {

struct ElementRow {
    std::string_view name;
    Kind kind;
    std::string_view container = {};  // a frame's name; empty for the window
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    bool enabled = true;
    std::string_view caption = {};  // labels, buttons and frames
    std::string_view text = {};     // text boxes
    std::string_view tag = {};
    std::string_view picture = {};  // asset name
    std::optional<Colour> back = {};
    std::optional<Colour> fore = {};
    Alignment alignment = Alignment::Left;
    PointerKind pointer = PointerKind::Default;
    std::string_view icon = {};  // asset name of the MouseIcon
    int tab_index = -1;
    int interval = 0;  // timers, milliseconds
};

class Window;
struct ReadingPlan;
// What a screen reader is to read of the window's painted elements (board/reading.h).
using ReadingOf = ReadingPlan (*)(Window&);

struct WindowLayout {
    std::string_view name;
    std::string_view caption;
    int width = 0;  // client area, twips
    int height = 0;
    Colour back = kButtonFace;
    std::string_view icon = {};     // window icon asset
    std::string_view pointer = {};  // asset of the custom pointer over the client area
    std::vector<ElementRow> rows;
    ReadingOf reading = nullptr;
};

}  // namespace board
