// The list of the game's art assets, each with the function that draws it and the
// sizes the game shows it at. The program writes this list into assets/manifest.h
// beside the files, and the game reads its pictures from there.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace art {

enum class Format { Bmp24, Jpeg, Ico8 };

// A copy of an asset drawn for a screen of device pixel ratio `ratio`, at the size in
// device pixels the game shows the asset at there. Variants are written as PNG.
struct Variant {
    QSize size;
    int ratio;
};

struct Asset {
    QString name;  // file name without extension
    Format format;
    QSize size;  // the stored file's size: the picture's reference size
    // Draws the asset at any size in pixels; at `size` it is the stored picture.
    std::function<QImage(QSize)> draw;
    std::vector<Variant> variants;
};

// Every asset, in the order of the contact sheet.
const std::vector<Asset>& assets();
QString file_name(const Asset& a);
QString file_name(const Asset& a, const Variant& v);

// The C++ header listing every file written for the assets, with its size.
QByteArray manifest();

}  // namespace art
