// grab_window WINDOW FILE.png: saves what the X server shows of a window.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (argc != 3) return 2;
    const QPixmap picture =
        QGuiApplication::primaryScreen()->grabWindow(WId(std::strtoul(argv[1], nullptr, 0)));
    return !picture.isNull() && picture.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
