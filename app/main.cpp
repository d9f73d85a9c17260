// Drovanta.: strike the robots, catch the ring, save Pelko.
#include "desktop/desktop.h"

int main(int argc, char** argv) {
    return desktop::run_game(argc, argv);
}
