#include "info/texts.h"

#include "info/information_window_view.h"

namespace info {

namespace {

// Quoted exactly: plain hyphen-minus dashes, "ё" as such, and the engine's name
// between two pairs of apostrophes.
constexpr std::string_view kStory =
    "Лучший друг Бриско - лисёнок Пелко - захвачен в плен!!! Бриско прибыл на базу Вирзо и "
    "собирается разбить армию роботов доктора!";
constexpr std::string_view kGoal =
    "За роботов-ежей Вы получите по 10 очков, за базу - по 20 очков, а если поймаете кольцо, "
    "станете обладателем 30 очков! Соберите как минимум 2000 очков чтобы пройти игру и увидеть "
    "финальную заставку! Соберёте 2050 очков - узнаете СЕКРЕТ!!!";
constexpr std::string_view kAuthor =
    "Идея, дизайн, код: Тровилов К., 2004. Персонажи взяты из игр о Бриско и его друзьях от "
    "Brisko Team.";
constexpr std::string_view kEngine =
    "Игра создана на специальном движке ''Ворблин'', составленном Тровиловым К. (дизайн, идея, "
    "код), 2004. Бесплатный продукт.";
constexpr std::string_view kLinks =
    "Обязательно посетите сайт Brisko the hedjehog Russian fan club!";

void show_text(board::Runtime& game, std::string_view text) {
    InformationWindow(game).show_text(text);
}
}  // namespace

void show_story(board::Runtime& game) {
    show_text(game, kStory);
}
void show_goal(board::Runtime& game) {
    show_text(game, kGoal);
}
void show_author(board::Runtime& game) {
    show_text(game, kAuthor);
}
void show_engine(board::Runtime& game) {
    show_text(game, kEngine);
}
void show_links(board::Runtime& game) {
    show_text(game, kLinks);
}

}  // namespace info
