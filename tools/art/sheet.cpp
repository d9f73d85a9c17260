#include "tools/art/sheet.h"

#include <QFont>
#include <QImageReader>
#include <QMap>
#include <QPainter>
#include <QTextStream>

#include "tools/art/assets.h"

namespace art {

namespace {

QImage checker(int w, int h, int sq) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    for (int y = 0; y < h; y += sq)
        for (int x = 0; x < w; x += sq)
            p.fillRect(x, y, sq, sq, ((x / sq + y / sq) % 2) ? QColor(0xCCCCCC) : QColor(0xFFFFFF));
    return img;
}

// Scaled the way the game's views scale pictures to their elements.
QImage stretched(const QImage& img, int w, int h) {
    return img.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

int write_contact_sheet(const QString& asset_dir, const QString& out_png) {
    QMap<QString, QImage> img;
    QTextStream err(stderr);
    for (const Asset& a : assets()) {
        QImageReader r(asset_dir + "/" + file_name(a));
        QImage i = r.read();
        if (i.isNull()) {
            err << "cannot read " << file_name(a) << ": " << r.errorString() << "\n";
            return 1;
        }
        img[a.name] = i.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    const int W = 1900;
    QImage sheet(W, 3400, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xF0F0EE));
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    p.setFont(font);

    // --- previews at twice the logical size, as on a HiDPI screen ---
    const int k = 2;
    int y = 10;
    p.drawText(10, y + 14, QStringLiteral("In place, 2x (stretched as the game stretches them)"));
    y += 24;
    // Top strip: wall, captive; the floor line under it.
    QImage strip(401, 146, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter s(&strip);
        s.drawImage(0, 0, stretched(img["pic_wall"], 401, 145));
        s.drawImage(216, 64, stretched(img["pic_captive"], 137, 81));
        s.drawImage(80, 16, stretched(img["pic_hero"], 57, 65));
        s.drawImage(136, 30, stretched(img["pic_villain"], 40, 40));
        s.fillRect(0, 144, 401, 2, QColor(0x404040));
    }
    p.drawImage(10, y, stretched(strip, 401 * k, 146 * k));
    // Final scene panel.
    QImage panel(385, 121, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter s(&panel);
        s.drawImage(0, 0, stretched(img["pic_sky"], 385, 121));
        s.drawImage(16, 24, stretched(img["pic_airship_burn2"], 97, 41));
        s.drawImage(264, 32, stretched(img["pic_flight"], 121, 89));
    }
    p.drawImage(10 + 401 * k + 20, y, stretched(panel, 385 * k, 121 * k));
    y += 146 * k + 20;
    // The grid with the character frame and the banner, on the board's dark blue.
    QImage board(401, 260, QImage::Format_ARGB32_Premultiplied);
    board.fill(QColor(0x0000C0));
    {
        QPainter s(&board);
        const char* cells[3][4] = {
            {"pic_robot_knight", "pic_cell_empty", "pic_krot_costume", "pic_base_saucer"},
            {"pic_krot_simple", "pic_ring", "pic_cell_empty", "pic_krot_simple"},
            {"pic_cell_empty", "pic_base_saucer", "pic_krot_costume", "pic_robot_knight"}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c) {
                s.drawImage(16 + 56 * c, 8 + 56 * r, stretched(img["pic_cell_empty"], 57, 57));
                s.drawImage(16 + 56 * c, 8 + 56 * r, stretched(img[cells[r][c]], 57, 57));
            }
        s.drawImage(248, 16, stretched(img["pic_hero"], 137, 161));
        s.drawImage(8, 184, stretched(img["pic_title"], 377, 65));
    }
    p.drawImage(10, y, stretched(board, 401 * k, 260 * k));
    // Pointers at their shown size (32 x 32) on the board colour, and the info window logos.
    int px = 10 + 401 * k + 20, py = y;
    QImage info(433, 232, QImage::Format_ARGB32_Premultiplied);
    info.fill(QColor(0x0000C0));
    {
        QPainter s(&info);
        s.drawImage(192, 120, stretched(img["pic_logo_word"], 121, 41));
        s.drawImage(312, 120, stretched(img["pic_logo_studio"], 113, 57));
        int i = 0;
        for (const Asset& a : assets()) {
            if (a.format != Format::Ico8) continue;
            s.drawImage(8 + (i % 5) * 36, 8 + (i / 5) * 36, stretched(img[a.name], 32, 32));
            ++i;
        }
    }
    p.drawImage(px, py, stretched(info, 433 * k, 232 * k));
    y += 260 * k + 30;

    // --- every asset enlarged, pixels visible ---
    p.drawText(10, y, QStringLiteral("Every asset, enlarged (nearest neighbour)"));
    y += 10;
    int x = 10, row_h = 0;
    for (const Asset& a : assets()) {
        int s = a.format == Format::Ico8 ? 3 : (a.width > 500 ? (a.width > 800 ? 0 : 2) : 3);
        QImage big;
        if (s == 0) {
            big = stretched(img[a.name], 385, 121);
        } else {
            big = img[a.name].scaled(a.width * s, a.height * s, Qt::IgnoreAspectRatio,
                                     Qt::FastTransformation);
        }
        if (a.format == Format::Ico8) {
            QImage bg = checker(big.width(), big.height(), 12);
            QPainter b(&bg);
            b.drawImage(0, 0, big);
            b.setPen(QPen(QColor(255, 0, 0, 160), 1));
            b.drawLine(24 * s + s / 2 - 6, 24 * s + s / 2, 24 * s + s / 2 + 6, 24 * s + s / 2);
            b.drawLine(24 * s + s / 2, 24 * s + s / 2 - 6, 24 * s + s / 2, 24 * s + s / 2 + 6);
            b.end();
            big = bg;
        }
        if (x + big.width() > W - 10) {
            x = 10;
            y += row_h + 26;
            row_h = 0;
        }
        p.drawImage(x, y + 6, big);
        p.setPen(Qt::black);
        p.drawText(x, y + 6 + big.height() + 15,
                   QStringLiteral("%1  %2x%3").arg(file_name(a)).arg(a.width).arg(a.height));
        x += std::max(big.width(), 200) + 16;
        row_h = std::max(row_h, big.height());
    }
    y += row_h + 40;
    p.end();
    return sheet.copy(0, 0, W, y).save(out_png) ? 0 : 1;
}

}  // namespace art
