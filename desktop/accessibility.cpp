#include "desktop/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QWindow>
#include <utility>
#include <vector>

#include "board/reading.h"
#include "desktop/canvas.h"
#include "desktop/frame_widget.h"
#include "desktop/guard.h"
#include "desktop/reader_cues.h"
#include "desktop/units.h"
#include "desktop/window_widget.h"

namespace desktop {

namespace {

class ElementAccessible;

// The native controls say what they set and do where their captions don't.
void name_controls(WindowWidget& view, const std::vector<board::ControlWords>& controls) {
    for (const board::ControlWords& words : controls) {
        QWidget* control = view.widget_for(words.element->name());
        if (!control) continue;
        if (!words.name.empty()) control->setAccessibleName(QString::fromStdString(words.name));
        if (!words.description.empty())
            control->setAccessibleDescription(QString::fromStdString(words.description));
    }
}

// The canvas of one window, and through it the elements its plan names.
class CanvasAccessible : public QAccessibleWidget {
  public:
    explicit CanvasAccessible(Canvas* canvas) : QAccessibleWidget(canvas, QAccessible::Canvas) {
        if (!live()) return;
        board::Window& window = canvas->owner().model();
        if (const board::ReadingOf reading = window.reading()) plan_ = reading(window);
        announced_ = board::glance(window, plan_);
        children_.reserve(plan_.items.size());
        for (std::size_t i = 0; i < plan_.items.size(); ++i) {
            children_.push_back(QAccessible::registerAccessibleInterface(make_child(i)));
        }
        name_controls(canvas->owner(), plan_.controls);
    }
    ~CanvasAccessible() override {
        for (const QAccessible::Id id : children_) QAccessible::deleteAccessibleInterface(id);
    }

    Canvas* canvas() const { return static_cast<Canvas*>(widget()); }
    // False once the game has unloaded the window: nothing of it is left to read.
    bool live() const { return widget() && canvas()->owner().alive(); }
    const board::ReadingPlan& plan() const { return plan_; }
    // How every item looks now; worked out again only after the window changed.
    const std::vector<board::Glance>& looks() const {
        const std::uint64_t revision = canvas()->owner().model().revision();
        if (revision != looked_at_) {
            looks_ = board::glance(canvas()->owner().model(), plan_);
            looked_at_ = revision;
        }
        return looks_;
    }
    QAccessibleInterface* item(std::size_t index) const {
        return index < children_.size() ? QAccessible::accessibleInterface(children_[index])
                                        : nullptr;
    }

    void announce() {
        if (!live()) return;
        const std::vector<board::Glance>& now = looks();
        for (std::size_t i = 0; i < now.size(); ++i) {
            const board::Glance& was = announced_[i];
            const board::Glance& is = now[i];
            if (was == is) continue;
            QAccessibleInterface* iface = item(i);
            if (was.seen != is.seen) {
                QAccessibleEvent shown(iface,
                                       is.seen ? QAccessible::ObjectShow : QAccessible::ObjectHide);
                QAccessible::updateAccessibility(&shown);
                send_visible_state(iface, is.seen);
            }
            if (is.seen && was.name != is.name) {
                QAccessibleEvent named(iface, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&named);
            }
            if (was.enabled != is.enabled) {
                QAccessible::State changed;
                changed.disabled = true;
                QAccessibleStateChangeEvent state(iface, changed);
                QAccessible::updateAccessibility(&state);
            }
            if (is.seen && (was.left != is.left || was.top != is.top || was.width != is.width ||
                            was.height != is.height)) {
                QAccessibleEvent moved(iface, QAccessible::LocationChanged);
                QAccessible::updateAccessibility(&moved);
            }
        }
        announced_ = now;
        tell_news();
    }

    int childCount() const override { return live() ? static_cast<int>(children_.size()) : 0; }
    QAccessibleInterface* child(int index) const override {
        return live() && index >= 0 ? item(static_cast<std::size_t>(index)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < children_.size(); ++i) {
            if (item(i) == child) return static_cast<int>(i);
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (!live()) return nullptr;
        // What the mouse would reach there, if the plan reads it.
        const QPoint at = canvas()->mapFromGlobal(QPoint(x, y));
        const board::Element* e =
            canvas()->owner().model().element_at(to_twips(at.x() + 0.5), to_twips(at.y() + 0.5));
        const std::size_t index = plan_.index_of(e);
        return index < plan_.items.size() && looks()[index].seen ? item(index) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return QString::fromStdString(plan_.surface_name);
        return QAccessibleWidget::text(t);
    }

  private:
    QAccessibleInterface* make_child(std::size_t index);
    // Says unasked what a sighted player would have noticed. A hidden window keeps
    // its news until it shows again: the player finds the round's end on return.
    void tell_news();

    board::ReadingPlan plan_;
    std::vector<QAccessible::Id> children_;
    std::vector<board::Glance> announced_;
    mutable std::vector<board::Glance> looks_;
    mutable std::uint64_t looked_at_ = 0;
};

// One painted element. It has no object of its own: the canvas paints it.
class ElementAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    ElementAccessible(CanvasAccessible& surface, std::size_t index)
        : surface_(surface), index_(index) {}

    bool isValid() const override { return surface_.live(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return surface_.window(); }
    QAccessibleInterface* parent() const override { return &surface_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        const board::Glance& look = surface_.looks()[index_];
        switch (t) {
            case QAccessible::Name:
                return QString::fromStdString(look.name);
            case QAccessible::Description:
                return look.seen ? QString::fromStdString(item().description) : QString();
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const board::Glance& look = surface_.looks()[index_];
        const QPoint corner = surface_.canvas()->mapToGlobal(
            QPoint(to_whole_pixels(look.left), to_whole_pixels(look.top)));
        return {corner, QSize(to_whole_pixels(look.width), to_whole_pixels(look.height))};
    }

    QAccessible::Role role() const override {
        if (!isValid()) return QAccessible::NoRole;
        return item().role == board::ReadingRole::Text ? QAccessible::StaticText
                                                       : QAccessible::Graphic;
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const board::Glance& look = surface_.looks()[index_];
        s.invisible = !look.seen;
        s.disabled = !look.enabled;
        return s;
    }

    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> out;
        if (!isValid()) return out;
        const board::ReadingPlan& plan = surface_.plan();
        if ((match & QAccessible::Label) && item().heading) {
            const std::size_t heading = plan.index_of(item().heading);
            if (QAccessibleInterface* iface = surface_.item(heading))
                out.append({iface, QAccessible::Label});
        }
        if (match & QAccessible::Labelled) {
            for (std::size_t i = 0; i < plan.items.size(); ++i) {
                if (plan.items[i].heading == item().element) {
                    out.append({surface_.item(i), QAccessible::Labelled});
                }
            }
        }
        return out;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface && isValid() && item().pressable)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override {
        if (!isValid() || !item().pressable) return {};
        const board::Glance& look = surface_.looks()[index_];
        return look.seen && look.enabled ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (name != pressAction() || !actionNames().contains(name)) return;
        // A press and a release in its middle, routed by the game as a mouse's
        // are, but apart from whatever press the mouse itself holds.
        const board::Glance& look = surface_.looks()[index_];
        const int x = look.left + look.width / 2;
        const int y = look.top + look.height / 2;
        WindowWidget& view = surface_.canvas()->owner();
        board::Runtime& game = view.game();
        const std::string window = view.window_name();
        guarded(game, [&] { game.tap(window, x, y); });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    const board::ReadingItem& item() const { return surface_.plan().items[index_]; }

    CanvasAccessible& surface_;
    std::size_t index_;
};

QAccessibleInterface* CanvasAccessible::make_child(std::size_t index) {
    return new ElementAccessible(*this, index);
}

// A game window: a frame, or a dialog where its plan says so, named by its title.
// Where the toolkit cannot announce, the frame's last child is the notifier that
// speaks the game's news, of every window. A dialog has none: Orca says a
// dialog's whole text again before anything that shows inside it.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(WindowWidget* view) : QAccessibleWidget(view, role_of(view)) {
        if (!kToolkitAnnounces && role() == QAccessible::Window) {
            notifier_ = new Notifier(*this);
            notifier_id_ = QAccessible::registerAccessibleInterface(notifier_);
        }
    }
    ~WindowAccessible() override {
        if (notifier_) QAccessible::deleteAccessibleInterface(notifier_id_);
    }
    Notifier* notifier() const { return notifier_; }

    int childCount() const override {
        return QAccessibleWidget::childCount() + (notifier_ ? 1 : 0);
    }
    QAccessibleInterface* child(int index) const override {
        if (notifier_ && index == QAccessibleWidget::childCount()) return notifier_;
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (notifier_ && child == notifier_) return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

  private:
    static QAccessible::Role role_of(WindowWidget* view) {
        const auto* surface =
            dynamic_cast<CanvasAccessible*>(QAccessible::queryAccessibleInterface(view->canvas()));
        return surface && surface->plan().dialog ? QAccessible::Dialog : QAccessible::Window;
    }

    Notifier* notifier_ = nullptr;
    QAccessible::Id notifier_id_ = 0;
};

// The frame that speaks for the game, with its notifier where it has one.
std::pair<WindowWidget*, Notifier*> game_voice() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* view = qobject_cast<WindowWidget*>(widget);
        if (!view || !view->alive()) continue;
        auto* window = dynamic_cast<WindowAccessible*>(QAccessible::queryAccessibleInterface(view));
        if (window && window->role() == QAccessible::Window) return {view, window->notifier()};
    }
    return {nullptr, nullptr};
}

void CanvasAccessible::tell_news() {
    if (!plan_.news || !canvas()->owner().model().visible()) return;
    const std::string said = plan_.news();
    if (said.empty()) return;
    const auto [frame, notifier] = game_voice();
    if (frame) say_unasked(*frame, notifier, QString::fromStdString(said));
}

// A frame: a group named by the caption on its border.
class FrameAccessible : public QAccessibleWidget {
  public:
    explicit FrameAccessible(FrameWidget* frame)
        : QAccessibleWidget(frame, QAccessible::Grouping) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        auto* view = qobject_cast<WindowWidget*>(widget()->window());
        if (!view || !view->alive()) return {};
        const board::Element* frame = view->model().find(view->element_of(widget()));
        return frame ? QString::fromStdString(board::tidy(frame->caption())) : QString();
    }
};

QAccessibleInterface* canvas_factory(const QString&, QObject* object) {
    if (auto* canvas = qobject_cast<Canvas*>(object)) return new CanvasAccessible(canvas);
    if (auto* view = qobject_cast<WindowWidget*>(object)) return new WindowAccessible(view);
    if (auto* frame = qobject_cast<FrameWidget*>(object)) return new FrameAccessible(frame);
    return nullptr;
}

}  // namespace

void install_accessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(canvas_factory);
}

void describe_controls(Canvas& canvas) {
    board::Window& window = canvas.owner().model();
    if (const board::ReadingOf reading = window.reading())
        name_controls(canvas.owner(), reading(window).controls);
}

void announce_changes(Canvas& canvas) {
    if (!QAccessible::isActive()) return;
    if (auto* surface =
            dynamic_cast<CanvasAccessible*>(QAccessible::queryAccessibleInterface(&canvas)))
        surface->announce();
}

}  // namespace desktop
