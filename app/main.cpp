// Drovanta.: strike the robots, catch the ring, save Pelko.
//
// The composition root: the command line, the toolkit, the clock, the random
// source, the game and the screen it is shown on are all made here.
#include <QApplication>
#include <cstdio>
#include <exception>

#include "app/command_line.h"
#include "app/game.h"
#include "board/clock.h"
#include "board/random.h"
#include "desktop/desktop.h"
#include "desktop/screen.h"

int main(int argc, char** argv) {
    if (const auto status = app::answer_command_line(argc, argv)) return *status;

    QApplication application(argc, argv);
    desktop::prepare_application(application);

    board::SteadyClock clock;
    board::UniformRandom random;
    board::Runtime game(clock, random);
    desktop::use_double_click_settings(game);
    desktop::Screen screen(game);
    try {
        app::launch(game);
    } catch (const std::exception& error) {
        // A handler wired to a name the windows do not have, most likely: a
        // programming error, told plainly rather than left to a silent game.
        std::fprintf(stderr, "drovanta: the game cannot start: %s\n", error.what());
        return 70;  // EX_SOFTWARE: an internal software error
    }
    return QApplication::exec();
}
