// drovanta_art: writes every picture and pointer image of the game with its variants
// and the manifest listing them, or a contact sheet.
//   drovanta_art write <assets dir>
//   drovanta_art sheet <assets dir> <out.png>
//   drovanta_art icons <icons dir>
//   drovanta_art check <assets dir>   (draws into a temporary folder and compares)
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include "tools/art/app_icon.h"
#include "tools/art/assets.h"
#include "tools/art/compare.h"
#include "tools/art/formats.h"
#include "tools/art/sheet.h"

using namespace art;

namespace {

bool write_image(const QString& path, const QImage& img, Format format) {
    switch (format) {
        case Format::Bmp24:
            return write_file(path, encode_bmp24(img));
        case Format::Jpeg:
            return img.convertToFormat(QImage::Format_RGB888).save(path, "JPG", 92);
        case Format::Ico8:
            return write_file(path, encode_ico8(img));
    }
    return false;
}

// A picture without transparency is stored without an alpha channel.
QImage for_png(const QImage& img, Format format) {
    return img.convertToFormat(format == Format::Ico8 ? QImage::Format_ARGB32
                                                      : QImage::Format_RGB888);
}

int write_all(const QString& dir) {
    QDir().mkpath(dir);
    QTextStream err(stderr);
    // Variants of earlier versions must not linger in the build.
    for (const QString& old : QDir(dir).entryList({QStringLiteral("*.png")}, QDir::Files))
        QFile::remove(dir + "/" + old);
    auto drawn = [&](const Asset& a, QSize size, QImage& img) {
        img = a.draw(size);
        if (img.size() == size) return true;
        err << a.name << ": drawn at " << img.width() << "x" << img.height() << ", expected "
            << size.width() << "x" << size.height() << "\n";
        return false;
    };
    for (const Asset& a : assets()) {
        QImage img;
        if (!drawn(a, a.size, img)) return 1;
        const QString path = dir + "/" + file_name(a);
        if (!write_image(path, img, a.format)) {
            err << "cannot write " << path << "\n";
            return 1;
        }
        for (const Variant& v : a.variants) {
            if (!drawn(a, v.size, img)) return 1;
            const QString variant_path = dir + "/" + file_name(a, v);
            if (!for_png(img, a.format).save(variant_path, "PNG")) {
                err << "cannot write " << variant_path << "\n";
                return 1;
            }
        }
    }
    if (!write_file(dir + "/manifest.h", manifest())) {
        err << "cannot write " << dir << "/manifest.h\n";
        return 1;
    }
    if (!write_file(dir + "/" + kPlatformFile, platform_name().toUtf8() + "\n")) {
        err << "cannot write " << dir << "/" << kPlatformFile << "\n";
        return 1;
    }
    return 0;
}

int check(const QString& dir) {
    QTextStream out(stdout);
    QTemporaryDir drawn;
    if (!drawn.isValid() || write_all(drawn.path()) != 0) return 1;
    bool by_pixels = false;
    const QStringList problems = compare_art(drawn.path(), dir, &by_pixels);
    if (by_pixels)
        out << dir << " was drawn on another platform than " << platform_name()
            << ": pictures compared by pixels, each channel within " << kPixelTolerance
            << " levels\n";
    for (const QString& p : problems) out << "  " << p << "\n";
    if (!problems.isEmpty()) {
        out << problems.size() << " file(s) are not what the art program draws; "
            << "if the drawing changed on purpose, run scripts/make-art.sh\n";
        return 1;
    }
    out << dir << ": every file is what the art program draws"
        << (by_pixels ? " (within the tolerance)" : " (byte for byte)") << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "write") return write_all(args[2]);
    if (args.size() == 4 && args[1] == "sheet") return write_contact_sheet(args[2], args[3]);
    if (args.size() == 3 && args[1] == "icons") return write_app_icons(args[2]);
    if (args.size() == 3 && args[1] == "check") return check(args[2]);
    QTextStream(stderr)
        << "usage: drovanta_art write <dir> | sheet <dir> <out.png> | icons <dir> | check <dir>\n";
    return 2;
}
