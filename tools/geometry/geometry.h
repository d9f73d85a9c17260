// Where every element of the game's windows lies on screen, read from their
// layouts: the one source of rectangles for the scripts that drive the real game
// from outside (the X and Wayland tests) and judge it by its pixels.
#pragma once

#include <string>
#include <vector>

namespace geometry {

// One element's rectangle in logical pixels, relative to its window's client
// area, with the frames that hold it resolved: exactly where its widget or its
// painting goes.
struct Box {
    std::string window;
    std::string element;
    int left = 0, top = 0, width = 0, height = 0;
};

// A window's client area in logical pixels, and its title.
struct Client {
    std::string window;
    std::string caption;
    int width = 0, height = 0;
};

// An element named by the part it plays in the game (the views' names).
struct Role {
    std::string window;
    std::string role;
    std::string element;
};

struct Geometry {
    std::vector<Client> clients;  // the main board first
    std::vector<Box> boxes;       // every element but the timers, window by window
    std::vector<Role> roles;
};

Geometry read_layouts();

// The report, one fact a line, fields separated by single spaces:
//   <window> client <width> <height>
//   <window> <element> <left> <top> <width> <height>
//   <window> caption <title>
//   <window> role <role> <element>
// Every client and box line comes before the first caption or role line.
std::string report(const Geometry& geometry);

}  // namespace geometry
