#include "tools/art/assets.h"

#include "tools/art/cell.h"
#include "tools/art/characters.h"
#include "tools/art/logos.h"
#include "tools/art/pointers.h"
#include "tools/art/scenes.h"

namespace art {

namespace {

Asset bmp(const char* name, int w, int h, std::function<QImage()> f) {
    return {QString::fromLatin1(name), Format::Bmp24, w, h, std::move(f)};
}

Asset ico(const char* name) {
    const QString n = QString::fromLatin1(name);
    return {n, Format::Ico8, 48, 48, [n] { return draw_pointer(n); }};
}

}  // namespace

const std::vector<Asset>& assets() {
    static const std::vector<Asset> list{
        bmp("pic_cell_empty", 50, 50, draw_cell_empty),
        bmp("pic_robot_knight", 49, 50, draw_robot_knight),
        bmp("pic_base_saucer", 49, 50, draw_base_saucer),
        bmp("pic_krot_simple", 50, 50, draw_krot_simple),
        bmp("pic_krot_costume", 50, 50, draw_krot_costume),
        bmp("pic_ring", 49, 50, draw_ring),
        bmp("pic_hero", 58, 77, draw_hero_picture),
        bmp("pic_friend", 69, 75, draw_friend_picture),
        bmp("pic_villain", 68, 67, draw_villain_picture),
        bmp("pic_captive", 127, 86, draw_captive),
        bmp("pic_wall", 127, 86, draw_wall),
        bmp("pic_airship", 95, 39, [] { return draw_airship(0); }),
        bmp("pic_airship_burn1", 95, 39, [] { return draw_airship(1); }),
        bmp("pic_airship_burn2", 95, 39, [] { return draw_airship(2); }),
        bmp("pic_airship_burn3", 95, 39, [] { return draw_airship(3); }),
        bmp("pic_airship_burn4", 95, 39, [] { return draw_airship(4); }),
        bmp("pic_flight", 119, 88, draw_flight),
        bmp("pic_title", 551, 133, draw_title),
        bmp("pic_logo_word", 126, 55, draw_logo_word),
        {QStringLiteral("pic_sky"), Format::Jpeg, 1024, 1024, draw_sky},
        {QStringLiteral("pic_logo_studio"), Format::Jpeg, 270, 161, draw_logo_studio},
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

}  // namespace art
