#include "tools/art/formats.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace art {

namespace {

void put16(QByteArray& b, quint16 v) {
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}

void put32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF));
}

void put_info_header(QByteArray& b, int w, int h, int bpp, quint32 image_bytes, quint32 colours) {
    put32(b, 40);  // BITMAPINFOHEADER
    put32(b, quint32(w));
    put32(b, quint32(h));
    put16(b, 1);  // planes
    put16(b, quint16(bpp));
    put32(b, 0);  // BI_RGB
    put32(b, image_bytes);
    put32(b, 3780);  // 96 dpi
    put32(b, 3780);
    put32(b, colours);
    put32(b, 0);
}

int distance2(QRgb a, QRgb b) {
    int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    // Weighted towards green, as the eye is.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace

QByteArray encode_bmp24(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_RGB888);
    const int w = img.width(), h = img.height();
    const int stride = (w * 3 + 3) & ~3;
    const quint32 pixel_bytes = quint32(stride * h);
    QByteArray b;
    b.append("BM");
    put32(b, 14 + 40 + pixel_bytes);
    put32(b, 0);
    put32(b, 14 + 40);
    put_info_header(b, w, h, 24, pixel_bytes, 0);
    for (int y = h - 1; y >= 0; --y) {
        const uchar* row = img.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            b.append(char(row[3 * x + 2]));
            b.append(char(row[3 * x + 1]));
            b.append(char(row[3 * x]));
        }
        for (int pad = w * 3; pad < stride; ++pad) b.append('\0');
    }
    return b;
}

QImage threshold_alpha(const QImage& image, int threshold) {
    QImage src = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(src.size(), QImage::Format_ARGB32);
    for (int y = 0; y < src.height(); ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* d = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(s[x]);
            if (a < threshold) {
                d[x] = qRgba(0, 0, 0, 0);
            } else {
                QRgb c = qUnpremultiply(s[x]);
                d[x] = qRgba(qRed(c), qGreen(c), qBlue(c), 255);
            }
        }
    }
    return out;
}

QVector<QRgb> median_cut(const QImage& image, int max_colours) {
    QHash<QRgb, int> counts;
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(s[x]) != 0) counts[s[x] | 0xFF000000u] += 1;
    }
    struct Entry {
        QRgb c;
        int n;
    };
    std::vector<Entry> all;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        all.push_back({it.key(), it.value()});
    // Hash order is not stable between runs; sort so the palette is deterministic.
    std::sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) { return a.c < b.c; });
    QVector<QRgb> palette;
    if (int(all.size()) <= max_colours) {
        for (const Entry& e : all) palette.push_back(e.c);
        return palette;
    }
    using Box = std::vector<Entry>;
    std::vector<Box> boxes{all};
    auto channel = [](QRgb c, int ch) {
        return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c);
    };
    while (int(boxes.size()) < max_colours) {
        // Split the box with the widest channel range (weighted by population).
        int best = -1;
        long best_score = -1;
        int best_ch = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].size() < 2) continue;
            for (int ch = 0; ch < 3; ++ch) {
                int lo = 255, hi = 0;
                long pop = 0;
                for (const Entry& e : boxes[i]) {
                    lo = std::min(lo, channel(e.c, ch));
                    hi = std::max(hi, channel(e.c, ch));
                    pop += e.n;
                }
                long score = long(hi - lo) * (1 + long(std::sqrt(double(pop))));
                if (score > best_score) {
                    best_score = score;
                    best = i;
                    best_ch = ch;
                }
            }
        }
        if (best < 0 || best_score == 0) break;
        Box box = std::move(boxes[best]);
        std::stable_sort(box.begin(), box.end(), [&](const Entry& a, const Entry& b) {
            return channel(a.c, best_ch) < channel(b.c, best_ch);
        });
        long total = 0, half = 0;
        for (const Entry& e : box) total += e.n;
        size_t cut = 0;
        while (cut < box.size() - 1 && half + box[cut].n <= total / 2) half += box[cut++].n;
        if (cut == 0) cut = 1;
        boxes[best] = Box(box.begin(), box.begin() + long(cut));
        boxes.push_back(Box(box.begin() + long(cut), box.end()));
    }
    for (const Box& box : boxes) {
        double r = 0, g = 0, b = 0, n = 0;
        for (const Entry& e : box) {
            r += qRed(e.c) * double(e.n);
            g += qGreen(e.c) * double(e.n);
            b += qBlue(e.c) * double(e.n);
            n += e.n;
        }
        palette.push_back(qRgb(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5)));
    }
    return palette;
}

QByteArray encode_ico8(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    // Index 0 is black: transparent pixels point at it, so the XOR pass leaves the screen alone.
    QVector<QRgb> palette{qRgb(0, 0, 0)};
    for (QRgb c : median_cut(img, 255)) palette.push_back(c);
    while (palette.size() < 256) palette.push_back(qRgb(0, 0, 0));

    const int xor_stride = (w + 3) & ~3;
    const int and_stride = ((w + 31) / 32) * 4;
    const quint32 dib_bytes = quint32(40 + 256 * 4 + xor_stride * h + and_stride * h);

    QByteArray b;
    put16(b, 0);  // reserved
    put16(b, 1);  // icon
    put16(b, 1);  // one image
    b.append(char(w >= 256 ? 0 : w));
    b.append(char(h >= 256 ? 0 : h));
    b.append(char(0));  // 256 colours
    b.append(char(0));
    put16(b, 1);  // planes
    put16(b, 8);  // bits per pixel
    put32(b, dib_bytes);
    put32(b, 6 + 16);

    put_info_header(b, w, 2 * h, 8, quint32(xor_stride * h + and_stride * h), 256);
    for (QRgb c : palette) {
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append('\0');
    }
    QHash<QRgb, int> lookup;
    auto indexOf = [&](QRgb c) {
        c |= 0xFF000000u;
        auto it = lookup.constFind(c);
        if (it != lookup.constEnd()) return it.value();
        int best = 1, best_d = INT_MAX;
        for (int i = 1; i < palette.size(); ++i) {
            int d = distance2(c, palette[i]);
            if (d < best_d) {
                best_d = d;
                best = i;
            }
        }
        lookup.insert(c, best);
        return best;
    };
    for (int y = h - 1; y >= 0; --y) {
        const auto* s = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) b.append(char(qAlpha(s[x]) ? indexOf(s[x]) : 0));
        for (int pad = w; pad < xor_stride; ++pad) b.append('\0');
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto* s = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        QByteArray row(and_stride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(s[x]) == 0) row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        b.append(row);
    }
    return b;
}

bool write_file(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(bytes) == bytes.size();
}

}  // namespace art
