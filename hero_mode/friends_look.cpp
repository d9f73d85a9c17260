// The switch to Pelko's look, step by step in a fixed order. The strike and ring
// handlers copy their pointers from the holders changed here at every press and
// release, so they follow the switch without knowing of it.
#include "hero_mode/friends_look.h"

#include <array>
#include <string_view>

#include "board/colour.h"
#include "board/layout/main_board.h"

namespace hero_mode {

namespace {

constexpr board::Colour kLightOrange = 0x0080C0FF;
constexpr board::Colour kDarkOrange = 0x000040C0;
constexpr board::Colour kOrange = 0x000080FF;

// The fields of the statistics and the interval box.
constexpr std::array<std::string_view, 5> kFields = {"Label7", "Label5", "LabelTime", "Labelscore",
                                                     "Textspeed"};
// The headings over those fields and the version column.
constexpr std::array<std::string_view, 5> kHeadings = {"Label1", "Label2", "Label3", "Label4",
                                                       "Label6"};

}  // namespace

void switch_to_friends_look(board::Window& f) {
    for (const auto name : kFields) f[name].set_back_color(kLightOrange);
    f.set_back_color(kDarkOrange);
    for (const auto name : kHeadings) f[name].set_back_color(kOrange);

    f["Image1"].set_picture(f["Imagepelkomode"].picture());

    // Pelko standing over the empty cells and the ring, then for the ring's release.
    for (const auto cell : board::layout::kCells) {
        f[cell].set_mouse_icon(f["Imagepelkomode"].mouse_icon());
    }
    f["Imagegas"].set_mouse_icon(f["Imagepelkomode"].mouse_icon());
    f["Labelgastype"].set_mouse_icon(f["Imagepelkomode"].mouse_icon());

    // The orange ball: first the targets' release holder, then every target from it.
    f["LabelSecretIcon2"].set_mouse_icon(f["Labelpelkoattackicon"].mouse_icon());
    for (const auto target : board::layout::kTargets) {
        f[target].set_mouse_icon(f["LabelSecretIcon2"].mouse_icon());
    }

    // Pelko with sparkles while the ring is pressed.
    f["Labelsecreticonexplode"].set_mouse_icon(f["LabelPelkotakeringicon"].mouse_icon());
}

}  // namespace hero_mode
