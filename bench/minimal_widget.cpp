// The least a Qt widget program does to show a window: the yardstick
// for Quelmar's start-up under Wine, where Wine's and Qt's own start is
// most of the time and memory.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.setFixedSize(203, 323);
    window.show();
    return app.exec();
}
