// Whether a folder of art holds exactly what the art program draws.
//
// Drawn on the platform that drew the folder (named in its drawn_on.txt), every file
// must match byte for byte. Another platform's font rasteriser and toolkit may round
// a few pixels differently: Qt 6.8 with FreeType 2.13 letters one picture with five
// pixels one level off. There the pictures are compared by their decoded pixels,
// every channel within kPixelTolerance levels, so that any change a player could see
// still fails; everything else (the manifest) still by bytes.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace art {

// Largest difference, in levels of 255, allowed in any channel of any pixel when the
// folder was drawn on another platform.
inline constexpr int kPixelTolerance = 2;

// The file naming the platform that drew the folder.
inline constexpr char kPlatformFile[] = "drawn_on.txt";

// This platform, as written into kPlatformFile: the system and the toolkit's version.
QString platform_name();

// How two pictures differ: the largest difference of any channel (colour counts only
// where either is not fully transparent) and how many pixels differ at all.
struct PixelDifference {
    bool same_size = false;
    int largest = 0;
    int pixels = 0;
    QPoint first{-1, -1};  // the first pixel, row by row, that differs the most
};
PixelDifference pixel_difference(const QImage& a, const QImage& b);

// Compares a folder just drawn with the stored one. Returns one line per problem,
// none when they agree; `by_pixels` tells whether pictures were compared by pixels.
QStringList compare_art(const QString& drawn_dir, const QString& stored_dir,
                        bool* by_pixels = nullptr);

}  // namespace art
