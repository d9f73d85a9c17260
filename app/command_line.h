// The command line: the game itself takes no arguments, answers --help and
// --version, and leaves the toolkit's own options (-platform, -style, ...) to Qt.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace app {

// What the arguments ask for, worked out without a display.
struct CommandLineAnswer {
    bool play = true;  // start the game; otherwise print and end with `status`
    int status = 0;
    QString out;  // for standard output
    QString err;  // for standard error
};

// Reads the whole argument list (program name first).
CommandLineAnswer read_command_line(const QStringList& arguments);

// Answers the command line before any window system is touched. Returns the
// exit status when the program ends here, nothing when the game should start.
std::optional<int> answer_command_line(int argc, char** argv);

}  // namespace app
