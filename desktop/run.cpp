#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleHints>
#include <QTranslator>

#include "app/game.h"
#include "board/clock.h"
#include "board/random.h"
#include "desktop/art.h"
#include "desktop/desktop.h"
#include "desktop/fonts.h"
#include "desktop/painting.h"
#include "desktop/screen.h"
#include "desktop/style.h"

namespace desktop {

void prepare_application(QApplication& app) {
    // The whole interface speaks Russian, the toolkit's own dialogs included.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_ru"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
    QApplication::setStyle(new GameStyle);
    use_built_in_fonts_only();
    QApplication::setFont(game_font());
    // The game ends when its main board is closed, not when its last window hides.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Drovanta"));
    // Ties the windows to the installed desktop entry (the Wayland app id, the task
    // bar's grouping); on X11 the class "Drovanta" matches its StartupWMClass.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.drovanta.Drovanta"));
    // The windows get their icons once they are drawn (WindowView::show_icon).
}

int run_game(int argc, char** argv) {
    QApplication app(argc, argv);
    prepare_application(app);

    board::SteadyClock clock;
    board::UniformRandom random;
    board::Game game(clock, random);
    app::assemble(game);
    game.set_double_click(
        board::milliseconds(QApplication::doubleClickInterval()),
        static_cast<int>(QGuiApplication::styleHints()->mouseDoubleClickDistance() *
                         kTwipsPerPixel));
    Screen screen(game);
    app::start(game);
    screen.refresh();
    return QApplication::exec();
}

}  // namespace desktop
