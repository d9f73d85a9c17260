#include "desktop/painting.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QResource>
#include <cmath>

#include "desktop/art.h"
#include "desktop/caption.h"
#include "desktop/colours.h"
#include "desktop/units.h"

namespace desktop {

namespace {

// Registers the built-in face once and tells its family name.
QString built_in_family() {
    static const QString family = [] {
        // Read in place from the program's own data, not copied: only the
        // parts of the face that are used ever come into memory.
        const QResource face(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
        const int id = face.compressionAlgorithm() == QResource::NoCompression
                           ? QFontDatabase::addApplicationFontFromData(
                                 QByteArray::fromRawData(reinterpret_cast<const char*>(face.data()),
                                                         static_cast<qsizetype>(face.size())))
                           : QFontDatabase::addApplicationFont(face.fileName());
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("Liberation Sans") : families.first();
    }();
    return family;
}

}  // namespace

QFont game_font() {
    // A sans-serif face of about 8 points, whose spaces are about 3 pixels wide,
    // for which the captions centred by leading spaces come out centred. It is
    // built in, so no machine draws the board in another face.
    QFont font(built_in_family());
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    // The advances of the face itself, not of whatever hinting the desktop's
    // font settings ask for: captions fitted by their widths fit everywhere.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

namespace {

QString qstring(const std::string& s) {
    return QString::fromStdString(s);
}

void paint_label(QPainter& p, const board::Element& e) {
    const QRectF r = pixel_rect(e);
    p.fillRect(r, to_qcolor(e.back_color()));
    const QString caption = qstring(e.caption());
    if (caption.trimmed().isEmpty()) return;
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.setPen(to_qcolor(e.fore_color()));
    const QFontMetricsF metrics(p.font());
    qreal y = r.top();
    for (const QString& line : wrap_caption(caption, r.width(), metrics)) {
        qreal x = r.left();
        if (e.alignment() == board::Alignment::Centre) {
            x += (r.width() - metrics.horizontalAdvance(line)) / 2;
        }
        p.drawText(QPointF(x, y + metrics.ascent()), line);
        y += metrics.height();
        if (y >= r.bottom()) break;
    }
    p.restore();
}

void paint_picture(QPainter& p, const board::Element& e, qreal dpr) {
    if (!e.picture()) return;
    const QRectF r = pixel_rect(e);
    if (r.width() <= 0 || r.height() <= 0) return;
    const int w = static_cast<int>(std::ceil(r.width()));
    const int h = static_cast<int>(std::ceil(r.height()));
    const QPixmap pixmap = scaled_picture(e.picture()->asset(), w, h, dpr);
    p.drawPixmap(r, pixmap, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
}

void paint_shape(QPainter& p, const board::Element& e) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(to_qcolor(e.fore_color()));
    p.drawEllipse(pixel_rect(e));
    p.restore();
}

}  // namespace

void paint_contents(QPainter& painter, const board::Window& window, const board::Element* container,
                    qreal device_pixel_ratio) {
    const auto children = window.children(container);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        const board::Element& e = **it;
        if (!e.visible()) continue;
        switch (e.kind()) {
            case board::Kind::Label:
                paint_label(painter, e);
                break;
            case board::Kind::Picture:
                paint_picture(painter, e, device_pixel_ratio);
                break;
            case board::Kind::Shape:
                paint_shape(painter, e);
                break;
            default:
                break;  // buttons, text boxes and frames are widgets of their own
        }
    }
}

void paint_frame(QPainter& p, const board::Element& frame) {
    const QRectF r(0, 0, to_pixels(frame.width()), to_pixels(frame.height()));
    p.fillRect(r, to_qcolor(frame.back_color()));
    const QFontMetricsF metrics(p.font());
    const qreal line_y = std::floor(metrics.height() / 2);
    // An etched border, as panels have on the desktop.
    const QRectF border = r.adjusted(0.5, line_y + 0.5, -1.5, -1.5);
    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    p.drawRect(border);
    p.setPen(Qt::white);
    p.drawRect(border.translated(1, 1));
    const QString caption = QString::fromStdString(frame.caption());
    if (!caption.isEmpty()) {
        const QRectF text(8, 0, metrics.horizontalAdvance(caption), metrics.height());
        p.fillRect(text, to_qcolor(frame.back_color()));
        p.setPen(to_qcolor(frame.fore_color()));
        p.drawText(QPointF(text.left(), metrics.ascent()), caption);
    }
}

}  // namespace desktop
