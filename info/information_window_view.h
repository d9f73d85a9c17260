// The information window's elements by what they do. The layout keeps the
// elements' own names; handlers and tests bind this view and speak of the story
// button and the text field.
#pragma once

#include <string>
#include <string_view>

#include "board/runtime.h"
#include "board/window.h"
#include "info/information_window.h"

namespace info {

class InformationWindow {
  public:
    explicit InformationWindow(board::Window& w)
        : window(w),
          story_button(w[kStoryButton]),
          goal_button(w[kGoalButton]),
          author_button(w[kAuthorButton]),
          engine_button(w[kEngineButton]),
          links_button(w[kLinksButton]),
          blank_button(w[kBlankButton]),
          return_button(w[kReturnButton]),
          text_frame(w[kTextFrame]),
          text_field(w[kTextField]),
          author_line(w[kAuthorLine]),
          word_logo(w[kWordLogo]),
          studio_logo(w[kStudioLogo]) {}
    explicit InformationWindow(const board::Runtime& game)
        : InformationWindow(game.window(kInfoWindow)) {}

    board::Window& window;
    board::Element& story_button;
    board::Element& goal_button;
    board::Element& author_button;
    board::Element& engine_button;
    board::Element& links_button;
    board::Element& blank_button;  // greyed, fills the grid of six
    board::Element& return_button;
    board::Element& text_frame;
    board::Element& text_field;  // inside the frame; the buttons' texts go here
    board::Element& author_line;
    board::Element& word_logo;
    board::Element& studio_logo;

    // What the text field shows: the prompt, or the text of the last button pressed.
    const std::string& text_shown() const { return text_field.caption(); }
    void show_text(std::string_view text) const { text_field.set_caption(std::string(text)); }
};

}  // namespace info
