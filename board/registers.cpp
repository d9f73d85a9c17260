#include "board/registers.h"

#include "board/element.h"
#include "board/number_text.h"

namespace board {

std::int64_t whole_lenient(std::string_view text) {
    return whole_part(read_lenient(text));
}

std::int64_t whole_strict(std::string_view text) {
    return whole_part(read_strict(text));
}

std::int64_t keep_draw(Element& register_label, std::int64_t draw) {
    register_label.set_caption(number_text(draw));
    return whole_strict(register_label.caption());
}

}  // namespace board
