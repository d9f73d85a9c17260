#include "board/picture.h"

#include <atomic>

namespace board {

namespace {
std::atomic<std::int64_t> live_pictures{0};
}

Picture::Picture(std::uint64_t handle, std::string asset)
    : handle_(handle), asset_(std::move(asset)) {
    ++live_pictures;
}

Picture::~Picture() {
    --live_pictures;
}

std::int64_t Picture::live() {
    return live_pictures;
}

std::shared_ptr<const Picture> Picture::load(std::string asset) {
    // Handles are never reused within a run, so they stay unique among the
    // pictures that exist; 0 is kept for "no picture".
    static std::uint64_t last_handle = 0;
    return std::make_shared<const Picture>(++last_handle, std::move(asset));
}

}  // namespace board
