#include "hero_mode/attach.h"

namespace hero_mode {

void attach(board::Game& /*game*/) {}

}  // namespace hero_mode
