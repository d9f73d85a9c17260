#include "targets/attach.h"

namespace targets {

void attach(board::Game& /*game*/) {}

}  // namespace targets
