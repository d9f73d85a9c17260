#include "tools/art/sheet.h"

#include <QFont>
#include <QImageReader>
#include <QMap>
#include <QPainter>
#include <QTextStream>

#include <functional>
#include <vector>

#include "desktop/art_pick.h"
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
    return img.size() == QSize(w, h)
               ? img
               : img.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

const Asset& asset_named(const QString& name) {
    for (const Asset& a : assets())
        if (a.name == name) return a;
    return assets().front();
}

// The file the game paints a picture from at `device` pixels on a screen of the given
// ratio, by the game's own rule.
QString picked_file(const Asset& a, QSize device, int ratio) {
    struct Drawn {
        QString file;
        desktop::Drawing drawing;
    };
    std::vector<Drawn> drawn{{file_name(a), {a.size.width(), a.size.height(), 1}}};
    for (const Variant& v : a.variants) {
        drawn.push_back({file_name(a, v), {v.size.width(), v.size.height(), v.ratio}});
    }
    const Drawn* pick = desktop::pick_drawing(drawn, device.width(), device.height(), ratio,
                                              [](const Drawn& d) { return d.drawing; });
    return pick->file;
}

}  // namespace

int write_contact_sheet(const QString& asset_dir, const QString& out_png) {
    QMap<QString, QImage> img;  // every file by its name; the stored ones also by asset
    QTextStream err(stderr);
    for (const Asset& a : assets()) {
        QStringList files{file_name(a)};
        for (const Variant& v : a.variants) files << file_name(a, v);
        for (const QString& f : files) {
            QImageReader r(asset_dir + "/" + f);
            QImage i = r.read();
            if (i.isNull()) {
                err << "cannot read " << f << ": " << r.errorString() << "\n";
                return 1;
            }
            img[f] = i.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
        img[a.name] = img[file_name(a)];
    }
    // A picture as the game paints it w x h logical pixels large at the given ratio.
    auto shown = [&](const QString& name, int w, int h, int ratio) {
        const Asset& a = asset_named(name);
        return stretched(img[picked_file(a, QSize(w * ratio, h * ratio), ratio)], w * ratio,
                         h * ratio);
    };
    const int W = 1900;
    QImage sheet(W, 4600, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xF0F0EE));
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    p.setFont(font);

    // --- previews, side by side: the art for ratio 1 enlarged twice, and the art for
    // ratio 2, each at the size a screen of ratio 2 shows it ---
    const int k = 2;
    int y = 10;
    p.drawText(10, y + 14,
               QStringLiteral("In place at ratio 2: left the ratio-1 art stretched, right the "
                              "art drawn for ratio 2"));
    y += 24;
    // One preview of w x h logical pixels, painted as a screen of ratio 2 shows it with
    // the pictures the game picks at the given ratio.
    struct Preview {
        int w, h;
        QColor back;
        std::function<void(const std::function<void(const char*, int, int, int, int)>&)> place;
    };
    auto render = [&](const Preview& v, int ratio) {
        QImage out(v.w * k, v.h * k, QImage::Format_ARGB32_Premultiplied);
        out.fill(v.back);
        QPainter s(&out);
        v.place([&](const char* name, int x, int y0, int w, int h) {
            s.drawImage(x * k, y0 * k, stretched(shown(name, w, h, ratio), w * k, h * k));
        });
        return out;
    };
    const QString cells[3][4] = {
        {"pic_robot_knight", "pic_cell_empty", "pic_krot_costume", "pic_base_saucer"},
        {"pic_krot_simple", "pic_ring", "pic_cell_empty", "pic_krot_simple"},
        {"pic_cell_empty", "pic_base_saucer", "pic_krot_costume", "pic_robot_knight"}};
    const std::vector<Preview> previews{
        // The top strip: wall, captive, the falling hero and the growing villain.
        {401, 146, QColor(0x404040),
         [](const auto& put) {
             put("pic_wall", 0, 0, 401, 145);
             put("pic_captive", 216, 64, 137, 81);
             put("pic_hero", 80, 16, 57, 65);
             put("pic_villain", 136, 30, 40, 40);
         }},
        // The final scene's panel.
        {385, 121, Qt::black,
         [](const auto& put) {
             put("pic_sky", 0, 0, 385, 121);
             put("pic_airship_burn2", 16, 24, 97, 41);
             put("pic_flight", 264, 32, 121, 89);
         }},
        // The grid with the character frame and the banner, on the board's dark blue.
        {401, 260, QColor(0x0000C0),
         [&cells](const auto& put) {
             for (int r = 0; r < 3; ++r)
                 for (int c = 0; c < 4; ++c) {
                     put("pic_cell_empty", 16 + 56 * c, 8 + 56 * r, 57, 57);
                     put(qPrintable(cells[r][c]), 16 + 56 * c, 8 + 56 * r, 57, 57);
                 }
             put("pic_hero", 248, 16, 137, 161);
             put("pic_title", 8, 184, 377, 65);
         }},
        // The friend's frame and the other airship frames.
        {401, 170, QColor(0x0000C0),
         [](const auto& put) {
             put("pic_friend", 4, 4, 137, 161);
             const char* ships[] = {"pic_airship", "pic_airship_burn1", "pic_airship_burn3",
                                    "pic_airship_burn4"};
             for (int i = 0; i < 4; ++i)
                 put(ships[i], 150 + (i % 2) * 110, 20 + (i / 2) * 60, 97, 41);
         }},
        // The information window's logos and every pointer at its shown 32 x 32.
        {433, 232, QColor(0x0000C0),
         [](const auto& put) {
             put("pic_logo_word", 192, 120, 121, 41);
             put("pic_logo_studio", 312, 120, 113, 57);
             int i = 0;
             for (const Asset& a : assets()) {
                 if (a.format != Format::Ico8) continue;
                 put(qPrintable(a.name), 8 + (i % 5) * 36, 8 + (i / 5) * 36, 32, 32);
                 ++i;
             }
         }},
    };
    for (const Preview& v : previews) {
        p.drawImage(10, y, render(v, 1));
        p.drawImage(10 + v.w * k + 20, y, render(v, 2));
        y += v.h * k + 20;
    }
    y += 10;

    // --- every asset enlarged, pixels visible ---
    p.drawText(10, y, QStringLiteral("Every asset, enlarged (nearest neighbour)"));
    y += 10;
    int x = 10, row_h = 0;
    for (const Asset& a : assets()) {
        int s = a.format == Format::Ico8
                    ? 3
                    : (a.size.width() > 500 ? (a.size.width() > 800 ? 0 : 2) : 3);
        QImage big;
        if (s == 0) {
            big = stretched(img[a.name], 385, 121);
        } else {
            big = img[a.name].scaled(a.size.width() * s, a.size.height() * s, Qt::IgnoreAspectRatio,
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
        p.drawText(
            x, y + 6 + big.height() + 15,
            QStringLiteral("%1  %2x%3").arg(file_name(a)).arg(a.size.width()).arg(a.size.height()));
        x += std::max(big.width(), 200) + 16;
        row_h = std::max(row_h, big.height());
    }
    y += row_h + 40;
    p.end();
    return sheet.copy(0, 0, W, y).save(out_png) ? 0 : 1;
}

}  // namespace art
