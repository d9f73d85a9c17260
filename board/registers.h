// The game keeps its numbers as number texts in element properties, and writes
// whole numbers only. These read them back as whole numbers, and keep a random
// draw in its register before anything acts on it.
#pragma once

#include <cstdint>
#include <string_view>

namespace board {

class Element;

// Lenient reading: a padded caption, or no number at all (0), may stand there.
std::int64_t whole_lenient(std::string_view text);
// Strict reading, where only the game writes: anything else is the
// type-mismatch failure.
std::int64_t whole_strict(std::string_view text);
// Writes the draw into the register's caption and hands back what the register
// then holds, read strictly: the game acts on the register, not on the draw.
std::int64_t keep_draw(Element& register_label, std::int64_t draw);

}  // namespace board
