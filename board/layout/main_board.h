// The main board, Form1Krot, as data.
#pragma once

#include <array>
#include <string_view>

#include "board/layout.h"

namespace board::layout {

inline constexpr std::string_view kMainBoard = "Form1Krot";

WindowLayout main_board();

// The twelve targets of the grid, row by row (the tenth is spelled with a capital K).
inline constexpr std::array<std::string_view, 12> kTargets = {
    "Imagekrot1", "Imagekrot2", "Imagekrot3", "Imagekrot4",  "Imagekrot5",  "Imagekrot6",
    "Imagekrot7", "Imagekrot8", "Imagekrot9", "ImageKrot10", "Imagekrot11", "Imagekrot12"};

// The empty-cell pictures beneath them, in the same order.
inline constexpr std::array<std::string_view, 12> kCells = {
    "Image0", "Image2", "Image3", "Image4",  "Image5",  "Image6",
    "Image7", "Image8", "Image9", "Image10", "Image11", "Image12"};

// The cells' places, in twips.
inline constexpr std::array<int, 4> kColumnLefts = {240, 1080, 1920, 2760};
inline constexpr std::array<int, 3> kRowTops = {2520, 3360, 4200};

}  // namespace board::layout
