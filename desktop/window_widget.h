// One game window on the desktop: a canvas that paints the labels, pictures and
// shapes and takes the mouse, with native buttons, text boxes and frames above it.
#pragma once

#include <QWidget>
#include <map>
#include <string>

#include "board/runtime.h"
#include "desktop/canvas.h"
#include "desktop/title_bar.h"

namespace desktop {

class WindowWidget : public QWidget {
    Q_OBJECT
  public:
    WindowWidget(board::Runtime& game, board::Window& window,
                 TitleBars title_bars = TitleBars::window_system);

    const std::string& window_name() const { return name_; }
    std::uint64_t serial() const { return serial_; }
    board::Window& model() const { return game_.window(name_); }
    // False once the game has unloaded the window this widget shows.
    bool alive() const {
        const board::Window* w = game_.find_window(name_);
        return w && w->serial() == serial_;
    }
    board::Runtime& game() const { return game_; }

    // Brings the widgets up to date with the window's elements.
    void sync();
    // The widget that stands for an element (buttons, text boxes, frames), if any.
    QWidget* widget_for(std::string_view element) const;
    // The element name a widget stands for ("" for none).
    std::string element_of(const QWidget* widget) const;
    void focus_initial();
    // Gives the window its icon; done once it has been drawn for the first time.
    void show_icon();
    Canvas* canvas() const { return canvas_; }

  protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_native_widgets();
    void sync_native(const board::Element& e, QWidget* w);

    board::Runtime& game_;
    std::string name_;
    std::uint64_t serial_;
    std::uint64_t synced_revision_ = 0;
    Canvas* canvas_;
    std::map<std::string, QWidget*, std::less<>> natives_;
    // Where the window's own client area starts: inside the frame the game draws
    // itself (its title bar and edge), if the window has one.
    QPoint content_origin_;
};

}  // namespace desktop
