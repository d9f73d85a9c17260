// A frame of a game window: its border and caption, and the labels and pictures
// that it holds.
#pragma once

#include <QWidget>
#include <string>

namespace desktop {

class WindowView;

class FrameView : public QWidget {
    Q_OBJECT
  public:
    FrameView(WindowView& view, std::string element, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    WindowView& view_;
    std::string element_;
};

}  // namespace desktop
