// Lettered pictures: the title banner and the two logos of the information window.
#include <QFont>
#include <QFontDatabase>

#include "tools/art/logos.h"

#include "tools/art/draw.h"

#include <cmath>

namespace art {

namespace {

// A bold sans face from the system's DejaVu files, loaded by path so that the output
// does not depend on what the font configuration would pick.
QFont lettering_font(bool oblique = false) {
    static QString family[2];
    const int i = oblique ? 1 : 0;
    if (family[i].isEmpty()) {
        const char* file = oblique ? "/usr/share/fonts/truetype/dejavu/DejaVuSans-BoldOblique.ttf"
                                   : "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
        int id = QFontDatabase::addApplicationFont(file);
        QStringList f = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
        family[i] = f.isEmpty() ? QStringLiteral("DejaVu Sans") : f.first();
    }
    QFont font(family[i]);
    font.setBold(true);
    font.setItalic(oblique);
    font.setPixelSize(100);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The outline of a text, scaled to fill the given box exactly.
QPainterPath text_in(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    QRectF b = path.boundingRect();
    QTransform t;
    t.translate(box.x(), box.y());
    t.scale(box.width() / b.width(), box.height() / b.height());
    t.translate(-b.x(), -b.y());
    return t.map(path);
}

// Nudges every point of a path by a smooth, deterministic wobble: hand-drawn letters.
QPainterPath wobble(const QPainterPath& path, double amount, double freq, quint32 seed) {
    Rng rng(seed);
    const double ph1 = rng.range(0, 6.28), ph2 = rng.range(0, 6.28);
    QPainterPath out;
    for (const QPolygonF& poly : path.toSubpathPolygons()) {
        QPolygonF q;
        for (const QPointF& pt : poly) {
            double dx = amount * std::sin(pt.y() * freq + ph1 + pt.x() * freq * 0.3);
            double dy = amount * std::sin(pt.x() * freq * 1.3 + ph2);
            q << pt + QPointF(dx, dy);
        }
        out.addPolygon(q);
        out.closeSubpath();
    }
    out.setFillRule(Qt::WindingFill);
    return out;
}

}  // namespace

QImage draw_title(QSize size) {
    // The banner is shown about 5.8 times as wide as high: draw in those proportions.
    const double W = 551, H = 95;
    Layer l(size.width(), size.height(), W, H);
    QPainter& p = l.p();
    // Orange and brown checkerboard, each square with a little bevel.
    const double sq = 19;
    const QColor orange(0xF39A2B), brown(0x8A4B1F);
    for (int r = 0; r * sq < H; ++r) {
        for (int c = 0; c * sq < W; ++c) {
            const bool o = (r + c) % 2 == 0;
            QRectF cell(c * sq, r * sq, sq, sq);
            p.fillRect(cell, o ? orange : brown);
            p.fillRect(QRectF(cell.x(), cell.y(), sq, 2),
                       o ? orange.lighter(118) : brown.lighter(125));
            p.fillRect(QRectF(cell.x(), cell.bottom() - 2, sq, 2),
                       o ? orange.darker(115) : brown.darker(125));
        }
    }
    // Dark frame.
    p.setPen(QPen(QColor(0x3A1A06), 5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 2.5, W - 5, H - 5));
    p.setPen(QPen(QColor(0xFFD27A), 1.5));
    p.drawRect(QRectF(6, 6, W - 12, H - 12));
    // The title, letter by letter with a little bounce.
    const QString title = QStringLiteral("DROVANTA");
    const QFont font = lettering_font();
    const double left = 22, right = W - 22, top = 13, height = 66;
    const double gap = 8;
    const double lw = (right - left - gap * (title.size() - 1)) / title.size();
    QPainterPath letters;
    for (int i = 0; i < title.size(); ++i) {
        double x = left + i * (lw + gap);
        double bounce = (i % 2 == 0) ? -2.0 : 2.0;
        QPainterPath ch = text_in(QString(title[i]), font, QRectF(x, top + bounce, lw, height));
        letters.addPath(rotated(ch, QPointF(x + lw / 2, top + height / 2), (i % 2 == 0) ? -3 : 3));
    }
    letters = letters.simplified();
    // Drop shadow, thick blue outline, yellow fill with a lit top and a shaded foot.
    p.setPen(QPen(QColor(0x0A1A4A), 13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x0A1A4A));
    p.drawPath(letters.translated(3, 4));
    p.setPen(QPen(QColor(0x1B3FA8), 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x1B3FA8));
    p.drawPath(letters);
    p.setPen(QPen(QColor(0x4F7EF0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(letters.translated(-1.2, -1.6));
    p.setPen(Qt::NoPen);
    QLinearGradient g(0, top, 0, top + height);
    g.setColorAt(0, QColor(0xFFF6A0));
    g.setColorAt(0.45, QColor(0xFFD21F));
    g.setColorAt(1, QColor(0xF5A000));
    p.fillPath(letters, g);
    p.fillPath(letters.subtracted(letters.translated(0, -3.5)), QColor(0xD98200));
    // A shine across the upper half of the letters.
    p.save();
    p.setClipPath(letters);
    p.fillRect(QRectF(0, top + 6, W, 4), QColor(255, 255, 255, 150));
    p.restore();
    // Sparkles.
    p.setBrush(QColor(0xFFFBE0));
    p.drawPath(sparkle({14, 14}, 9));
    p.drawPath(sparkle({W - 16, H - 15}, 9));
    return l.finish();
}

QImage draw_logo_word(QSize size) {
    // Shown about three times as wide as high.
    const double W = 126, H = 43;
    Layer l(size.width(), size.height(), W, H);
    QPainter& p = l.p();
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, QColor(0xFFB347));
    g.setColorAt(1, QColor(0xE8740C));
    p.fillRect(QRectF(0, 0, W, H), g);
    // Rays from behind the word.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 120, 110));
    for (int i = 0; i < 12; ++i) {
        QPainterPath ray =
            poly({{63, 21},
                  {63 + 120 * std::cos(i * 0.5236), 21 + 120 * std::sin(i * 0.5236)},
                  {63 + 120 * std::cos(i * 0.5236 + 0.2), 21 + 120 * std::sin(i * 0.5236 + 0.2)}});
        p.drawPath(ray);
    }
    const QPainterPath word =
        text_in(QStringLiteral("ВОРБЛИН"), lettering_font(true), QRectF(7, 7, 112, 23));
    p.setPen(QPen(QColor(0xFFE14A), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFFE14A));
    p.drawPath(word);
    p.setPen(QPen(QColor(0x5A0A05), 1.0));
    p.setBrush(QColor(0xD4231A));
    p.drawPath(word);
    p.setPen(Qt::NoPen);
    p.fillPath(word.subtracted(word.translated(0, 1.6)), QColor(0xFF6A50));
    // A swoosh underline.
    QPainterPath sw;
    sw.moveTo(10, 36);
    sw.quadTo(63, 29, 118, 35);
    sw.quadTo(63, 34, 10, 38.5);
    sw.closeSubpath();
    p.setBrush(QColor(0xD4231A));
    p.drawPath(sw);
    p.setPen(QPen(QColor(0x7A1A08), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, W - 3, H - 3));
    return l.finish();
}

QImage draw_logo_studio(QSize size) {
    // Shown about twice as wide as high.
    const double W = 270, H = 136;
    Layer l(size.width(), size.height(), W, H);
    QPainter& p = l.p();
    p.fillRect(QRectF(0, 0, W, H), QColor(0xFBF6EA));
    // Faint pencil guide lines.
    p.setPen(QPen(QColor(0xC8D4E6), 0.8));
    for (double y = 20; y < H; y += 17) p.drawLine(QPointF(6, y), QPointF(W - 6, y));
    const QColor red(0xD0201A), deep(0x8A0E0A);
    auto letter = [&](const QString& text, const QRectF& box, quint32 seed, double pen) {
        QPainterPath t = wobble(text_in(text, lettering_font(true), box), 1.4, 0.09, seed);
        p.setPen(QPen(deep, pen + 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(deep);
        p.drawPath(t.translated(1.5, 1.5));
        p.setPen(QPen(red, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(red);
        p.drawPath(t);
    };
    letter(QStringLiteral("Тровилка"), QRectF(18, 14, 234, 60), 7, 3.0);
    letter(QStringLiteral("студия"), QRectF(96, 86, 120, 30), 9, 2.2);
    // A marker underline flourish and a doodled star.
    QPainterPath u;
    u.moveTo(20, 84);
    u.cubicTo(60, 78, 90, 92, 84, 104);
    u.cubicTo(80, 112, 60, 110, 64, 100);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(red, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(u);
    p.setPen(QPen(red, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(wobble(star({236, 104}, 13, 5.5, 5), 0.8, 0.3, 3));
    p.drawLine(QPointF(30, 122), QPointF(44, 120));
    return l.finish();
}

}  // namespace art
