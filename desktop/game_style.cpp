#include "desktop/game_style.h"

#include <QStyleFactory>

namespace desktop {

GameStyle::GameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int GameStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    if (metric == PM_ButtonMargin) return 2;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int GameStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returned) const {
    // Access letters are always underlined, as the captions promise them.
    if (hint == SH_UnderlineShortcut) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returned);
}

}  // namespace desktop
