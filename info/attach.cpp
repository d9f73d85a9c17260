#include "info/attach.h"

namespace info {

void attach(board::Game& /*game*/) {}

}  // namespace info
