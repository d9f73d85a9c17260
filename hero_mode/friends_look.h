// The friend's look: Pelko's colours, picture and pointer images on the main board.
#pragma once

#include "hero_mode/look_view.h"

namespace hero_mode {

// Recolours the main board orange and takes Pelko's picture and pointer images
// from their hidden holders. There is no mode flag: the look is what this leaves
// behind, and doing it again changes nothing.
void switch_to_friends_look(const LookView& board);

}  // namespace hero_mode
