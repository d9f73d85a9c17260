#include "scenes/attach.h"

namespace scenes {

void attach(board::Game& /*game*/) {}

}  // namespace scenes
