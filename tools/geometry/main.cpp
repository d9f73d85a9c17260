// Prints where every element of the game's windows lies, in logical pixels of
// the window's client area, for scripts that drive the real game from outside:
//   drovanta_geometry | awk '$1 == "Form1Krot" && $2 == "LabelTime"'
// The line kinds are described in geometry.h.
#include <cstdio>
#include <exception>

#include "tools/geometry/geometry.h"

int main() {
    try {
        const std::string text = geometry::report(geometry::read_layouts());
        std::fwrite(text.data(), 1, text.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "drovanta_geometry: %s\n", e.what());
        return 1;
    }
}
