// File encoders of the art generator. The bitmap and icon writers are our own, so the
// bytes on disk are exactly the formats the game expects (24-bit BI_RGB bitmaps; classic
// 8-bit icons with an AND mask) whatever the image plugins of the machine would choose.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace art {

// 24 bits per pixel, BI_RGB, bottom-up rows padded to four bytes. Alpha is dropped.
QByteArray encode_bmp24(const QImage& image);

// One 48 x 48 (or any size up to 256) icon: BITMAPINFOHEADER, 256-entry palette,
// 8-bit colour indices and a 1-bit AND mask. The image must already be two-level in
// alpha (see threshold_alpha): alpha 0 is transparent, anything else opaque.
QByteArray encode_ico8(const QImage& image);

// Makes a hard-edged image out of an anti-aliased one: a pixel is opaque where its
// coverage reaches the threshold, and then takes the colour of its covered part (the
// un-premultiplied colour), so edges keep the outline's colour instead of fading into
// whatever lies behind.
QImage threshold_alpha(const QImage& image, int threshold = 112);

// Reduces the opaque colours of an image to at most max_colours (median cut) and returns
// the palette; index lookups are done by nearest colour.
QVector<QRgb> median_cut(const QImage& image, int max_colours);

bool write_file(const QString& path, const QByteArray& bytes);

}  // namespace art
