#include "board/text.h"

namespace board {

char32_t next_character(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int extra = 0;
    char32_t c = lead;
    if (lead >= 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else if (lead >= 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if (lead >= 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    }
    ++pos;
    for (int i = 0; i < extra && pos < text.size(); ++i, ++pos) c = (c << 6) | (byte(pos) & 0x3F);
    return c;
}

char32_t marked_character(std::string_view caption) {
    std::size_t pos = 0;
    while (pos < caption.size()) {
        const char32_t c = next_character(caption, pos);
        if (c != U'&' || pos >= caption.size()) continue;
        const char32_t marked = next_character(caption, pos);
        if (marked != U'&') return marked;
    }
    return 0;
}

std::string without_marks(std::string_view caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    return shown;
}

char32_t fold_case(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= U'\u0410' && c <= U'\u042F') return c + 32;  // А..Я
    if (c >= U'\u0400' && c <= U'\u040F') return c + 80;  // Ѐ..Џ, Ё among them
    return c;
}

}  // namespace board
