// The fonts the game draws with: its one built-in face, and nothing of the
// desktop's font configuration.
#pragma once

namespace desktop {

// Gives the font library an empty configuration of its own before the toolkit
// first asks it for a font. Every text of the game is set in the built-in face,
// so the desktop's configuration (dozens of files to parse, a fifth of the time
// to the first frame) would buy nothing, and the board cannot come out in a
// face or with settings that differ from machine to machine.
void use_built_in_fonts_only();

}  // namespace desktop
