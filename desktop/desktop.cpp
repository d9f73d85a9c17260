#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleHints>
#include <QTranslator>

#include "board/runtime.h"
#include "desktop/accessibility.h"
#include "desktop/art.h"
#include "desktop/desktop.h"
#include "desktop/fonts.h"
#include "desktop/game_style.h"
#include "desktop/painting.h"
#include "desktop/units.h"

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
    install_accessibility();
    use_built_in_fonts_only();
    QApplication::setFont(game_font());
    // The game ends when its main board is closed, not when its last window hides.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Drovanta"));
    // Ties the windows to the installed desktop entry (the Wayland app id, the task
    // bar's grouping); on X11 the class "Drovanta" matches its StartupWMClass.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.drovanta.Drovanta"));
    // The windows get their icons once they are drawn (WindowWidget::show_icon).
}

void use_double_click_settings(board::Runtime& game) {
    game.set_double_click(board::milliseconds(QApplication::doubleClickInterval()),
                          to_twips(QGuiApplication::styleHints()->mouseDoubleClickDistance()));
}

}  // namespace desktop
