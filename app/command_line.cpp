#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

#ifndef DROVANTA_VERSION
#define DROVANTA_VERSION "0"
#endif

namespace app {

namespace {

// Options that Qt handles itself, for Widgets and the X11 and Wayland platforms.
// The parser only has to know them so that they pass; Qt reads them later.
const char* const kQtValueOptions[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "geometry",
    "qwindowtitle",
    "title",
    "qwindowicon",
    "icon",
    "session",
    "display",
    "name",
    "visual",
    "style",
    "stylesheet",
    "qmljsdebugger",
};
const char* const kQtFlagOptions[] = {
    "reverse", "widgetcount", "testability", "sync", "nograb", "dograb",
};

QString help_text(const QString& program) {
    return QStringLiteral(
               "Использование: %1 [параметры]\n"
               "\n"
               "Drovanta. — аркадная игра: бейте роботов на поле 3 × 4, ловите золотое кольцо\n"
               "и наберите за 60 секунд раунда 2000 очков, чтобы спасти Пелко.\n"
               "Игра не читает файлов и ничего не сохраняет между запусками.\n"
               "\n"
               "Параметры:\n"
               "  -h, --help       показать эту справку и выйти\n"
               "  -v, --version    показать версию игры и выйти\n"
               "\n"
               "Понимает и общие параметры Qt, например -platform <имя>, -style <стиль>,\n"
               "-display <дисплей>, -reverse (подробнее: man drovanta).\n")
        .arg(program);
}

CommandLineAnswer failure(const QString& program, const QString& what) {
    CommandLineAnswer a;
    a.play = false;
    a.status = 2;
    a.err = QStringLiteral("%1: %2\nСправка: %1 --help\n").arg(program, what);
    return a;
}

}  // namespace

CommandLineAnswer read_command_line(const QStringList& arguments) {
    const QString program =
        arguments.isEmpty() ? QStringLiteral("drovanta") : QFileInfo(arguments[0]).fileName();

    QCommandLineParser parser;
    // Qt's own options are single-dash words, so every option is read as a word.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtValueOptions) {
        QCommandLineOption o(QString::fromLatin1(name));
        o.setValueName(QStringLiteral("value"));
        parser.addOption(o);
    }
    for (const char* name : kQtFlagOptions) parser.addOption(QCommandLineOption(name));

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString dashes =
                unknown[0].size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            return failure(program,
                           QStringLiteral("неизвестный параметр «%1%2»").arg(dashes, unknown[0]));
        }
        // Otherwise an option that needs a value came last without one.
        return failure(program, QStringLiteral("неверный параметр: %1").arg(parser.errorText()));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return failure(program, QStringLiteral("игра не принимает аргументов, а получила «%1»")
                                    .arg(parser.positionalArguments()[0]));
    }

    CommandLineAnswer a;
    if (parser.isSet(help)) {
        a.play = false;
        a.out = help_text(program);
    } else if (parser.isSet(version)) {
        a.play = false;
        a.out = QStringLiteral("%1 %2\n").arg(program, QStringLiteral(DROVANTA_VERSION));
    }
    return a;
}

std::optional<int> answer_command_line(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLineAnswer a = read_command_line(arguments);
    if (a.play) return std::nullopt;
    // UTF-8, whatever the locale: the texts are Russian.
    std::fputs(a.out.toUtf8().constData(), stdout);
    std::fputs(a.err.toUtf8().constData(), stderr);
    std::fflush(stdout);
    return a.status;
}

}  // namespace app
