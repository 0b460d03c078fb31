// grab_window WINDOW FILE.png: saves what the X server shows of a window. A
// window just mapped may not be painted yet: it is grabbed again, for up to
// three seconds, until it shows more than one colour.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

namespace {

bool isBlank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0)) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (argc != 3) return 2;
    const WId window = std::strtoul(argv[1], nullptr, 0);
    QImage picture;
    for (int tries = 0; tries < 60; ++tries) {
        picture = QGuiApplication::primaryScreen()->grabWindow(window).toImage();
        if (!picture.isNull() && !isBlank(picture)) break;
        QThread::msleep(50);
    }
    return !picture.isNull() && picture.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
