// How a label's caption is laid out: wrapped at spaces to the label's width,
// with its leading spaces counted, so captions centred by spaces look centred.
#pragma once

#include <QFontMetricsF>
#include <QString>
#include <QStringList>

namespace desktop {

// Breaks at runs of spaces, which the break swallows. The first line keeps the
// caption's leading spaces; when they leave no room for the first word, they
// stand on a line of their own. A word wider than the width stays whole.
QStringList wrap_caption(const QString& caption, qreal width, const QFontMetricsF& metrics);

}  // namespace desktop
