#include "board/layout/main_board_reading.h"

#include <algorithm>
#include <array>
#include <limits>
#include <set>
#include <tuple>

#include "board/layout/main_board.h"
#include "board/layout/main_board_news.h"
#include "board/layout/spoken_names.h"

namespace board::layout {

namespace {

// The elements the reading treats apart from the rest, by what they do.
struct Roles {
    explicit Roles(const Window& w)
        : costume_register(w[kCostumeRegister]),
          ring_kind_register(w[kRingKindRegister]),
          ring_column_register(w[kRingColumnRegister]),
          ring_row_register(w[kRingRowRegister]),
          plain_robot(w[kPlainRobot]),
          costumed_robot(w[kCostumedRobot]),
          target_press_pointer(w[kTargetPressPointer]),
          target_release_pointer(w[kTargetReleasePointer]),
          ring_press_pointer(w[kRingPressPointer]),
          friends_picture(w[kFriendsPicture]),
          friends_strike_pointer(w[kFriendsStrikePointer]),
          friends_ring_press_pointer(w[kFriendsRingPressPointer]),
          airship_burning_1(w[kAirshipBurning1]),
          airship_burning_2(w[kAirshipBurning2]),
          airship_burning_3(w[kAirshipBurning3]),
          airship_wreck(w[kAirshipWreck]),
          airship_frame_register(w[kAirshipFrameRegister]),
          row_registers(elements_named(w, kRowRegisters)),
          ring_kinds(elements_named(w, kRingKinds)),
          time_left(w[kTimeLeft]),
          time_heading(w[kTimeHeading]),
          score(w[kScore]),
          score_heading(w[kScoreHeading]),
          rounds_played(w[kRoundsPlayed]),
          rounds_heading(w[kRoundsHeading]),
          best_score(w[kBestScore]),
          best_score_heading(w[kBestScoreHeading]),
          portrait(w[kPortrait]),
          character_heading(w[kCharacterHeading]),
          version_column(w[kVersionColumn]),
          ring(w[kRing]),
          interval_box(w[kIntervalBox]),
          reset_statistics_button(w[kResetStatisticsButton]),
          code_button(w[kCodeButton]),
          targets(elements_named(w, kTargets)) {}
    const Element& target(std::size_t column, std::size_t row) const {
        return *targets.at(row * kGridColumns + column);
    }

    const Element &costume_register, &ring_kind_register, &ring_column_register, &ring_row_register,
        &plain_robot, &costumed_robot, &target_press_pointer, &target_release_pointer,
        &ring_press_pointer, &friends_picture, &friends_strike_pointer, &friends_ring_press_pointer,
        &airship_burning_1, &airship_burning_2, &airship_burning_3, &airship_wreck,
        &airship_frame_register;
    std::array<Element*, kGridColumns> row_registers;
    std::array<Element*, 2> ring_kinds;
    const Element &time_left, &time_heading, &score, &score_heading, &rounds_played,
        &rounds_heading, &best_score, &best_score_heading, &portrait, &character_heading,
        &version_column, &ring, &interval_box, &reset_statistics_button, &code_button;
    std::array<Element*, 12> targets;
};

}  // namespace

ReadingPlan main_board_reading(Window& window) {
    const Roles board(window);
    // Elements that only keep a number, a picture or a pointer image for the handlers.
    std::set<const Element*> unseen = {
        &board.costume_register,
        &board.ring_kind_register,
        &board.ring_column_register,
        &board.ring_row_register,
        &board.plain_robot,
        &board.costumed_robot,
        &board.target_press_pointer,
        &board.target_release_pointer,
        &board.ring_press_pointer,
        &board.friends_picture,
        &board.friends_strike_pointer,
        &board.friends_ring_press_pointer,
        &board.airship_burning_1,
        &board.airship_burning_2,
        &board.airship_burning_3,
        &board.airship_wreck,
        &board.airship_frame_register,
    };
    unseen.insert(board.row_registers.begin(), board.row_registers.end());
    unseen.insert(board.ring_kinds.begin(), board.ring_kinds.end());

    const std::pair<const Element*, const Element*> headed[] = {
        {&board.time_left, &board.time_heading},
        {&board.score, &board.score_heading},
        {&board.rounds_played, &board.rounds_heading},
        {&board.best_score, &board.best_score_heading},
        {&board.portrait, &board.character_heading},
    };

    // Top to bottom, left to right; where two share a place, the one drawn on top
    // first. The ring wanders over the grid, so it is read after the grid.
    using Key = std::tuple<int, int, std::size_t>;
    std::vector<std::pair<Key, ReadingItem>> keyed;
    const auto& elements = window.elements();
    for (std::size_t depth = 0; depth < elements.size(); ++depth) {
        const Element& e = *elements[depth];
        if (unseen.count(&e)) continue;
        ReadingItem item{.element = &e};
        switch (e.kind()) {
            case Kind::Label:
                // A bar without a caption is only colour: the strip's bars, the
                // grey blocks, the floor line.
                if (e.caption().find_first_not_of(' ') == std::string::npos) continue;
                item.role = ReadingRole::Text;
                break;
            case Kind::Picture:
                if (is_decoration(e)) continue;
                item.role = ReadingRole::Picture;
                break;
            case Kind::Shape:
                item.role = ReadingRole::Shape;
                break;
            default:
                continue;  // native widgets speak for themselves; timers are unseen
        }
        for (const auto& [value, heading] : headed) {
            if (value == &e) item.heading = heading;
        }
        Key key{e.window_top(), e.window_left(), depth};
        if (&e == &board.version_column) item.speak = spoken_version;
        if (&e == &board.ring) {
            item.pressable = true;
            key = {kRowTops.back(), std::numeric_limits<int>::max(), depth};
        }
        for (std::size_t row = 0; row < kGridRows; ++row) {
            for (std::size_t column = 0; column < kGridColumns; ++column) {
                if (&board.target(column, row) == &e) {
                    item.pressable = true;
                    item.description = spoken_cell(column, row);
                }
            }
        }
        keyed.emplace_back(key, std::move(item));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    ReadingPlan plan{.surface_name = std::string(kSpokenMainSurface), .items = {}};
    plan.items.reserve(keyed.size());
    for (auto& [key, item] : keyed) plan.items.push_back(std::move(item));
    plan.controls = {
        {.element = &board.interval_box, .name = std::string(kSpokenIntervalBox)},
        {.element = &board.reset_statistics_button,
         .description = std::string(kSpokenResetStatistics)},
        {.element = &board.code_button, .description = std::string(kSpokenCodeButton)},
    };
    plan.news = MainBoardNews(window);
    return plan;
}

}  // namespace board::layout
