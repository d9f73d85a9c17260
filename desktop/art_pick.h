// Which of an asset's drawings a picture is painted from. The game paints by this
// rule, and the art program shows its contact sheet by it, so both need it without
// the toolkit: standard library only.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace desktop {

// One drawing of an asset: its size in pixels and the screen ratio it was drawn for
// (1 for the stored file).
struct Drawing {
    int width = 0;
    int height = 0;
    int ratio = 1;
};

// The highest ratio whose art a screen of the given device pixel ratio uses: 1.25
// and 1.5 use the art drawn for 2.
inline int art_ratio(double device_pixel_ratio) {
    return std::max(1, static_cast<int>(std::ceil(device_pixel_ratio - 1e-6)));
}

// Among the drawings made for `max_ratio` or a lower one, the smallest that covers
// device_width x device_height pixels, else the largest; on equal areas the earlier
// one. `describe` gives an element's Drawing. Returns a pointer into the range, or
// nullptr when no drawing is usable.
template <typename Range, typename Describe>
auto pick_drawing(const Range& drawings, int device_width, int device_height, int max_ratio,
                  Describe describe) -> decltype(&*std::begin(drawings)) {
    decltype(&*std::begin(drawings)) covering = nullptr;
    decltype(&*std::begin(drawings)) largest = nullptr;
    std::int64_t covering_area = 0, largest_area = 0;
    for (const auto& candidate : drawings) {
        const Drawing d = describe(candidate);
        if (d.ratio > max_ratio) continue;
        const std::int64_t area = static_cast<std::int64_t>(d.width) * d.height;
        if (d.width >= device_width && d.height >= device_height &&
            (!covering || area < covering_area)) {
            covering = &candidate;
            covering_area = area;
        }
        if (!largest || area > largest_area) {
            largest = &candidate;
            largest_area = area;
        }
    }
    return covering ? covering : largest;
}

}  // namespace desktop
