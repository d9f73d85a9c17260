// The game on the real toolkit (offscreen), on a manual clock and a scripted
// random source, with helpers to act as a player through the platform's events.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/game.h"
#include "board/layout/main_board.h"
#include "desktop/screen.h"
#include "desktop/units.h"
#include "support/scripted_random.h"

namespace testing_support {

class DesktopGame {
  public:
    DesktopGame() {
        screen = std::make_unique<desktop::Screen>(game);
        app::launch(game);
        settle();
    }
    ~DesktopGame() {
        screen.reset();
        settle();
    }

    board::ManualClock clock;
    ScriptedRandom random;
    board::Runtime game{clock, random};
    std::unique_ptr<desktop::Screen> screen;

    desktop::WindowWidget* view(std::string_view window = board::layout::kMainBoard) const {
        return screen->widget_of(window);
    }
    board::Element& operator[](std::string_view name) const {
        return game.window(board::layout::kMainBoard)[name];
    }
    template <typename W>
    W* widget(std::string_view element, std::string_view window = board::layout::kMainBoard) const {
        return qobject_cast<W*>(view(window)->widget_for(element));
    }
    // The middle of an element, in the canvas's pixels.
    QPoint middle_of(std::string_view element) const {
        const board::Element& e = (*this)[element];
        return QPoint(static_cast<int>(desktop::to_pixels(e.window_left() + e.width() / 2)),
                      static_cast<int>(desktop::to_pixels(e.window_top() + e.height() / 2)));
    }
    void wait_ms(std::int64_t ms) {
        board::advance(game, clock, board::milliseconds(ms));
        settle();
    }
    // Alt + a character typed on a window, as the platform delivers it.
    void alt(std::string_view window, const QString& character) {
        desktop::WindowWidget* v = view(window);
        QWidget* target = QApplication::focusWidget() && QApplication::focusWidget()->window() == v
                              ? QApplication::focusWidget()
                              : v;
        QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, character, Qt::AltModifier);
        QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, character, Qt::AltModifier);
        settle();
    }
    static void settle() {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
};

}  // namespace testing_support
