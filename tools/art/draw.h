// Shared drawing toolkit of the art generator: the palette, a supersampled layer,
// shaded cartoon parts and small path builders.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>

#include <initializer_list>

namespace art {

// One colour of a figure: flat base, top-left highlight, bottom-right shade, outline.
struct Tone {
    QColor base, light, shade, line;
};

namespace pal {
inline const Tone hero{QColor(0x2F6BE0), QColor(0x6FA2FF), QColor(0x1E3F8F), QColor(0x10245A)};
inline const Tone skin{QColor(0xF2C79B), QColor(0xFFE3C4), QColor(0xC9976A), QColor(0x5A3A1E)};
inline const Tone scarf{QColor(0x2DBE6C), QColor(0x7BE8A6), QColor(0x1B7F45), QColor(0x0B3D20)};
inline const Tone boots{QColor(0x8A4B2A), QColor(0xC07A4E), QColor(0x5A2C15), QColor(0x2E1408)};
inline const Tone fox{QColor(0xF08A24), QColor(0xFFB866), QColor(0xB85A10), QColor(0x5A2A06)};
inline const Tone cream{QColor(0xFFE7C2), QColor(0xFFF8EA), QColor(0xE0BC8A), QColor(0x5A2A06)};
inline const Tone sneaker{QColor(0x1FA3A3), QColor(0x6FE0DA), QColor(0x12706F), QColor(0x06302F)};
inline const Tone coat{QColor(0xC0392B), QColor(0xEE6A58), QColor(0x7E1E15), QColor(0x3A0C07)};
inline const Tone metal{QColor(0x9AA3AD), QColor(0xD4DBE2), QColor(0x67707A), QColor(0x23282E)};
inline const Tone steel{QColor(0xB4BEC9), QColor(0xE8EEF4), QColor(0x6C7785), QColor(0x1E232B)};
inline const Tone dark{QColor(0x3C434C), QColor(0x67717D), QColor(0x2A2F36), QColor(0x111418)};
inline const Tone pod{QColor(0x8E1B1B), QColor(0xC8473C), QColor(0x5A0E0E), QColor(0x260404)};
inline const Tone glass{QColor(0x5FE6F0), QColor(0xC8FAFF), QColor(0x2A9FB0), QColor(0x0C3C46)};
inline const Tone goggles{QColor(0x7FE3FF), QColor(0xD6F7FF), QColor(0x3A9DC0), QColor(0x0F3344)};
inline const Tone red_eye{QColor(0xFF3B30), QColor(0xFFA39C), QColor(0xB01810), QColor(0x3A0604)};
inline const Tone gold{QColor(0xF5C518), QColor(0xFFF08A), QColor(0xB8860B), QColor(0x5A3D00)};
inline const Tone flame{QColor(0xFF8A00), QColor(0xFFE066), QColor(0xE04A00), QColor(0x7A1E00)};
inline const Tone white{QColor(0xF4F6FA), QColor(0xFFFFFF), QColor(0xC2C8D2), QColor(0x2A3040)};
inline const Tone craft{QColor(0x2F8FE8), QColor(0x8FCBFF), QColor(0x1C55A0), QColor(0x0C2450)};
inline const QColor cell_grey(0x8E9096);
inline const QColor cell_line(0x6F7177);
}  // namespace pal

// A drawing surface supersampled 4 times. The painter works in "design units": the
// layer maps a design rectangle of dw x dh onto the w x h pixels of the asset, so a
// picture that the game stretches to another aspect can be drawn in the proportions
// the player will see.
class Layer {
  public:
    Layer(int w, int h, double dw = 0, double dh = 0);
    QPainter& p() { return painter_; }
    // Ends drawing and returns the layer reduced to w x h, premultiplied ARGB.
    QImage finish();
    static constexpr int kSuper = 4;

  private:
    int w_, h_;
    QImage hi_;
    QPainter painter_;
};

// Fills a part in its tone: base, a highlight crescent to the top-left, a shade crescent
// to the bottom-right, then the outline. depth sets the crescents' width in design
// units (0 picks one from the part's size).
void part(QPainter& p, const QPainterPath& path, const Tone& t, double line, double depth = 0);
// Same without the highlight (for parts lying in shadow).
void flat(QPainter& p, const QPainterPath& path, const Tone& t, double line);
void outline(QPainter& p, const QPainterPath& path, const QColor& c, double line);
// A white glint: the shine on metal, glass and eyes.
void glint(QPainter& p, QPointF c, double r, int alpha = 255);
// A four-pointed sparkle.
QPainterPath sparkle(QPointF c, double r, double waist = 0.22);

QPainterPath ellipse(double cx, double cy, double rx, double ry);
QPainterPath rrect(double x, double y, double w, double h, double r);
QPainterPath poly(std::initializer_list<QPointF> pts);
// A closed spike from a base segment a-b to a tip, with slightly bowed sides.
QPainterPath spike(QPointF a, QPointF b, QPointF tip, double bow = 0.0);
// A star polygon with n points.
QPainterPath star(QPointF c, double r_out, double r_in, int n, double rot_deg = -90);
QPainterPath rotated(const QPainterPath& path, QPointF about, double deg);

// Draws a layer's finished image over a background image of the same size.
QImage over(QImage bg, const QImage& fg);

// A small deterministic noise source (no global state).
class Rng {
  public:
    explicit Rng(quint32 seed) : s_(seed ? seed : 1) {}
    double next();  // in [0, 1)
    double range(double a, double b) { return a + (b - a) * next(); }

  private:
    quint32 s_;
};

}  // namespace art
