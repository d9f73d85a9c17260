// What a screen reader is told about a window's painted elements: which of them
// it reads, in what order, under what role and name, and which heading names a
// value. Each window's layout brings the plan for itself; the desktop turns it
// into accessible objects and announces what changed since the last look.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "board/element.h"

namespace board {

class Window;

enum class ReadingRole { Text, Picture, Shape };

struct ReadingItem {
    const Element* element = nullptr;
    ReadingRole role = ReadingRole::Text;
    // The heading a sighted player reads the value under ("Ваш счёт" over the score).
    const Element* heading = nullptr;
    // A press on it means something in the game (targets, the ring).
    bool pressable = false;
    // Where it stands, when its place is worth saying ("ряд 2, столбец 3"): its
    // description, and said after its name.
    std::string description = {};
    // Says the element in words of its own where its caption or picture would not.
    std::string (*speak)(const Element&) = nullptr;
};

// What a native control (a button, a text box) is called and what it does, where
// its caption alone would not tell a reader.
struct ControlWords {
    const Element* element = nullptr;
    std::string name = {};  // empty: its caption names it
    std::string description = {};
};

struct ReadingPlan {
    std::string surface_name = {};        // the painted surface as a whole
    std::vector<ReadingItem> items = {};  // in reading order
    // A secondary window that a reader should call a dialog; else a frame.
    bool dialog = false;
    std::vector<ControlWords> controls = {};
    // What a sighted player has noticed since the last call without looking for it
    // (a round began, the story came up), in words; empty when nothing worth
    // saying happened. Asked after every change while the window is on view.
    std::function<std::string()> news = {};
    // The position of the item that shows this element, or items.size().
    std::size_t index_of(const Element* element) const;
};

// How one item looks right now.
struct Glance {
    bool seen = false;  // shown, and not hidden behind something drawn over it
    bool enabled = true;
    std::string name;                              // empty while it cannot be seen
    int left = 0, top = 0, width = 0, height = 0;  // twips in the window's client area
    bool operator==(const Glance&) const = default;
};

// Every item's look, in the plan's order. Nothing a sighted player cannot see is
// named: a hidden element, one under a same-sized picture drawn over it, one
// under a shown frame, or one wholly outside the window. The place given is the
// part of it inside the window.
std::vector<Glance> glance(const Window& window, const ReadingPlan& plan);

// A caption as a reader should say it: the spaces that centre it in its field
// dropped, runs of spaces as one.
std::string tidy(const std::string& caption);

}  // namespace board
