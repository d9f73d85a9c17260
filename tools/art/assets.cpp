#include "tools/art/assets.h"

#include <QTextStream>

#include <cmath>
#include <string>
#include <string_view>

#include "board/layout/main_board.h"
#include "desktop/units.h"
#include "info/information_window.h"

#include "tools/art/cell.h"
#include "tools/art/characters.h"
#include "tools/art/logos.h"
#include "tools/art/pointers.h"
#include "tools/art/scenes.h"

namespace art {

namespace {

// Variants for a picture shown at w x h logical pixels, at each of the given ratios.
std::vector<Variant> shown_at(int w, int h, std::initializer_list<int> ratios) {
    std::vector<Variant> out;
    for (int r : ratios) out.push_back({QSize(w * r, h * r), r});
    return out;
}

std::vector<Variant> operator+(std::vector<Variant> a, const std::vector<Variant>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The size an element of a window's layout is shown at, in logical pixels.
QSize shown_size(const board::WindowLayout& window, std::string_view element) {
    for (const board::ElementRow& row : window.rows) {
        if (row.name == element) {
            return {desktop::to_whole_pixels(row.width), desktop::to_whole_pixels(row.height)};
        }
    }
    qFatal("the layout of %s has no element %s", std::string(window.name).c_str(),
           std::string(element).c_str());
}

const board::WindowLayout& main_board() {
    static const board::WindowLayout layout = board::layout::main_board();
    return layout;
}
const board::WindowLayout& information_window() {
    static const board::WindowLayout layout = info::information_window();
    return layout;
}

// Variants for a picture shown where an element of a layout stands.
std::vector<Variant> shown_in(const board::WindowLayout& window, std::string_view element,
                              std::initializer_list<int> ratios) {
    const QSize size = shown_size(window, element);
    return shown_at(size.width(), size.height(), ratios);
}
std::vector<Variant> on_board(std::string_view element, std::initializer_list<int> ratios) {
    return shown_in(main_board(), element, ratios);
}

// Where the pictures are shown. Targets and the ring take the place of the empty
// cells; the friend's picture the portrait's; every stage of the airship its own.
const std::vector<Variant> kCell = on_board(board::layout::kCells[0], {2, 3});
const std::vector<Variant> kCharacterFrame = on_board("Image1", {1, 2, 3});
const std::vector<Variant> kAirship = on_board("Imagebaze", {2, 3});
// The villain grows in the opening scene from his place in the layout up to this.
constexpr int kVillainLargest = 85;

Asset bmp(const char* name, int w, int h, std::function<QImage(QSize)> f,
          std::vector<Variant> variants) {
    return {QString::fromLatin1(name), Format::Bmp24, QSize(w, h), std::move(f),
            std::move(variants)};
}

// Pointers are shown 32 x 32 logical pixels large, and drawn at every size that is at
// some common ratio (1, 1.5, 2, 3); the 48-pixel one is the stored icon.
Asset ico(const char* name) {
    const QString n = QString::fromLatin1(name);
    return {n,
            Format::Ico8,
            QSize(48, 48),
            [n](QSize size) { return draw_pointer(n, size.width()); },
            {{QSize(32, 32), 1}, {QSize(64, 64), 2}, {QSize(96, 96), 3}}};
}

std::function<QImage(QSize)> airship(int stage) {
    return [stage](QSize size) { return draw_airship(stage, size); };
}

}  // namespace

const std::vector<Asset>& assets() {
    static const std::vector<Asset> list{
        bmp("pic_cell_empty", 50, 50, draw_cell_empty, kCell),
        bmp("pic_robot_knight", 49, 50, draw_robot_knight, kCell),
        bmp("pic_base_saucer", 49, 50, draw_base_saucer, kCell),
        bmp("pic_krot_simple", 50, 50, draw_krot_simple, kCell),
        bmp("pic_krot_costume", 50, 50, draw_krot_costume, kCell),
        bmp("pic_ring", 49, 50, draw_ring, kCell),
        // In the character frame, and falling past the top strip in the opening scene.
        bmp("pic_hero", 58, 77, draw_hero_picture, kCharacterFrame + on_board("Image14", {2, 3})),
        bmp("pic_friend", 69, 75, draw_friend_picture, kCharacterFrame),
        // Grows up to 85 x 85 in the opening scene.
        bmp("pic_villain", 68, 67, draw_villain_picture, shown_at(kVillainLargest, kVillainLargest, {1, 2, 3})),
        bmp("pic_captive", 127, 86, draw_captive, on_board("Image13", {1, 2, 3})),
        bmp("pic_wall", 127, 86, draw_wall, on_board("Imagefon", {1, 2, 3})),
        bmp("pic_airship", 95, 39, airship(0), kAirship),
        bmp("pic_airship_burn1", 95, 39, airship(1), kAirship),
        bmp("pic_airship_burn2", 95, 39, airship(2), kAirship),
        bmp("pic_airship_burn3", 95, 39, airship(3), kAirship),
        bmp("pic_airship_burn4", 95, 39, airship(4), kAirship),
        bmp("pic_flight", 119, 88, draw_flight, on_board("Image21", {2, 3})),
        bmp("pic_title", 551, 133, draw_title, on_board("Image27", {1, 2, 3})),
        bmp("pic_logo_word", 126, 55, draw_logo_word, shown_in(information_window(), "Image2", {2, 3})),
        {QStringLiteral("pic_sky"), Format::Jpeg, QSize(1024, 1024), draw_sky,
         on_board("Image16", {1, 2, 3})},
        {QStringLiteral("pic_logo_studio"), Format::Jpeg, QSize(270, 161), draw_logo_studio,
         shown_in(information_window(), "Image1", {2, 3})},
        ico("ico_arrow_blue"),
        ico("ico_arrow_lightblue"),
        ico("ico_arrow_yellow"),
        ico("ico_ball_blue"),
        ico("ico_ball_blue_a"),
        ico("ico_hero"),
        ico("ico_hero_head"),
        ico("ico_hero_sparkle"),
        ico("ico_hero_glow"),
        ico("ico_explosion"),
        ico("ico_ball_orange"),
        ico("ico_friend"),
        ico("ico_friend_sparkle"),
        ico("ico_mole_robot"),
        ico("ico_info"),
    };
    return list;
}

QString file_name(const Asset& a) {
    switch (a.format) {
        case Format::Bmp24:
            return a.name + ".bmp";
        case Format::Jpeg:
            return a.name + ".jpg";
        case Format::Ico8:
            return a.name + ".ico";
    }
    return a.name;
}

QString file_name(const Asset& a, const Variant& v) {
    return QStringLiteral("%1.%2x%3.png").arg(a.name).arg(v.size.width()).arg(v.size.height());
}

QByteArray manifest() {
    QByteArray out;
    QTextStream s(&out);
    s << "// Every file in assets/ with its size: written by the art program (tools/art)\n"
         "// with the files themselves. Do not edit; run scripts/make-art.sh.\n"
         "#pragma once\n\n"
         "#include <string_view>\n\n"
         "namespace assets {\n\n"
         "// One picture or pointer image as a file. The stored file (ratio 1) has the\n"
         "// picture's reference size; its variants are drawn for the size the game\n"
         "// shows it at on a screen of the given device pixel ratio.\n"
         "struct File {\n"
         "    std::string_view asset;  // the name the windows use\n"
         "    std::string_view file;   // in assets/ and at \":/assets/\" in the program\n"
         "    int width;\n"
         "    int height;\n"
         "    int ratio;\n"
         "    bool stored;  // the reference file rather than a variant\n"
         "};\n\n"
         "// Grouped by asset, the stored file first.\n"
         "inline constexpr File kFiles[] = {\n";
    for (const Asset& a : assets()) {
        auto row = [&](const QString& file, QSize size, int ratio, bool stored) {
            s << "    {\"" << a.name << "\", \"" << file << "\", " << size.width() << ", "
              << size.height() << ", " << ratio << ", " << (stored ? "true" : "false") << "},\n";
        };
        row(file_name(a), a.size, 1, true);
        for (const Variant& v : a.variants) row(file_name(a, v), v.size, v.ratio, false);
    }
    s << "};\n\n}  // namespace assets\n";
    s.flush();
    return out;
}

}  // namespace art
