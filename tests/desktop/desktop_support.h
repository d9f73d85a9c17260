// The test rig on the real toolkit (offscreen): the same game, clock, random
// source and moves as the headless rig, shown by the desktop's screen. Keys go
// through the platform's key events, and every input and wait lets the
// toolkit's events run.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "board/layout/main_board.h"
#include "desktop/screen.h"
#include "desktop/units.h"
#include "support/harness.h"

namespace testing_support {

class DesktopHarness final : public Harness {
  public:
    explicit DesktopHarness(desktop::TitleBars title_bars = desktop::TitleBars::window_system)
        : Harness([title_bars](board::Runtime& g) {
              return std::make_unique<desktop::Screen>(g, title_bars);
          }) {
        settle();
    }
    ~DesktopHarness() override {
        close_display();
        settle();
    }

    desktop::Screen& screen() const { return static_cast<desktop::Screen&>(*display()); }
    desktop::WindowWidget* window_widget(std::string_view window = board::layout::kMainBoard) const {
        return screen().widget_of(window);
    }
    template <typename W>
    W* widget(std::string_view element, std::string_view window = board::layout::kMainBoard) const {
        return qobject_cast<W*>(window_widget(window)->widget_for(element));
    }
    // The middle of an element of the main board, in the canvas's pixels.
    QPoint pixel_middle_of(std::string_view element) const {
        const board::Element& e = (*this)[element];
        return QPoint(static_cast<int>(desktop::to_pixels(e.window_left() + e.width() / 2)),
                      static_cast<int>(desktop::to_pixels(e.window_top() + e.height() / 2)));
    }
    // Alt + a character typed on the active window, as the platform delivers it:
    // to its focused widget if it has one. True when a button took it.
    bool alt(char32_t key) override {
        desktop::WindowWidget* v = window_widget(game.active_window());
        if (v == nullptr) return false;
        QWidget* target = QApplication::focusWidget() && QApplication::focusWidget()->window() == v
                              ? QApplication::focusWidget()
                              : v;
        const QString character = QString::fromUcs4(&key, 1);
        int clicks = 0;
        game.observe([&clicks](const std::string&, const std::string&, board::Event event) {
            clicks += event == board::Event::Click;
        });
        QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, character, Qt::AltModifier);
        QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, character, Qt::AltModifier);
        game.observe(nullptr);
        settle();
        return clicks > 0;
    }
    static void settle() {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

  protected:
    void catch_up() override { settle(); }
};

}  // namespace testing_support
