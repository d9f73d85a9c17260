// The look of the native controls: the desktop's Fusion style with the narrow
// button margins that the board's small buttons need for their captions.
#pragma once

#include <QProxyStyle>

namespace desktop {

class GameStyle final : public QProxyStyle {
  public:
    GameStyle();
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returned = nullptr) const override;
};

}  // namespace desktop
