// Drovanta.: strike the robots, catch the ring, save Pelko.
#include "app/command_line.h"
#include "desktop/desktop.h"

int main(int argc, char** argv) {
    if (const auto status = app::answer_command_line(argc, argv)) return *status;
    return desktop::run_game(argc, argv);
}
