// The words a screen reader says for what the game paints: every picture by what
// it shows, and the names of the windows' painted surfaces. Kept beside the
// layouts, in one place, like the game's other Russian texts.
#pragma once

#include <string>
#include <string_view>

#include "board/element.h"

namespace board::layout {

// What a picture shows, by its art asset ("pic_krot_simple": "Робот-ёж").
// An asset without words of its own is an unnamed "Картинка".
std::string_view spoken_picture(std::string_view asset);

inline constexpr std::string_view kSpokenShape = "Чёрная точка";
inline constexpr std::string_view kSpokenMainSurface = "Игровое поле";
inline constexpr std::string_view kSpokenInfoSurface = "Информация";
// A picture that is only the backdrop (the base's wall): nothing to read.
bool is_decoration(const Element& picture);

// What is said unasked, at the moments a sighted player notices without looking
// for them (main_board_news.h). The fall of the base and the hint line are said
// in their own words, as they read on the board.
inline constexpr std::string_view kSaidRoundStopped = "Раунд остановлен.";
inline constexpr std::string_view kSaidRoundContinues = "Раунд продолжается.";
inline constexpr std::string_view kSaidNewBest = "Новый лучший счёт!";
inline constexpr std::string_view kSaidFriendsLook = "Теперь вы играете за Пелко.";
// "Раунд начался: 60 секунд."
std::string spoken_round_started(long long seconds);
// "Раунд окончен. Счёт: 120."
std::string spoken_round_over(const std::string& points);
// "Лучший счёт: 340."
std::string spoken_best_stands(const std::string& points);

// What the native controls do, where their captions do not say it.
inline constexpr std::string_view kSpokenIntervalBox = "Интервал, мс";
inline constexpr std::string_view kSpokenResetStatistics =
    "Обнуляет статистику: сыгранные раунды и лучший счёт";
inline constexpr std::string_view kSpokenCodeButton = "Проверяет чит код, введённый в поле кода";

// The version column, whose letters stand one under the other: "Версия 1.3".
std::string spoken_version(const Element& column);
// A cell of the grid, counted from 1: "ряд 2, столбец 3".
std::string spoken_cell(std::size_t column, std::size_t row);

}  // namespace board::layout
