// The yardstick for start-up: a bare Qt Widgets window of the main board's size
// and colour, with nothing in it.
#include <QApplication>
#include <QPalette>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Drovanta."));
    window.setFixedSize(399, 571);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 0xC0));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.show();
    return QApplication::exec();
}
