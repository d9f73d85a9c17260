// Small text helpers for UTF-8 captions: access-key marks and case-blind letters.
#pragma once

#include <string>
#include <string_view>

namespace board {

// The character after the first lone "&" ("&&" stands for a plain "&"), or 0.
char32_t marked_character(std::string_view caption);
// The caption as shown: marks removed, "&&" as "&".
std::string without_marks(std::string_view caption);
// Lower case for Latin and Cyrillic letters; other characters as they are.
char32_t fold_case(char32_t c);
// Decodes one UTF-8 character at `pos` and moves `pos` past it.
char32_t next_character(std::string_view text, std::size_t& pos);

}  // namespace board
