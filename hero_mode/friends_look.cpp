// The switch to Pelko's look, step by step in a fixed order. The strike and ring
// handlers copy their pointers from the holders changed here at every press and
// release, so they follow the switch without knowing of it.
#include "hero_mode/friends_look.h"

#include "board/layout/palette.h"

namespace hero_mode {

void switch_to_friends_look(const LookView& b) {
    using namespace board::palette;
    // The fields of the statistics and the interval box, then the headings over
    // those fields and the version column.
    for (board::Element* field : b.fields) field->set_back_color(kLightOrange);
    b.window.set_back_color(kDarkOrange);
    for (board::Element* heading : b.headings) heading->set_back_color(kOrange);

    b.portrait.set_picture(b.friends_picture.picture());

    // Pelko standing over the empty cells and the ring, then for the ring's release.
    for (board::Element* cell : b.cells) cell->set_mouse_icon(b.friends_picture.mouse_icon());
    b.ring.set_mouse_icon(b.friends_picture.mouse_icon());
    b.ring_release_pointer.set_mouse_icon(b.friends_picture.mouse_icon());

    // The orange ball: first the targets' release holder, then every target from it.
    b.target_release_pointer.set_mouse_icon(b.friends_strike_pointer.mouse_icon());
    for (board::Element* target : b.targets) {
        target->set_mouse_icon(b.target_release_pointer.mouse_icon());
    }

    // Pelko with sparkles while the ring is pressed.
    b.ring_press_pointer.set_mouse_icon(b.friends_ring_press_pointer.mouse_icon());
}

}  // namespace hero_mode
