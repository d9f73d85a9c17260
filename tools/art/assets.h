// The list of the game's art assets, each with the function that draws it.
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
QString file_name(const Asset& a);

}  // namespace art
