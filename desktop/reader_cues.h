// What the toolkit's accessibility bridge does not tell a screen reader by itself,
// told here: that a painted element became visible or hidden (the bridge names
// only "showing", and Orca, which keeps what it last heard of each object, reads
// nothing that lacks "visible"), and words for the reader to say unasked.
#pragma once

#include <QAccessibleInterface>
#include <QString>

class QWidget;

namespace desktop {

// Tells the accessibility bus that the object is now visible or no longer so,
// beside the toolkit's own "showing".
void send_visible_state(QAccessibleInterface* object, bool visible);

// Where the toolkit has no announcement of its own, a notification object in each
// window speaks for it: it shows with the words, and a reader says what shows.
// Toolkits from 6.8 on announce through the toolkit instead and need none.
class Notifier : public QAccessibleInterface {
  public:
    explicit Notifier(QAccessibleInterface& window) : window_(window) {}

    void say(const QString& words);

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_.window(); }
    QAccessibleInterface* parent() const override { return &window_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    // No room on the screen, so that a review of the window passes it by.
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;

  private:
    QAccessibleInterface& window_;
    QString words_;
};

// Says the words through the toolkit's announcement where it has one, else
// through the window's notifier (which may be null while no reader listens).
void say_unasked(QWidget& window, Notifier* notifier, const QString& words);

// Whether this toolkit announces by itself.
constexpr bool kToolkitAnnounces =
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    true;
#else
    false;
#endif

}  // namespace desktop
