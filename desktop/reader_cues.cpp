#include "desktop/reader_cues.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#include <QWidget>

namespace desktop {

void send_visible_state(QAccessibleInterface* object, bool visible) {
    // The bridge keeps its own connection to the accessibility bus under this
    // name, and names each object by its id under this path: the signal goes
    // out as the bridge's own "showing" does, from the same sender.
    const QDBusConnection bus(QStringLiteral("a11y"));
    if (!object || !bus.isConnected()) return;
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/") +
                         QString::number(QAccessible::uniqueId(object));
    QDBusMessage signal = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    signal << QStringLiteral("visible") << int(visible) << 0 << QVariant::fromValue(QDBusVariant(0))
           << QVariantMap();
    bus.send(signal);
}

void Notifier::say(const QString& words) {
    words_ = words;
    // A reader acts on the change to showing: hidden first, so that every new
    // message shows anew, and named before it shows.
    QAccessibleEvent hidden(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QString Notifier::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? words_ : QString();
}

QRect Notifier::rect() const {
    const QRect frame = window_.rect();
    return {frame.topLeft(), QSize(0, 0)};
}

QAccessible::State Notifier::state() const {
    QAccessible::State s;
    s.invisible = words_.isEmpty();
    s.readOnly = true;
    return s;
}

void say_unasked(QWidget& window, Notifier* notifier, const QString& words) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    (void)notifier;
    QAccessibleAnnouncementEvent event(&window, words);
    QAccessible::updateAccessibility(&event);
#else
    (void)window;
    if (notifier) notifier->say(words);
#endif
}

}  // namespace desktop
