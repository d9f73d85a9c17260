#include "board/picture.h"

namespace board {

std::shared_ptr<const Picture> Picture::load(std::string asset) {
    // Handles are never reused within a run, so they stay unique among the
    // pictures that exist; 0 is kept for "no picture".
    static std::uint64_t last_handle = 0;
    return std::make_shared<const Picture>(++last_handle, std::move(asset));
}

}  // namespace board
