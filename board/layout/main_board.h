// The main board, Form1Krot, as data.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "board/layout.h"

namespace board::layout {

inline constexpr std::string_view kMainBoard = "Form1Krot";

WindowLayout main_board();

// The elements the rules speak of, by what they do. The table's rows take their
// names from here (main_board.cpp), so that each name is written once; the
// subsystems' views bind these.

// The code entry, beyond the board's right edge.
inline constexpr std::string_view kCodeBox = "Text1";
inline constexpr std::string_view kCodeButton = "Commandcode";

// The final scene's panel over the top strip, with what it holds.
inline constexpr std::string_view kFinalPanel = "Frame1";
inline constexpr std::string_view kRescueMessage = "Label20";
inline constexpr std::string_view kHeroesFlight = "Image21";
inline constexpr std::string_view kDriftingDot = "Shape1";
inline constexpr std::string_view kAirshipFrameRegister = "Labelbazegenerator";
inline constexpr std::string_view kAirshipWreck = "Image20";
inline constexpr std::string_view kAirshipBurning3 = "Image19";
inline constexpr std::string_view kAirshipBurning2 = "Image18";
inline constexpr std::string_view kAirshipBurning1 = "Image17";
inline constexpr std::string_view kAirship = "Imagebaze";

// The round's buttons and the interval box.
inline constexpr std::string_view kResetStatisticsButton = "Command1";
inline constexpr std::string_view kIntervalBox = "Textspeed";
inline constexpr std::string_view kSetIntervalButton = "Commandedit";
inline constexpr std::string_view kInfoButton = "Commandinfo";
inline constexpr std::string_view kContinueButton = "Commandcontinue";
inline constexpr std::string_view kStopButton = "Commandstop";
inline constexpr std::string_view kStartButton = "Commandstart";

// Headings and the hint line.
inline constexpr std::string_view kCharacterHeading = "Label12";
inline constexpr std::string_view kSecretHint = "Label21";

// The friend's look: his picture and pointer images, kept hidden.
inline constexpr std::string_view kFriendsRingPressPointer = "LabelPelkotakeringicon";
inline constexpr std::string_view kFriendsStrikePointer = "Labelpelkoattackicon";
inline constexpr std::string_view kFriendsPicture = "Imagepelkomode";

// The opening scene in the top strip.
inline constexpr std::string_view kRightBar = "Label10";
inline constexpr std::string_view kLeftBar = "Label9";
inline constexpr std::string_view kBanner = "Label11";
inline constexpr std::string_view kVillain = "Image15";
inline constexpr std::string_view kLowerStreak = "Label16";
inline constexpr std::string_view kUpperStreak = "Label15";
inline constexpr std::string_view kHeroBar = "Label14";
inline constexpr std::string_view kHero = "Image14";

// Holders and registers of the strike, the ring and the board tick, kept hidden.
inline constexpr std::string_view kRingPressPointer = "Labelsecreticonexplode";
inline constexpr std::string_view kRingKindRegister = "Labelgastype";
inline constexpr std::string_view kRingRowRegister = "Labelgeneratortop";
inline constexpr std::string_view kRingColumnRegister = "Labelgeneratorleft";
inline constexpr std::string_view kCostumeRegister = "Labelgeneratorcostume";

inline constexpr std::string_view kRing = "Imagegas";
inline constexpr std::string_view kPlainRobot = "Imagekrotsimple";
inline constexpr std::string_view kCostumedRobot = "Imagekrotincostume";
inline constexpr std::string_view kTargetReleasePointer = "LabelSecretIcon2";
inline constexpr std::string_view kTargetPressPointer = "LabelSecretIcon";

// The statistics with their headings, and the version column.
inline constexpr std::string_view kBestScore = "Label7";
inline constexpr std::string_view kBestScoreHeading = "Label6";
inline constexpr std::string_view kRoundsPlayed = "Label5";
inline constexpr std::string_view kRoundsHeading = "Label4";
inline constexpr std::string_view kVersionColumn = "Label3";
inline constexpr std::string_view kTitle = "Image27";
inline constexpr std::string_view kScore = "Labelscore";
inline constexpr std::string_view kScoreHeading = "Label2";
inline constexpr std::string_view kTimeHeading = "Label1";
inline constexpr std::string_view kTimeLeft = "LabelTime";
inline constexpr std::string_view kPortrait = "Image1";

// The timers.
inline constexpr std::string_view kBoardTickTimer = "Timer1";
inline constexpr std::string_view kRoundClockTimer = "Timer2";
inline constexpr std::string_view kRingCycleTimer = "Timer3";
inline constexpr std::string_view kOpeningSceneTimer = "Timer4";
inline constexpr std::string_view kFinalSceneTimer = "Timer5";

// The twelve targets of the grid, row by row (the tenth is spelled with a capital K).
inline constexpr std::array<std::string_view, 12> kTargets = {
    "Imagekrot1", "Imagekrot2", "Imagekrot3", "Imagekrot4",  "Imagekrot5",  "Imagekrot6",
    "Imagekrot7", "Imagekrot8", "Imagekrot9", "ImageKrot10", "Imagekrot11", "Imagekrot12"};

// The empty-cell pictures beneath them, in the same order.
inline constexpr std::array<std::string_view, 12> kCells = {
    "Image0", "Image2", "Image3", "Image4",  "Image5",  "Image6",
    "Image7", "Image8", "Image9", "Image10", "Image11", "Image12"};

// The board tick's row registers, one per column, and the holders of the
// ring's two kinds.
inline constexpr std::array<std::string_view, 4> kRowRegisters = {
    "LabelGenerator", "LabelGenerator2", "LabelGenerator3", "LabelGenerator4"};
inline constexpr std::array<std::string_view, 2> kRingKinds = {"Imageantikrot", "Imagenucleargas"};

// The cells' places, in twips.
inline constexpr std::array<int, 4> kColumnLefts = {240, 1080, 1920, 2760};
inline constexpr std::array<int, 3> kRowTops = {2520, 3360, 4200};
inline constexpr std::size_t kGridColumns = kColumnLefts.size();
inline constexpr std::size_t kGridRows = kRowTops.size();

}  // namespace board::layout
