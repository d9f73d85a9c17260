#include "scenes/scenes_view.h"

#include "board/number_text.h"
#include "board/registers.h"

namespace scenes {

using namespace board::layout;

ScenesView::ScenesView(board::Window& w)
    : opening_scene_timer(w[kOpeningSceneTimer]),
      hero(w[kHero]),
      hero_bar(w[kHeroBar]),
      upper_streak(w[kUpperStreak]),
      lower_streak(w[kLowerStreak]),
      villain(w[kVillain]),
      left_bar(w[kLeftBar]),
      right_bar(w[kRightBar]),
      banner(w[kBanner]),
      final_scene_timer(w[kFinalSceneTimer]),
      airship(w[kAirship]),
      airship_burning_1(w[kAirshipBurning1]),
      airship_burning_2(w[kAirshipBurning2]),
      airship_burning_3(w[kAirshipBurning3]),
      airship_wreck(w[kAirshipWreck]),
      rescue_message(w[kRescueMessage]),
      heroes_flight(w[kHeroesFlight]),
      drifting_dot(w[kDriftingDot]),
      airship_frame_register_(w[kAirshipFrameRegister]) {}

bool ScenesView::hero_landed() const {
    return board::whole_strict(opening_scene_timer.tag()) == 1;
}
void ScenesView::set_hero_landed(bool landed) const {
    opening_scene_timer.set_tag(landed ? "1" : "0");
}
std::int64_t ScenesView::blink_count() const {
    return board::whole_strict(left_bar.tag());
}
void ScenesView::set_blink_count(std::int64_t count) const {
    left_bar.set_tag(board::number_text(count));
}

int ScenesView::deal_airship_frame(std::int64_t draw) const {
    airship_frame_register_.set_caption(board::number_text(draw));
    const std::string& kept = airship_frame_register_.caption();
    for (int frame = 0; frame < 3; ++frame) {
        if (kept == board::number_text(std::int64_t{frame})) return frame;
    }
    return -1;
}
std::int64_t ScenesView::fire_count() const {
    return board::whole_strict(airship_frame_register_.tag());
}
void ScenesView::set_fire_count(std::int64_t count) const {
    airship_frame_register_.set_tag(board::number_text(count));
}

}  // namespace scenes
