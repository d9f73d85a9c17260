// Every element of the main board with its value at start, topmost first. Hidden
// labels and pictures further down are registers and holders for the game's
// handlers; their places and colours play no part.
#include "board/layout/main_board.h"

#include "board/layout/main_board_reading.h"
#include "board/layout/palette.h"

namespace board::layout {

namespace {

using palette::kBlack;
using palette::kBlue;
using palette::kCyan;
using palette::kDarkBlue;
using palette::kDarkGrey;
using palette::kDarkOrange;
using palette::kGrey;
using palette::kLightBlue;
using palette::kLightOrange;
using palette::kPaleCyan;
using palette::kTeal;

constexpr int kCell = 855;
constexpr PointerKind kCustom = PointerKind::Custom;

using enum Kind;

}  // namespace

// The rows are kept one element to a line or two, like the table they come from.
// clang-format off
WindowLayout main_board() {
    return WindowLayout{
        .name = kMainBoard,
        .caption = "Drovanta.",
        .width = 5985,
        .height = 8565,
        .back = kDarkBlue,
        .icon = "ico_ball_blue_a",
        .pointer = "ico_arrow_blue",
        .rows = {
            // The code entry.
            {.name = kCodeBox, .kind = TextBox, .left = 120, .top = 5880, .width = 1215, .height = 285,
             .visible = false, .text = "[чит код]", .back = kWindowBackground, .fore = kWindowText,
             .tab_index = 8},
            {.name = kCodeButton, .kind = Button, .left = 6000, .top = 5040, .width = 255, .height = 375,
             .caption = "&Y", .tab_index = 7},

            // The final scene's panel over the top strip, with what it holds.
            {.name = kFinalPanel, .kind = Frame, .width = 6015, .height = 2175, .visible = false,
             .caption = " База уничтожена! ", .back = kButtonFace, .fore = kButtonText},
            {.name = kRescueMessage, .kind = Label, .container = kFinalPanel, .left = 2280, .top = 1080,
             .width = 1575, .height = 255, .visible = false, .caption = " Есть! Мы спасены!",
             .back = kTeal, .fore = kCyan},
            {.name = kHeroesFlight, .kind = Picture, .container = kFinalPanel, .left = 4080, .top = 720,
             .width = 1815, .height = 1335, .visible = false, .picture = "pic_flight"},
            {.name = kDriftingDot, .kind = Shape, .container = kFinalPanel, .left = 1920, .top = 840,
             .width = 45, .height = 45, .back = kBlack, .fore = kBlack},
            {.name = kAirshipFrameRegister, .kind = Label, .container = kFinalPanel, .visible = false,
             .caption = "Label20", .tag = "0"},
            {.name = kAirshipWreck, .kind = Picture, .container = kFinalPanel, .visible = false,
             .picture = "pic_airship_burn4"},
            {.name = kAirshipBurning3, .kind = Picture, .container = kFinalPanel, .visible = false,
             .picture = "pic_airship_burn3"},
            {.name = kAirshipBurning2, .kind = Picture, .container = kFinalPanel, .visible = false,
             .picture = "pic_airship_burn2"},
            {.name = kAirshipBurning1, .kind = Picture, .container = kFinalPanel, .visible = false,
             .picture = "pic_airship_burn1"},
            {.name = kAirship, .kind = Picture, .container = kFinalPanel, .left = 360, .top = 600,
             .width = 1455, .height = 615, .picture = "pic_airship"},
            {.name = "Image16", .kind = Picture, .container = kFinalPanel, .left = 120, .top = 240,
             .width = 5775, .height = 1815, .picture = "pic_sky"},

            // The control block.
            {.name = kResetStatisticsButton, .kind = Button, .left = 5280, .top = 7920, .width = 615, .height = 615,
             .caption = "X", .pointer = kCustom, .icon = "ico_arrow_lightblue", .tab_index = 6},
            {.name = kIntervalBox, .kind = TextBox, .left = 1800, .top = 7440, .width = 3495, .height = 435,
             .text = "750", .back = kLightBlue, .fore = kBlack, .pointer = PointerKind::Text, .tab_index = 5},
            {.name = kSetIntervalButton, .kind = Button, .left = 120, .top = 7440, .width = 1575, .height = 495,
             .caption = "&Установить интервал", .pointer = kCustom, .icon = "ico_arrow_lightblue",
             .tab_index = 4},
            {.name = kInfoButton, .kind = Button, .left = 1800, .top = 6840, .width = 1455, .height = 495,
             .caption = "&Информация", .pointer = kCustom, .icon = "ico_arrow_lightblue", .tab_index = 3},
            {.name = kContinueButton, .kind = Button, .left = 120, .top = 6840, .width = 1575,
             .height = 495, .enabled = false, .caption = "&Продолжить", .pointer = kCustom,
             .icon = "ico_arrow_lightblue", .tab_index = 2},
            {.name = kStopButton, .kind = Button, .left = 1800, .top = 6240, .width = 1455, .height = 495,
             .enabled = false, .caption = "О&становить", .pointer = kCustom, .icon = "ico_arrow_lightblue",
             .tab_index = 1},
            {.name = kStartButton, .kind = Button, .left = 120, .top = 6240, .width = 1575, .height = 495,
             .caption = "&Начать раунд", .pointer = kCustom, .icon = "ico_arrow_lightblue", .tab_index = 0},

            {.name = kCharacterHeading, .kind = Label, .left = 3720, .top = 2400, .width = 2055, .height = 255,
             .caption = "Персонаж", .back = kTeal, .fore = kCyan, .alignment = Alignment::Centre},
            {.name = kSecretHint, .kind = Label, .left = 120, .top = 8280, .width = 5175, .height = 255,
             .visible = false,
             .caption = "      Играть за Пелко: нажмите Alt+Y,чит код: \"quibbozar\", Alt+Y.",
             .back = kDarkOrange, .fore = kLightOrange},

            // Holders of the friend's look.
            {.name = kFriendsRingPressPointer, .kind = Label, .visible = false, .caption = "Pelko take ring",
             .pointer = kCustom, .icon = "ico_friend_sparkle"},
            {.name = kFriendsStrikePointer, .kind = Label, .visible = false, .caption = "pelkoattack",
             .pointer = kCustom, .icon = "ico_ball_orange"},
            {.name = kFriendsPicture, .kind = Picture, .visible = false, .picture = "pic_friend",
             .pointer = kCustom, .icon = "ico_friend"},

            // The top strip and its opening scene.
            {.name = kRightBar, .kind = Label, .left = 5040, .top = 1080, .width = 255, .height = 975,
             .visible = false, .back = kPaleCyan},
            {.name = kLeftBar, .kind = Label, .left = 3240, .top = 1080, .width = 255, .height = 975,
             .visible = false, .tag = "0", .back = kPaleCyan},
            {.name = kBanner, .kind = Label, .left = 1680, .top = 240, .width = 2655, .height = 255,
             .visible = false, .caption = "       Уничтожьте всех роботов!", .back = kTeal, .fore = kCyan},
            {.name = kVillain, .kind = Picture, .left = 2040, .top = 600, .width = 135, .height = 135,
             .picture = "pic_villain"},
            {.name = "Label19", .kind = Label, .top = 2160, .width = 6015, .height = 135, .back = kDarkGrey},
            {.name = "Label18", .kind = Label, .left = 5760, .top = 1320, .width = 255, .height = 375,
             .back = kGrey},
            {.name = "Label17", .kind = Label, .left = 5640, .width = 375, .height = 375, .back = kGrey},
            {.name = kLowerStreak, .kind = Label, .left = 5400, .top = 1440, .width = 615, .height = 135,
             .back = kPaleCyan},
            {.name = kUpperStreak, .kind = Label, .left = 5040, .top = 120, .width = 855, .height = 135,
             .back = kPaleCyan},
            {.name = kHeroBar, .kind = Label, .left = 1440, .top = 240, .width = 615, .height = 135,
             .back = kGrey},
            {.name = kHero, .kind = Picture, .left = 1200, .top = -720, .width = 855, .height = 975,
             .picture = "pic_hero"},
            {.name = "Image13", .kind = Picture, .left = 3240, .top = 960, .width = 2055, .height = 1215,
             .picture = "pic_captive"},

            // Registers and pointer holders of the ring and the board tick.
            {.name = kRingPressPointer, .kind = Label, .visible = false, .pointer = kCustom,
             .icon = "ico_hero_sparkle"},
            {.name = kRingKindRegister, .kind = Label, .visible = false, .caption = "Label9", .pointer = kCustom,
             .icon = "ico_hero"},
            {.name = kRingRowRegister, .kind = Label, .visible = false, .caption = "Label9"},
            {.name = kRingColumnRegister, .kind = Label, .visible = false, .caption = "Label9"},
            {.name = kCostumeRegister, .kind = Label, .visible = false, .caption = "Label9"},
            {.name = kRingKinds[1], .kind = Picture, .visible = false, .picture = "pic_ring"},
            {.name = kRingKinds[0], .kind = Picture, .visible = false, .picture = "pic_ring"},
            {.name = kRing, .kind = Picture, .left = 2640, .top = 1680, .width = kCell, .height = kCell,
             .visible = false, .tag = "0", .picture = "pic_ring", .pointer = kCustom, .icon = "ico_hero"},
            {.name = kPlainRobot, .kind = Picture, .visible = false, .picture = "pic_krot_simple"},
            {.name = kCostumedRobot, .kind = Picture, .visible = false, .picture = "pic_krot_costume"},
            {.name = kRowRegisters[3], .kind = Label, .visible = false, .caption = "Label9"},

            // The target grid: each target over its empty cell.
            {.name = kTargets[11], .kind = Picture, .left = 2760, .top = 4200, .width = kCell,
             .height = kCell, .visible = false, .picture = "pic_base_saucer", .pointer = kCustom,
             .icon = "ico_ball_blue"},
            {.name = kTargets[10], .kind = Picture, .left = 1920, .top = 4200, .width = kCell,
             .height = kCell, .visible = false, .picture = "pic_robot_knight", .pointer = kCustom,
             .icon = "ico_ball_blue"},
            {.name = kTargets[9], .kind = Picture, .left = 1080, .top = 4200, .width = kCell,
             .height = kCell, .visible = false, .picture = "pic_base_saucer", .pointer = kCustom,
             .icon = "ico_ball_blue"},
            {.name = kCells[11], .kind = Picture, .left = 2760, .top = 4200, .width = kCell, .height = kCell,
             .picture = "pic_cell_empty", .pointer = kCustom, .icon = "ico_hero"},
            {.name = kCells[10], .kind = Picture, .left = 1920, .top = 4200, .width = kCell, .height = kCell,
             .picture = "pic_cell_empty", .pointer = kCustom, .icon = "ico_hero"},
            {.name = kCells[9], .kind = Picture, .left = 1080, .top = 4200, .width = kCell, .height = kCell,
             .picture = "pic_cell_empty", .pointer = kCustom, .icon = "ico_hero"},
            {.name = kTargetReleasePointer, .kind = Label, .visible = false, .pointer = kCustom,
             .icon = "ico_ball_blue"},
            {.name = kTargetPressPointer, .kind = Label, .visible = false, .pointer = kCustom,
             .icon = "ico_explosion"},

            // The statistics line.
            {.name = kBestScore, .kind = Label, .left = 4320, .top = 8040, .width = 1095, .height = 255,
             .caption = "0", .back = kLightBlue, .fore = kBlack},
            {.name = kBestScoreHeading, .kind = Label, .left = 2640, .top = 8040, .width = 1695, .height = 255,
             .caption = "        Лучший счёт", .back = kBlue},
            {.name = kRoundsPlayed, .kind = Label, .left = 1800, .top = 8040, .width = 735, .height = 255,
             .caption = "0", .back = kLightBlue, .fore = kBlack},
            {.name = kRoundsHeading, .kind = Label, .left = 120, .top = 8040, .width = 1695, .height = 255,
             .caption = "    Сыграно раундов", .back = kBlue},

            {.name = kRowRegisters[2], .kind = Label, .visible = false},
            {.name = kRowRegisters[1], .kind = Label, .visible = false},
            {.name = kRowRegisters[0], .kind = Label, .visible = false},

            // The version column: its caption wraps to one letter a line.
            {.name = kVersionColumn, .kind = Label, .left = 5400, .top = 6240, .width = 375, .height = 1695,
             .caption = "            В       E       Р       С       И      Я    1.3", .back = kBlue},
            {.name = kTitle, .kind = Picture, .left = 120, .top = 5160, .width = 5655, .height = 975,
             .picture = "pic_title"},

            {.name = kTargets[2], .kind = Picture, .left = 1920, .top = 2520, .width = kCell,
             .height = kCell, .visible = false, .picture = "pic_robot_knight", .pointer = kCustom,
             .icon = "ico_ball_blue"},
            {.name = kCells[2], .kind = Picture, .left = 1920, .top = 2520, .width = kCell, .height = kCell,
             .picture = "pic_cell_empty", .pointer = kCustom, .icon = "ico_hero"},
            {.name = kTargets[8], .kind = Picture, .left = 240, .top = 4200, .width = kCell,
             .height = kCell, .visible = false, .picture = "pic_robot_knight", .pointer = kCustom,
             .icon = "ico_ball_blue"},
            {.name = kTargets[7], .kind = Picture, .left = 2760, .top = 3360, .width = kCell,
             .height = kCell, .visible = false, .picture = "pic_robot_knight", .pointer = kCustom,
             .icon = "ico_ball_blue"},
            {.name = kTargets[6], .kind = Picture, .left = 1920, .top = 3360, .width = kCell,
             .height = kCell, .visible = false, .picture = "pic_base_saucer", .pointer = kCustom,
             .icon = "ico_ball_blue"},
            {.name = kTargets[5], .kind = Picture, .left = 1080, .top = 3360, .width = kCell,
             .height = kCell, .visible = false, .picture = "pic_robot_knight", .pointer = kCustom,
             .icon = "ico_ball_blue"},
            {.name = kTargets[4], .kind = Picture, .left = 240, .top = 3360, .width = kCell,
             .height = kCell, .visible = false, .picture = "pic_base_saucer", .pointer = kCustom,
             .icon = "ico_ball_blue"},
            {.name = kTargets[3], .kind = Picture, .left = 2760, .top = 2520, .width = kCell,
             .height = kCell, .visible = false, .picture = "pic_base_saucer", .pointer = kCustom,
             .icon = "ico_ball_blue"},
            {.name = kTargets[1], .kind = Picture, .left = 1080, .top = 2520, .width = kCell,
             .height = kCell, .visible = false, .picture = "pic_base_saucer", .pointer = kCustom,
             .icon = "ico_ball_blue"},
            {.name = kTargets[0], .kind = Picture, .left = 240, .top = 2520, .width = kCell,
             .height = kCell, .visible = false, .picture = "pic_robot_knight", .pointer = kCustom,
             .icon = "ico_ball_blue"},

            // Time and score.
            {.name = kScore, .kind = Label, .left = 3360, .top = 7080, .width = 1935, .height = 255,
             .caption = "                    0  ", .back = kLightBlue, .fore = kBlack},
            {.name = kScoreHeading, .kind = Label, .left = 3360, .top = 6840, .width = 1935, .height = 255,
             .caption = "              Ваш счёт ", .back = kBlue},
            {.name = kTimeHeading, .kind = Label, .left = 3360, .top = 6240, .width = 1935, .height = 255,
             .caption = "                Время", .back = kBlue},
            {.name = kTimeLeft, .kind = Label, .left = 3360, .top = 6480, .width = 1935, .height = 255,
             .caption = "                    0", .back = kLightBlue, .fore = kBlack},

            {.name = kCells[0], .kind = Picture, .left = 240, .top = 2520, .width = kCell, .height = kCell,
             .picture = "pic_cell_empty", .pointer = kCustom, .icon = "ico_hero"},
            {.name = "Imagefon", .kind = Picture, .width = 6015, .height = 2175, .picture = "pic_wall"},
            {.name = kCells[8], .kind = Picture, .left = 240, .top = 4200, .width = kCell, .height = kCell,
             .picture = "pic_cell_empty", .pointer = kCustom, .icon = "ico_hero"},
            {.name = kCells[7], .kind = Picture, .left = 2760, .top = 3360, .width = kCell, .height = kCell,
             .picture = "pic_cell_empty", .pointer = kCustom, .icon = "ico_hero"},
            {.name = kCells[6], .kind = Picture, .left = 1920, .top = 3360, .width = kCell, .height = kCell,
             .picture = "pic_cell_empty", .pointer = kCustom, .icon = "ico_hero"},
            {.name = kCells[5], .kind = Picture, .left = 1080, .top = 3360, .width = kCell, .height = kCell,
             .picture = "pic_cell_empty", .pointer = kCustom, .icon = "ico_hero"},
            {.name = kCells[4], .kind = Picture, .left = 240, .top = 3360, .width = kCell, .height = kCell,
             .picture = "pic_cell_empty", .pointer = kCustom, .icon = "ico_hero"},
            {.name = kCells[3], .kind = Picture, .left = 2760, .top = 2520, .width = kCell, .height = kCell,
             .picture = "pic_cell_empty", .pointer = kCustom, .icon = "ico_hero"},
            {.name = kCells[1], .kind = Picture, .left = 1080, .top = 2520, .width = kCell, .height = kCell,
             .picture = "pic_cell_empty", .pointer = kCustom, .icon = "ico_hero"},
            {.name = kPortrait, .kind = Picture, .left = 3720, .top = 2640, .width = 2055, .height = 2415,
             .picture = "pic_hero", .pointer = kCustom, .icon = "ico_hero_head"},

            // Timers; the final scene's belongs to its panel.
            {.name = kBoardTickTimer, .kind = Timer, .enabled = false, .interval = 750},
            {.name = kRoundClockTimer, .kind = Timer, .enabled = false, .interval = 1000},
            {.name = kRingCycleTimer, .kind = Timer, .enabled = false, .interval = 750},
            {.name = kOpeningSceneTimer, .kind = Timer, .tag = "0", .interval = 1},
            {.name = kFinalSceneTimer, .kind = Timer, .container = kFinalPanel, .enabled = false, .interval = 100},
        },
        .reading = main_board_reading,
    };
}
// clang-format on

}  // namespace board::layout
