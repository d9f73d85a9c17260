#include "board/reading.h"

#include <algorithm>
#include <utility>

#include "board/layout/spoken_names.h"
#include "board/window.h"

namespace board {

namespace {

struct Rect {
    const Element* container;
    int left, top, width, height;
    bool operator==(const Rect&) const = default;
    bool holds(const Rect& r) const {
        return left <= r.left && top <= r.top && r.left + r.width <= left + width &&
               r.top + r.height <= top + height;
    }
};

Rect rect_of(const Element& e) {
    return {e.container(), e.left(), e.top(), e.width(), e.height()};
}

std::string name_of(const ReadingItem& item) {
    const Element& e = *item.element;
    if (item.speak) return item.speak(e);
    std::string said;
    switch (item.role) {
        case ReadingRole::Text:
            said = tidy(e.caption());
            break;
        case ReadingRole::Picture:
            said = std::string(layout::spoken_picture(e.picture() ? e.picture()->asset() : ""));
            break;
        case ReadingRole::Shape:
            said = std::string(layout::kSpokenShape);
            break;
    }
    // A review reads names only: a target says where it stands as well.
    if (!item.description.empty()) said += ", " + item.description;
    if (item.heading) said = tidy(item.heading->caption()) + ": " + said;
    return said;
}

}  // namespace

std::size_t ReadingPlan::index_of(const Element* element) const {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].element == element) return i;
    }
    return items.size();
}

std::vector<Glance> glance(const Window& window, const ReadingPlan& plan) {
    std::vector<std::pair<const Element*, std::size_t>> lookup;
    lookup.reserve(plan.items.size());
    for (std::size_t i = 0; i < plan.items.size(); ++i)
        lookup.emplace_back(plan.items[i].element, i);
    std::sort(lookup.begin(), lookup.end());

    std::vector<Glance> out(plan.items.size());
    // Shown frames lie above every label and picture beside them; a picture hides
    // whatever of the same size lies beneath it (a target its empty cell, the ring
    // the target it falls on).
    std::vector<Rect> frames, pictures;
    for (const auto& e : window.elements()) {
        if (e->kind() == Kind::Frame && e->shown()) frames.push_back(rect_of(*e));
    }
    for (const auto& owned : window.elements()) {
        const Element& e = *owned;
        if (e.kind() != Kind::Label && e.kind() != Kind::Picture && e.kind() != Kind::Shape)
            continue;
        const bool shown = e.shown();
        const Rect r = rect_of(e);
        const auto at = std::lower_bound(lookup.begin(), lookup.end(),
                                         std::pair<const Element*, std::size_t>(&e, 0));
        if (at != lookup.end() && at->first == &e) {
            Glance& g = out[at->second];
            const bool covered = std::find(pictures.begin(), pictures.end(), r) != pictures.end() ||
                                 std::any_of(frames.begin(), frames.end(), [&](const Rect& f) {
                                     return f.container == r.container && f.holds(r);
                                 });
            // What lies past the window's edges is not drawn; the villain leaves
            // the strip upwards and stays there.
            const int left = std::max(e.window_left(), 0);
            const int top = std::max(e.window_top(), 0);
            const int right = std::min(e.window_left() + e.width(), window.client_width());
            const int bottom = std::min(e.window_top() + e.height(), window.client_height());
            const bool inside = left < right && top < bottom;
            g.seen = window.visible() && shown && !covered && inside;
            g.enabled = e.enabled();
            g.left = left;
            g.top = top;
            g.width = inside ? right - left : 0;
            g.height = inside ? bottom - top : 0;
            if (g.seen) g.name = name_of(plan.items[at->second]);
        }
        if (shown && e.kind() == Kind::Picture) pictures.push_back(r);
    }
    return out;
}

std::string tidy(const std::string& caption) {
    std::string out;
    out.reserve(caption.size());
    bool space = false;
    for (const char c : caption) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            space = !out.empty();
            continue;
        }
        if (space) out.push_back(' ');
        space = false;
        out.push_back(c);
    }
    return out;
}

}  // namespace board
