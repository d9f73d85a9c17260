// The main board as it stands right after start-up, checked against the board's
// own description: order, places, texts (spaces counted), states, art, keys.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "board/number_text.h"
#include "board/text.h"
#include "support/harness.h"

using namespace board;
using testing_support::Harness;

namespace {

std::string spaces(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

struct Placed {
    const char* name;
    int left, top, width, height;
};

std::string asset_of(const PictureRef& p) {
    return p ? p->asset() : std::string();
}

}  // namespace

TEST(MainBoardLayout, WindowAndStackingOrder) {
    Harness h;
    const Window& w = h.board();
    EXPECT_EQ(w.caption(), "Drovanta.");
    EXPECT_EQ(w.client_width(), 5985);
    EXPECT_EQ(w.client_height(), 8565);
    EXPECT_EQ(w.back_color(), 0x00C00000u);
    EXPECT_EQ(asset_of(w.icon()), "ico_ball_blue_a");
    EXPECT_EQ(asset_of(w.pointer_icon()), "ico_arrow_blue");

    const std::vector<std::string> order = {"Text1",
                                            "Commandcode",
                                            "Frame1",
                                            "Label20",
                                            "Image21",
                                            "Shape1",
                                            "Labelbazegenerator",
                                            "Image20",
                                            "Image19",
                                            "Image18",
                                            "Image17",
                                            "Imagebaze",
                                            "Image16",
                                            "Command1",
                                            "Textspeed",
                                            "Commandedit",
                                            "Commandinfo",
                                            "Commandcontinue",
                                            "Commandstop",
                                            "Commandstart",
                                            "Label12",
                                            "Label21",
                                            "LabelPelkotakeringicon",
                                            "Labelpelkoattackicon",
                                            "Imagepelkomode",
                                            "Label10",
                                            "Label9",
                                            "Label11",
                                            "Image15",
                                            "Label19",
                                            "Label18",
                                            "Label17",
                                            "Label16",
                                            "Label15",
                                            "Label14",
                                            "Image14",
                                            "Image13",
                                            "Labelsecreticonexplode",
                                            "Labelgastype",
                                            "Labelgeneratortop",
                                            "Labelgeneratorleft",
                                            "Labelgeneratorcostume",
                                            "Imagenucleargas",
                                            "Imageantikrot",
                                            "Imagegas",
                                            "Imagekrotsimple",
                                            "Imagekrotincostume",
                                            "LabelGenerator4",
                                            "Imagekrot12",
                                            "Imagekrot11",
                                            "ImageKrot10",
                                            "Image12",
                                            "Image11",
                                            "Image10",
                                            "LabelSecretIcon2",
                                            "LabelSecretIcon",
                                            "Label7",
                                            "Label6",
                                            "Label5",
                                            "Label4",
                                            "LabelGenerator3",
                                            "LabelGenerator2",
                                            "LabelGenerator",
                                            "Label3",
                                            "Image27",
                                            "Imagekrot3",
                                            "Image3",
                                            "Imagekrot9",
                                            "Imagekrot8",
                                            "Imagekrot7",
                                            "Imagekrot6",
                                            "Imagekrot5",
                                            "Imagekrot4",
                                            "Imagekrot2",
                                            "Imagekrot1",
                                            "Labelscore",
                                            "Label2",
                                            "Label1",
                                            "LabelTime",
                                            "Image0",
                                            "Imagefon",
                                            "Image9",
                                            "Image8",
                                            "Image7",
                                            "Image6",
                                            "Image5",
                                            "Image4",
                                            "Image2",
                                            "Image1"};
    std::vector<std::string> drawn;
    for (const auto& e : w.elements()) {
        if (e->kind() != Kind::Timer) drawn.push_back(e->name());
    }
    EXPECT_EQ(drawn, order);
    for (const char* held : {"Label20", "Image21", "Shape1", "Labelbazegenerator", "Image20",
                             "Image19", "Image18", "Image17", "Imagebaze", "Image16", "Timer5"}) {
        ASSERT_NE(w[held].container(), nullptr) << held;
        EXPECT_EQ(w[held].container()->name(), "Frame1") << held;
    }
}

TEST(MainBoardLayout, PlacesOfTheShownElements) {
    Harness h;
    const std::vector<Placed> places = {
        {"Imagefon", 0, 0, 6015, 2175},
        {"Image13", 3240, 960, 2055, 1215},
        {"Image15", 2040, 600, 135, 135},
        {"Label9", 3240, 1080, 255, 975},
        {"Label10", 5040, 1080, 255, 975},
        {"Label14", 1440, 240, 615, 135},
        {"Label15", 5040, 120, 855, 135},
        {"Label16", 5400, 1440, 615, 135},
        {"Label17", 5640, 0, 375, 375},
        {"Label18", 5760, 1320, 255, 375},
        {"Label19", 0, 2160, 6015, 135},
        {"Label11", 1680, 240, 2655, 255},
        {"Imagegas", 2640, 1680, 855, 855},
        {"Frame1", 0, 0, 6015, 2175},
        {"Image16", 120, 240, 5775, 1815},
        {"Imagebaze", 360, 600, 1455, 615},
        {"Image21", 4080, 720, 1815, 1335},
        {"Label20", 2280, 1080, 1575, 255},
        {"Shape1", 1920, 840, 45, 45},
        {"Label12", 3720, 2400, 2055, 255},
        {"Image1", 3720, 2640, 2055, 2415},
        {"Image27", 120, 5160, 5655, 975},
        {"Commandstart", 120, 6240, 1575, 495},
        {"Commandstop", 1800, 6240, 1455, 495},
        {"Commandcontinue", 120, 6840, 1575, 495},
        {"Commandinfo", 1800, 6840, 1455, 495},
        {"Commandedit", 120, 7440, 1575, 495},
        {"Textspeed", 1800, 7440, 3495, 435},
        {"Label1", 3360, 6240, 1935, 255},
        {"LabelTime", 3360, 6480, 1935, 255},
        {"Label2", 3360, 6840, 1935, 255},
        {"Labelscore", 3360, 7080, 1935, 255},
        {"Label3", 5400, 6240, 375, 1695},
        {"Command1", 5280, 7920, 615, 615},
        {"Label4", 120, 8040, 1695, 255},
        {"Label5", 1800, 8040, 735, 255},
        {"Label6", 2640, 8040, 1695, 255},
        {"Label7", 4320, 8040, 1095, 255},
        {"Label21", 120, 8280, 5175, 255},
        {"Commandcode", 6000, 5040, 255, 375},
        {"Text1", 120, 5880, 1215, 285},
    };
    for (const Placed& p : places) {
        const Element& e = h[p.name];
        EXPECT_EQ(std::vector<int>({e.left(), e.top(), e.width(), e.height()}),
                  std::vector<int>({p.left, p.top, p.width, p.height}))
            << p.name;
    }
    // The grid: every target exactly over its empty cell.
    for (std::size_t i = 0; i < 12; ++i) {
        const Element& target = h[layout::kTargets[i]];
        const Element& cell = h[layout::kCells[i]];
        EXPECT_EQ(target.left(), layout::kColumnLefts[i % 4]) << target.name();
        EXPECT_EQ(target.top(), layout::kRowTops[i / 4]) << target.name();
        EXPECT_EQ(std::vector<int>({cell.left(), cell.top(), cell.width(), cell.height()}),
                  std::vector<int>({target.left(), target.top(), 855, 855}))
            << cell.name();
    }
}

TEST(MainBoardLayout, CaptionsAndTextsWithTheirSpaces) {
    Harness h;
    EXPECT_EQ(h["Label1"].caption(), spaces(16) + "Время");
    EXPECT_EQ(h["LabelTime"].caption(), spaces(20) + "0");
    EXPECT_EQ(h["Label2"].caption(), spaces(14) + "Ваш счёт ");
    EXPECT_EQ(h["Labelscore"].caption(), spaces(20) + "0" + spaces(2));
    EXPECT_EQ(h["Label3"].caption(), spaces(12) + "В" + spaces(7) + "E" + spaces(7) + "Р" +
                                         spaces(7) + "С" + spaces(7) + "И" + spaces(6) + "Я" +
                                         spaces(4) + "1.3");
    EXPECT_EQ(h["Label3"].caption().find("E"), 21u);  // the Latin capital, one byte
    EXPECT_EQ(h["Label4"].caption(), spaces(4) + "Сыграно раундов");
    EXPECT_EQ(h["Label6"].caption(), spaces(8) + "Лучший счёт");
    EXPECT_EQ(h["Label5"].caption(), "0");
    EXPECT_EQ(h["Label7"].caption(), "0");
    EXPECT_EQ(h["Label11"].caption(), spaces(7) + "Уничтожьте всех роботов!");
    EXPECT_EQ(h["Label12"].caption(), "Персонаж");
    EXPECT_EQ(h["Label12"].alignment(), Alignment::Centre);
    EXPECT_EQ(h["Label20"].caption(), " Есть! Мы спасены!");
    EXPECT_EQ(h["Label21"].caption(),
              spaces(6) + "Играть за Пелко: нажмите Alt+Y,чит код: \"quibbozar\", Alt+Y.");
    EXPECT_EQ(h["Frame1"].caption(), " База уничтожена! ");
    EXPECT_EQ(h["Textspeed"].text(), "750");
    EXPECT_EQ(h["Text1"].text(), "[чит код]");
    EXPECT_EQ(h["Commandstart"].caption(), "&Начать раунд");
    EXPECT_EQ(h["Commandstop"].caption(), "О&становить");
    EXPECT_EQ(h["Commandcontinue"].caption(), "&Продолжить");
    EXPECT_EQ(h["Commandinfo"].caption(), "&Информация");
    EXPECT_EQ(h["Commandedit"].caption(), "&Установить интервал");
    EXPECT_EQ(h["Command1"].caption(), "X");
    EXPECT_EQ(h["Commandcode"].caption(), "&Y");
    // The padded start-up fields read as 0.
    EXPECT_EQ(read_lenient(h["LabelTime"].caption()), 0);
    EXPECT_EQ(read_lenient(h["Labelscore"].caption()), 0);
}

TEST(MainBoardLayout, ColoursAsLoaded) {
    Harness h;
    for (const char* name : {"LabelTime", "Labelscore", "Label5", "Label7", "Textspeed"}) {
        EXPECT_EQ(h[name].back_color(), 0x00FF8080u) << name;
        EXPECT_EQ(h[name].fore_color(), 0x00000000u) << name;
    }
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label6"}) {
        EXPECT_EQ(h[name].back_color(), 0x00FF0000u) << name;
        EXPECT_EQ(h[name].fore_color(), kButtonText) << name;
    }
    for (const char* name : {"Label11", "Label12", "Label20"}) {
        EXPECT_EQ(h[name].back_color(), 0x00C0C000u) << name;
        EXPECT_EQ(h[name].fore_color(), 0x00FFFF00u) << name;
    }
    EXPECT_EQ(h["Label21"].back_color(), 0x000040C0u);
    EXPECT_EQ(h["Label21"].fore_color(), 0x0080C0FFu);
    for (const char* name : {"Label9", "Label10", "Label15", "Label16"}) {
        EXPECT_EQ(h[name].back_color(), 0x00FFFF80u) << name;
    }
    for (const char* name : {"Label14", "Label17", "Label18"}) {
        EXPECT_EQ(h[name].back_color(), 0x00808080u) << name;
    }
    EXPECT_EQ(h["Label19"].back_color(), 0x00404040u);
}

TEST(MainBoardLayout, WhatIsShownAndWhatTakesClicksAtStartUp) {
    Harness h;
    const std::set<std::string> hidden_shown_things = {"Label9",   "Label10", "Label11",
                                                       "Imagegas", "Frame1",  "Image21",
                                                       "Label20",  "Label21", "Text1"};
    for (const auto& name : hidden_shown_things) EXPECT_FALSE(h[name].visible()) << name;
    for (const auto target : layout::kTargets) {
        EXPECT_FALSE(h[target].visible()) << target;
        EXPECT_TRUE(h[target].enabled()) << target;
    }
    for (const auto cell : layout::kCells) EXPECT_TRUE(h[cell].shown()) << cell;
    EXPECT_FALSE(h["Commandstop"].enabled());
    EXPECT_FALSE(h["Commandcontinue"].enabled());
    for (const char* on :
         {"Commandstart", "Commandinfo", "Commandedit", "Command1", "Commandcode"}) {
        EXPECT_TRUE(h[on].enabled() && h[on].visible()) << on;
    }
    // Registers and holders are never on view.
    for (const char* name : {"Labelgeneratorcostume",
                             "LabelGenerator",
                             "LabelGenerator2",
                             "LabelGenerator3",
                             "LabelGenerator4",
                             "Labelgeneratorleft",
                             "Labelgeneratortop",
                             "Labelgastype",
                             "Labelbazegenerator",
                             "Imagekrotsimple",
                             "Imagekrotincostume",
                             "Imageantikrot",
                             "Imagenucleargas",
                             "Image17",
                             "Image18",
                             "Image19",
                             "Image20",
                             "Imagepelkomode",
                             "LabelSecretIcon",
                             "LabelSecretIcon2",
                             "Labelsecreticonexplode",
                             "Labelpelkoattackicon",
                             "LabelPelkotakeringicon"}) {
        EXPECT_FALSE(h[name].visible()) << name;
    }
}

TEST(MainBoardLayout, RegistersTimersAndKeysAtStartUp) {
    Harness h;
    EXPECT_EQ(h["Labelgeneratorcostume"].caption(), "Label9");
    EXPECT_EQ(h["LabelGenerator"].caption(), "");
    EXPECT_EQ(h["LabelGenerator2"].caption(), "");
    EXPECT_EQ(h["LabelGenerator3"].caption(), "");
    EXPECT_EQ(h["LabelGenerator4"].caption(), "Label9");
    EXPECT_EQ(h["Labelgeneratorleft"].caption(), "Label9");
    EXPECT_EQ(h["Labelgeneratortop"].caption(), "Label9");
    EXPECT_EQ(h["Labelgastype"].caption(), "Label9");
    EXPECT_EQ(h["Labelbazegenerator"].caption(), "Label20");
    EXPECT_EQ(h["Labelbazegenerator"].tag(), "0");
    EXPECT_EQ(h["Imagegas"].tag(), "0");
    EXPECT_EQ(h["Label9"].tag(), "0");
    EXPECT_EQ(h["Timer4"].tag(), "0");
    EXPECT_TRUE(h["Image14"].enabled());
    EXPECT_EQ(h["Labelpelkoattackicon"].caption(), "pelkoattack");
    EXPECT_EQ(h["LabelPelkotakeringicon"].caption(), "Pelko take ring");

    const std::vector<std::tuple<const char*, bool, int>> timers = {{"Timer1", false, 750},
                                                                    {"Timer2", false, 1000},
                                                                    {"Timer3", false, 750},
                                                                    {"Timer4", true, 1},
                                                                    {"Timer5", false, 100}};
    for (const auto& [name, on, interval] : timers) {
        EXPECT_EQ(h[name].enabled(), on) << name;
        EXPECT_EQ(h[name].interval(), interval) << name;
    }

    std::vector<std::string> tab;
    for (const Element* e : h.board().focus_order()) tab.push_back(e->name());
    EXPECT_EQ(tab, (std::vector<std::string>{"Commandstart", "Commandstop", "Commandcontinue",
                                             "Commandinfo", "Commandedit", "Textspeed", "Command1",
                                             "Commandcode", "Text1"}));
    EXPECT_EQ(h.board().initial_focus()->name(), "Commandstart");
    EXPECT_EQ(h["Commandstart"].access_key(), U'Н');
    EXPECT_EQ(h["Commandstop"].access_key(), U'с');
    EXPECT_EQ(h["Commandcontinue"].access_key(), U'П');
    EXPECT_EQ(h["Commandinfo"].access_key(), U'И');
    EXPECT_EQ(h["Commandedit"].access_key(), U'У');
    EXPECT_EQ(h["Commandcode"].access_key(), U'Y');
    EXPECT_EQ(h["Command1"].access_key(), 0u);
}

TEST(MainBoardLayout, ArtIsLoadedAsAnObjectPerElement) {
    Harness h;
    const std::vector<std::pair<const char*, const char*>> pictures = {
        {"Image0", "pic_cell_empty"},
        {"Imagekrot1", "pic_robot_knight"},
        {"Imagekrot2", "pic_base_saucer"},
        {"ImageKrot10", "pic_base_saucer"},
        {"Imagekrot11", "pic_robot_knight"},
        {"Imagekrotsimple", "pic_krot_simple"},
        {"Imagekrotincostume", "pic_krot_costume"},
        {"Imagegas", "pic_ring"},
        {"Imageantikrot", "pic_ring"},
        {"Imagenucleargas", "pic_ring"},
        {"Image1", "pic_hero"},
        {"Image14", "pic_hero"},
        {"Imagepelkomode", "pic_friend"},
        {"Image15", "pic_villain"},
        {"Image13", "pic_captive"},
        {"Imagefon", "pic_wall"},
        {"Image27", "pic_title"},
        {"Image16", "pic_sky"},
        {"Imagebaze", "pic_airship"},
        {"Image17", "pic_airship_burn1"},
        {"Image20", "pic_airship_burn4"},
        {"Image21", "pic_flight"}};
    for (const auto& [name, asset] : pictures)
        EXPECT_EQ(asset_of(h[name].picture()), asset) << name;

    const std::vector<std::pair<const char*, const char*>> pointers = {
        {"Commandstart", "ico_arrow_lightblue"},
        {"Command1", "ico_arrow_lightblue"},
        {"Imagekrot7", "ico_ball_blue"},
        {"LabelSecretIcon2", "ico_ball_blue"},
        {"Image12", "ico_hero"},
        {"Imagegas", "ico_hero"},
        {"Labelgastype", "ico_hero"},
        {"Image1", "ico_hero_head"},
        {"Labelsecreticonexplode", "ico_hero_sparkle"},
        {"LabelSecretIcon", "ico_explosion"},
        {"Labelpelkoattackicon", "ico_ball_orange"},
        {"LabelPelkotakeringicon", "ico_friend_sparkle"},
        {"Imagepelkomode", "ico_friend"}};
    for (const auto& [name, asset] : pointers) {
        EXPECT_EQ(asset_of(h[name].mouse_icon()), asset) << name;
    }
    EXPECT_EQ(h["Textspeed"].mouse_pointer(), PointerKind::Text);
    EXPECT_EQ(h["Commandcode"].mouse_pointer(), PointerKind::Default);

    // Same art, different pictures: identity is per element.
    std::set<std::uint64_t> handles;
    std::size_t with_picture = 0;
    for (const auto& e : h.board().elements()) {
        if (e->picture()) {
            ++with_picture;
            handles.insert(handle_of(e->picture()));
        }
    }
    EXPECT_EQ(handles.size(), with_picture);
    EXPECT_FALSE(same_picture(h["Imagekrot1"].picture(), h["Imagekrotsimple"].picture()));
    EXPECT_FALSE(same_picture(h["Imagegas"].picture(), h["Imageantikrot"].picture()));
}

TEST(MainBoardLayout, PointersOverTheBoard) {
    Harness h;
    const Window& w = h.board();
    const auto icon_at = [&](int x, int y) {
        const Pointer p = w.pointer_at(x, y);
        return p.shape == Pointer::Shape::Icon ? asset_of(p.icon) : std::string("system");
    };
    EXPECT_EQ(icon_at(240 + 400, 2520 + 400), "ico_hero");          // an empty cell
    EXPECT_EQ(icon_at(3720 + 1000, 2640 + 1000), "ico_hero_head");  // the character frame
    EXPECT_EQ(icon_at(120 + 100, 6240 + 100), "ico_arrow_lightblue");
    EXPECT_EQ(w.pointer_at(1800 + 100, 7440 + 100).shape, Pointer::Shape::TextCursor);
    EXPECT_EQ(icon_at(3000, 8450), "ico_arrow_blue");  // the bare board
    h["Imagekrot6"].set_visible(true);
    EXPECT_EQ(icon_at(1080 + 400, 3360 + 400), "ico_ball_blue");
    // The hero starts 720 twips above the window: only his lowest 255 are inside.
    EXPECT_EQ(h["Image14"].top() + h["Image14"].height(), 255);
}
