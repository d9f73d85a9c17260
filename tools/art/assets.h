// The list of the game's art assets and the functions that draw them.
#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace art {

enum class Format { Bmp24, Jpeg, Ico8 };

struct Asset {
    QString name;  // file name without extension
    Format format;
    int width, height;
    std::function<QImage()> draw;
};

// Every asset, in the order of the contact sheet.
const std::vector<Asset>& assets();
QString fileName(const Asset& a);

// Cell background shared by the empty cell, the robots and the ring.
QImage cellBackground(int w, int h);

QImage drawCellEmpty();
QImage drawRobotKnight();
QImage drawBaseSaucer();
QImage drawKrotSimple();
QImage drawKrotCostume();
QImage drawRing();

QImage drawHeroPicture();
QImage drawFriendPicture();
QImage drawVillainPicture();

QImage drawCaptive();
QImage drawWall();
QImage drawSky();
QImage drawAirship(int stage);  // 0 intact, 1 to 3 burning, 4 wrecked
QImage drawFlight();

QImage drawTitle();
QImage drawLogoWord();
QImage drawLogoStudio();

// Pointer images: 48 x 48, hard-edged alpha.
QImage drawPointer(const QString& name);

}  // namespace art
