#include "board/layout/spoken_names.h"

#include <array>
#include <string>
#include <utility>

namespace board::layout {

namespace {

// Short, so that a reader following the grid hears a target at once.
constexpr std::array<std::pair<std::string_view, std::string_view>, 20> kPictures = {{
    {"pic_krot_simple", "Робот-ёж"},
    {"pic_krot_costume", "Робот в костюме"},
    {"pic_ring", "Кольцо"},
    {"pic_cell_empty", "Пустая клетка"},
    {"pic_robot_knight", "Шипастый робот"},
    {"pic_base_saucer", "Робот-тарелка"},
    {"pic_hero", "Бриско"},
    {"pic_friend", "Пелко"},
    {"pic_villain", "Доктор Вирзо"},
    {"pic_captive", "Пелко в капсуле"},
    {"pic_title", "Drovanta"},
    {"pic_sky", "Небо"},
    {"pic_airship", "Воздушный корабль Вирзо"},
    {"pic_airship_burn1", "Корабль Вирзо горит"},
    {"pic_airship_burn2", "Корабль Вирзо горит"},
    {"pic_airship_burn3", "Корабль Вирзо горит"},
    {"pic_airship_burn4", "Корабль Вирзо разбит"},
    {"pic_flight", "Бриско и Пелко улетают"},
    {"pic_logo_word", "Логотип «Ворблин»"},
    {"pic_logo_studio", "Логотип «Тровилка студия»"},
}};

}  // namespace

std::string_view spoken_picture(std::string_view asset) {
    for (const auto& [key, words] : kPictures) {
        if (key == asset) return words;
    }
    return "Картинка";
}

std::string spoken_version(const Element& column) {
    // The number is the caption's last word; the letters above it spell the word.
    const std::string& caption = column.caption();
    const auto end = caption.find_last_not_of(' ');
    if (end == std::string::npos) return "Версия";
    const auto space = caption.find_last_of(' ', end);
    const std::size_t start = space == std::string::npos ? 0 : space + 1;
    return "Версия " + caption.substr(start, end + 1 - start);
}

bool is_decoration(const Element& picture) {
    return picture.picture() && picture.picture()->asset() == "pic_wall";
}

std::string spoken_cell(std::size_t column, std::size_t row) {
    return "ряд " + std::to_string(row + 1) + ", столбец " + std::to_string(column + 1);
}

std::string spoken_round_started(long long seconds) {
    // One секунда, two to four секунды, the rest секунд (11 to 14 among them).
    const long long ones = seconds % 10, tens = seconds % 100;
    const char* unit = ones == 1 && tens != 11                              ? "секунда"
                       : ones >= 2 && ones <= 4 && (tens < 12 || tens > 14) ? "секунды"
                                                                            : "секунд";
    return "Раунд начался: " + std::to_string(seconds) + " " + unit + ".";
}

std::string spoken_round_over(const std::string& points) {
    return "Раунд окончен. Счёт: " + points + ".";
}

std::string spoken_best_stands(const std::string& points) {
    return "Лучший счёт: " + points + ".";
}

}  // namespace board::layout
