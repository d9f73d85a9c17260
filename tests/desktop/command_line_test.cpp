// The command line, read before the toolkit starts.
#include <gtest/gtest.h>

#include <vector>

#include "app/command_line.h"

namespace {

app::CommandLineAnswer read(const std::vector<const char*>& args) {
    QStringList list{QStringLiteral("/usr/games/drovanta")};
    for (const char* a : args) list << QString::fromUtf8(a);
    return app::read_command_line(list);
}

}  // namespace

TEST(CommandLine, NoArgumentsAndQtsOwnOptionsStartTheGame) {
    for (const auto& args : std::vector<std::vector<const char*>>{
             {},
             {"-platform", "offscreen"},
             {"--platform", "xcb:dpi=96", "-style=fusion"},
             {"-style", "Fusion", "-reverse", "-qwindowgeometry", "400x600+10+10"},
             {"-display", ":0", "-name", "drovanta", "-qmljsdebugger=port:1234"},
         }) {
        const app::CommandLineAnswer a = read(args);
        EXPECT_TRUE(a.play) << a.err.toStdString();
        EXPECT_TRUE(a.out.isEmpty());
        EXPECT_TRUE(a.err.isEmpty());
    }
}

TEST(CommandLine, VersionAndHelpAnswerAndEnd) {
    for (const char* v : {"--version", "-v"}) {
        const app::CommandLineAnswer a = read({v});
        EXPECT_FALSE(a.play);
        EXPECT_EQ(a.status, 0);
        EXPECT_EQ(a.out, QStringLiteral("drovanta 1.3\n"));
        EXPECT_TRUE(a.err.isEmpty());
    }
    for (const char* h : {"--help", "-h"}) {
        const app::CommandLineAnswer a = read({"-platform", "offscreen", h});
        EXPECT_FALSE(a.play);
        EXPECT_EQ(a.status, 0);
        EXPECT_TRUE(a.out.startsWith(QStringLiteral("Использование: drovanta [параметры]")));
        EXPECT_TRUE(a.out.contains(QStringLiteral("--version")));
        EXPECT_TRUE(a.out.contains(QStringLiteral("-platform")));
        EXPECT_TRUE(a.err.isEmpty());
    }
}

TEST(CommandLine, AnythingElseIsRefusedInRussianWithAHint) {
    struct Case {
        std::vector<const char*> args;
        const char* says;
    };
    for (const Case& c : std::vector<Case>{
             {{"--fullscreen"}, "неизвестный параметр «--fullscreen»"},
             {{"-x"}, "неизвестный параметр «-x»"},
             {{"--help", "-x"}, "неизвестный параметр «-x»"},
             {{"save.dat"}, "игра не принимает аргументов, а получила «save.dat»"},
             {{"--", "-platform"}, "игра не принимает аргументов, а получила «-platform»"},
             {{"-style"}, "неверный параметр"},
         }) {
        const app::CommandLineAnswer a = read(c.args);
        EXPECT_FALSE(a.play) << c.says;
        EXPECT_EQ(a.status, 2);
        EXPECT_TRUE(a.out.isEmpty());
        EXPECT_TRUE(a.err.startsWith(QStringLiteral("drovanta: ") + QString::fromUtf8(c.says)))
            << a.err.toStdString();
        EXPECT_TRUE(a.err.endsWith(QStringLiteral("Справка: drovanta --help\n")));
    }
}
