#include "desktop/title_bar.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>

#include "desktop/painting.h"
#include "desktop/platform.h"
#include "desktop/wayland_shell.h"

namespace desktop {

TitleBars title_bars_for_this_desktop() {
    if (current_platform() == Platform::wayland && !compositor_draws_title_bars()) {
        return TitleBars::game;
    }
    return TitleBars::window_system;
}

namespace {

// The light look of the desktop that needs this bar (GNOME's): a pale grey bar,
// paler when its window is not the active one, dark title and symbols.
struct BarColours {
    QColor bar, edge, ink;
};
BarColours colours_for(bool active) {
    if (active) return {QColor(0xeb, 0xeb, 0xeb), QColor(0xd2, 0xd2, 0xd2), QColor(0x2e, 0x34, 0x36)};
    return {QColor(0xfa, 0xfa, 0xfa), QColor(0xdd, 0xdd, 0xdd), QColor(0x92, 0x95, 0x95)};
}
// The thin line round the whole window, the same whether it is active or not.
const QColor kFrameLine(0xa0, 0xa0, 0xa0);

constexpr int kButtonSize = 24;   // the round button's diameter
constexpr int kButtonGap = 8;     // between two buttons
constexpr int kRightMargin = 6;   // the close button's right edge from the bar's
constexpr int kSymbolHalf = 4;    // half the width of a button's symbol

enum class Symbol { minimise, close };

// A round button of the bar, its symbol drawn in lines: it shows a shade while the
// pointer is over it and a darker one while pressed. It takes no keyboard focus:
// the window's own controls keep the Tab order.
class BarButton final : public QAbstractButton {
  public:
    BarButton(Symbol symbol, const QString& name, QWidget* parent)
        : QAbstractButton(parent), symbol_(symbol) {
        setFocusPolicy(Qt::NoFocus);
        setFixedSize(kButtonSize, kButtonSize);
        setAccessibleName(name);
        setToolTip(name);
        setAttribute(Qt::WA_Hover);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const BarColours c = colours_for(window()->isActiveWindow());
        if (isDown() || underMouse()) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, isDown() ? 40 : 20));
            p.drawEllipse(QRectF(rect()));
        }
        QPen pen(c.ink, 1.5);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        const QPointF m = QRectF(rect()).center();
        if (symbol_ == Symbol::minimise) {
            p.drawLine(m + QPointF(-kSymbolHalf, kSymbolHalf), m + QPointF(kSymbolHalf, kSymbolHalf));
        } else {
            p.drawLine(m + QPointF(-kSymbolHalf, -kSymbolHalf), m + QPointF(kSymbolHalf, kSymbolHalf));
            p.drawLine(m + QPointF(-kSymbolHalf, kSymbolHalf), m + QPointF(kSymbolHalf, -kSymbolHalf));
        }
    }

  private:
    Symbol symbol_;
};

// The bar itself: a child of its window, kept across its top.
class TitleBar final : public QWidget {
  public:
    TitleBar(QWidget& window, bool minimise) : QWidget(&window), window_(window) {
        setObjectName(QStringLiteral("drovanta_title_bar"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        QFont font = game_font();
        font.setBold(true);
        setFont(font);
        close_ = new BarButton(Symbol::close, QStringLiteral("Закрыть"), this);
        connect(close_, &QAbstractButton::clicked, &window, &QWidget::close);
        if (minimise) {
            minimise_ = new BarButton(Symbol::minimise, QStringLiteral("Свернуть"), this);
            connect(minimise_, &QAbstractButton::clicked, &window, &QWidget::showMinimized);
        }
        window.installEventFilter(this);
        follow_window();
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Paint: {
                // The edge, on the window's own background and under its children,
                // which keep inside the margins.
                QPainter p(&window_);
                p.setPen(kFrameLine);
                p.drawRect(window_.rect().adjusted(0, 0, -1, -1));
                break;
            }
            case QEvent::Resize:
                follow_window();
                break;
            case QEvent::ActivationChange:
            case QEvent::WindowTitleChange:
                update();
                if (minimise_) minimise_->update();
                close_->update();
                break;
            case QEvent::ChildAdded:
                // Whatever the window adds later stays under the bar.
                raise();
                break;
            default:
                break;
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const BarColours c = colours_for(window_.isActiveWindow());
        p.fillRect(rect(), c.bar);
        p.fillRect(QRect(0, height() - 1, width(), 1), c.edge);
        p.setPen(kFrameLine);
        p.drawLine(0, height() - 1, 0, 0);
        p.drawLine(0, 0, width() - 1, 0);
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
        // The title in the middle of the whole bar, shortened if the buttons need
        // its room.
        const int buttons = width() - (minimise_ ? minimise_->x() : close_->x());
        const QRect room = rect().adjusted(buttons, 0, -buttons, -1);
        p.setPen(c.ink);
        p.drawText(room, Qt::AlignCenter,
                   fontMetrics().elidedText(window_.windowTitle(), Qt::ElideRight, room.width()));
    }

    // Pressing the bar moves the window: the compositor takes the drag from there.
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && window_.windowHandle()) {
            window_.windowHandle()->startSystemMove();
        }
        event->accept();
    }
    // A fixed window has nothing to do on a double click of its bar.
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }

  private:
    void follow_window() {
        setGeometry(0, 0, window_.width(), kTitleBarHeight);
        const int y = (kTitleBarHeight - kButtonSize) / 2;
        int x = width() - kRightMargin - kButtonSize;
        close_->move(x, y);
        if (minimise_) minimise_->move(x - kButtonGap - kButtonSize, y);
        raise();
    }

    QWidget& window_;
    BarButton* close_ = nullptr;
    BarButton* minimise_ = nullptr;
};

}  // namespace

void add_title_bar(QWidget& window) {
    // The bar offers what the window's flags asked of the window system's. Those
    // hints go: beside them the toolkit would not take the window as frameless.
    const Qt::WindowFlags asked = window.windowFlags();
    window.setWindowFlags((asked & Qt::WindowType_Mask) | Qt::FramelessWindowHint);
    window.setContentsMargins(window.contentsMargins() +
                              QMargins(kFrameEdge, kTitleBarHeight, kFrameEdge, kFrameEdge));
    new TitleBar(window, asked.testFlag(Qt::WindowMinimizeButtonHint));
}

}  // namespace desktop
