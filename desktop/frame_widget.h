// A frame of a game window: its border and caption, and the labels and pictures
// that it holds.
#pragma once

#include <QWidget>
#include <string>

namespace desktop {

class WindowWidget;

class FrameWidget : public QWidget {
    Q_OBJECT
  public:
    FrameWidget(WindowWidget& owner, std::string element, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    WindowWidget& owner_;
    std::string element_;
};

}  // namespace desktop
