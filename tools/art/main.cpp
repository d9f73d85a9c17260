// drovanta_art: writes every picture and pointer image of the game, or a contact sheet.
//   drovanta_art write <assets dir>
//   drovanta_art sheet <assets dir> <out.png>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include "tools/art/assets.h"
#include "tools/art/formats.h"
#include "tools/art/sheet.h"

using namespace art;

namespace {

int write_all(const QString& dir) {
    QDir().mkpath(dir);
    QTextStream err(stderr);
    for (const Asset& a : assets()) {
        QImage img = a.draw();
        if (img.width() != a.width || img.height() != a.height) {
            err << a.name << ": drawn at " << img.width() << "x" << img.height() << ", expected "
                << a.width << "x" << a.height << "\n";
            return 1;
        }
        const QString path = dir + "/" + file_name(a);
        bool ok = false;
        switch (a.format) {
            case Format::Bmp24:
                ok = write_file(path, encode_bmp24(img));
                break;
            case Format::Jpeg:
                ok = img.convertToFormat(QImage::Format_RGB888).save(path, "JPG", 92);
                break;
            case Format::Ico8:
                ok = write_file(path, encode_ico8(img));
                break;
        }
        if (!ok) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "write") return write_all(args[2]);
    if (args.size() == 4 && args[1] == "sheet") return write_contact_sheet(args[2], args[3]);
    QTextStream(stderr) << "usage: drovanta_art write <dir> | sheet <dir> <out.png>\n";
    return 2;
}
