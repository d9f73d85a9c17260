#include "info/information_window_reading.h"

#include "board/layout/spoken_names.h"
#include "info/information_window_view.h"

namespace info {

board::ReadingPlan information_window_reading(board::Window& window) {
    const InformationWindow w(window);
    using board::ReadingRole;
    // The text field first, as the window's tab order leads from its story button;
    // then the logos from left to right, the author's line under the first one.
    board::ReadingPlan plan{.surface_name = std::string(board::layout::kSpokenInfoSurface),
                            .items =
                                {
                                    {.element = &w.text_field, .role = ReadingRole::Text},
                                    {.element = &w.word_logo, .role = ReadingRole::Picture},
                                    {.element = &w.author_line, .role = ReadingRole::Text},
                                    {.element = &w.studio_logo, .role = ReadingRole::Picture},
                                },
                            .dialog = true};
    // A text button puts its text where the prompt stood: the player pressed it to
    // hear that text, so it is said at once.
    plan.news = [&field = w.text_field, shown = w.text_field.caption()]() mutable {
        if (field.caption() == shown) return std::string();
        shown = field.caption();
        return board::tidy(shown);
    };
    return plan;
}

}  // namespace info
