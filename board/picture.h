// Pictures and pointer images: immutable objects shared by reference. Two
// references show "the same picture" only when they point at one object, which is
// told by its handle, never by its pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace board {

class Picture {
  public:
    // A new object of the named art asset, with a handle no other picture has.
    static std::shared_ptr<const Picture> load(std::string asset);

    std::uint64_t handle() const { return handle_; }
    const std::string& asset() const { return asset_; }

    Picture(std::uint64_t handle, std::string asset) : handle_(handle), asset_(std::move(asset)) {}
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

  private:
    std::uint64_t handle_;
    std::string asset_;
};

using PictureRef = std::shared_ptr<const Picture>;

// 0 for no picture.
inline std::uint64_t handle_of(const PictureRef& p) {
    return p ? p->handle() : 0;
}
inline bool same_picture(const PictureRef& a, const PictureRef& b) {
    return handle_of(a) == handle_of(b);
}

}  // namespace board
