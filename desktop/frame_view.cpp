#include "desktop/frame_view.h"

#include <QPaintEngine>
#include <QPainter>

#include "desktop/painting.h"
#include "desktop/window_view.h"

namespace desktop {

FrameView::FrameView(WindowView& view, std::string element, QWidget* parent)
    : QWidget(parent), view_(view), element_(std::move(element)) {
    // The canvas beneath takes the mouse for everything the frame holds.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameView::paintEvent(QPaintEvent*) {
    if (!view_.alive()) return;
    QPainter p(this);
    p.setFont(view_.font());
    const board::Window& w = view_.model();
    const board::Element& frame = w[element_];
    paint_frame(p, frame);
    paint_contents(p, w, &frame, p.paintEngine()->paintDevice()->devicePixelRatioF());
}

}  // namespace desktop
