#include "desktop/frame_widget.h"

#include <QPaintEngine>
#include <QPainter>

#include "desktop/painting.h"
#include "desktop/window_widget.h"

namespace desktop {

FrameWidget::FrameWidget(WindowWidget& owner, std::string element, QWidget* parent)
    : QWidget(parent), owner_(owner), element_(std::move(element)) {
    // The canvas beneath takes the mouse for everything the frame holds.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameWidget::paintEvent(QPaintEvent*) {
    if (!owner_.alive()) return;
    QPainter p(this);
    p.setFont(owner_.font());
    const board::Window& w = owner_.model();
    const board::Element& frame = w[element_];
    paint_frame(p, frame);
    paint_contents(p, w, &frame, p.paintEngine()->paintDevice()->devicePixelRatioF());
}

}  // namespace desktop
