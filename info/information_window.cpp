// Every element of the information window with its value when the window is
// created, topmost first. The window is created afresh each time it opens, so
// this is also what every visit starts from.
#include "info/information_window.h"

#include "board/layout/palette.h"
#include "info/information_window_reading.h"

namespace info {

namespace {

using board::palette::kBlack;
using board::palette::kDarkBlue;
using board::palette::kLightBlue;

constexpr board::PointerKind kCustom = board::PointerKind::Custom;

using enum board::Kind;

}  // namespace

// The rows are kept one element to a line or two, like the table they come from.
// clang-format off
board::WindowLayout information_window() {
    return board::WindowLayout{
        .name = kInfoWindow,
        .caption = "Information",
        .width = 6495,
        .height = 3480,
        .back = kDarkBlue,
        .icon = "ico_mole_robot",
        .pointer = "ico_arrow_yellow",
        .rows = {
            {.name = kReturnButton, .kind = Button, .left = 120, .top = 2760, .width = 6255, .height = 615,
             .caption = "Отлично! &Обратно, пожалуйста!", .pointer = kCustom, .icon = "ico_hero_glow",
             .tab_index = 6},
            // A blank, greyed button that fills the grid of six.
            {.name = kBlankButton, .kind = Button, .left = 4680, .top = 1200, .width = 1815, .height = 495,
             .enabled = false, .tab_index = 5},
            {.name = kLinksButton, .kind = Button, .left = 2880, .top = 1200, .width = 1815, .height = 495,
             .caption = "Сс&ылки", .pointer = kCustom, .icon = "ico_hero_head", .tab_index = 4},
            {.name = kEngineButton, .kind = Button, .left = 4680, .top = 720, .width = 1815, .height = 495,
             .caption = "&База", .pointer = kCustom, .icon = "ico_ball_blue", .tab_index = 3},
            {.name = kAuthorButton, .kind = Button, .left = 2880, .top = 720, .width = 1815, .height = 495,
             .caption = "&Автор и составитель", .pointer = kCustom, .icon = "ico_hero_head",
             .tab_index = 2},
            {.name = kGoalButton, .kind = Button, .left = 4680, .top = 240, .width = 1815, .height = 495,
             .caption = "&Цель", .pointer = kCustom, .icon = "ico_hero_sparkle", .tab_index = 1},
            {.name = kStoryButton, .kind = Button, .left = 2880, .top = 240, .width = 1815, .height = 495,
             .caption = "С&южет", .pointer = kCustom, .icon = "ico_hero", .tab_index = 0},

            // The text field, inside its frame.
            {.name = kTextFrame, .kind = Frame, .left = 120, .top = 120, .width = 2655, .height = 2535,
             .caption = "Инфо", .back = kDarkBlue, .fore = kLightBlue},
            {.name = kTextField, .kind = Label, .container = kTextFrame, .left = 120, .top = 240,
             .width = 2415, .height = 2175,
             .caption = "Нажмите любую кнопку, чтобы получить больше информации!",
             .back = kLightBlue, .fore = kBlack, .pointer = kCustom, .icon = "ico_info"},

            // Author line and the two logos.
            {.name = kAuthorLine, .kind = Label, .left = 2880, .top = 2400, .width = 1815, .height = 255,
             .caption = "    Тровилов К., 2004.", .back = kLightBlue, .fore = kBlack},
            {.name = kWordLogo, .kind = Picture, .left = 2880, .top = 1800, .width = 1815, .height = 615,
             .picture = "pic_logo_word"},
            {.name = kStudioLogo, .kind = Picture, .left = 4680, .top = 1800, .width = 1695, .height = 855,
             .picture = "pic_logo_studio"},
        },
        .reading = information_window_reading,
    };
}
// clang-format on

}  // namespace info
