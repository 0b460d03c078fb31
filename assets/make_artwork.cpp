// Draws Horalo's artwork: the window and tray icon, the logo, the two blinking pictures
// beside the clock face, the title card shown at start, the pictures of the About and Rules
// windows and the pointers over their links. The generated files are committed; run
// this (cmake target `artwork`) only when the artwork changes:  make_artwork <output folder>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

namespace {

// One palette for every picture, so the icon, the logo and the blinking pictures belong together.
namespace palette {
const QColor rimLight(0x3D, 0x8B, 0xF2);
const QColor rimDark(0x17, 0x4E, 0xA6);
const QColor faceLight(0xFF, 0xFF, 0xFF);
const QColor faceShade(0xE3, 0xEC, 0xFA);
const QColor ink(0x1A, 0x27, 0x44);
const QColor accent(0xFF, 0x8A, 0x1E);
const QColor accentDark(0xE0, 0x5F, 0x00);
const QColor backgroundTop(0xFF, 0xFF, 0xFF);
const QColor backgroundBottom(0xDD, 0xE8, 0xF8);
}  // namespace palette

// The lettering comes from a font file of fonts-dejavu-core, loaded by path, so the logo looks
// the same on every machine whatever fonts the system would otherwise pick.
const char* const kLetteringFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

QImage transparentImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void makeSmooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPointF onCircle(QPointF centre, double radius, double clockHours) {
    const double angle = clockHours / 12.0 * 2.0 * std::numbers::pi;
    return centre + QPointF(radius * std::sin(angle), -radius * std::cos(angle));
}

// The talking clock: a round clock face whose rim ends in the tail of a speech bubble, drawn
// in a 32 x 32 box; the painter's transform places and scales it.
QPainterPath bubbleOutline() {
    QPainterPath circle;
    circle.addEllipse(QPointF(17, 15), 14.2, 14.2);
    QPainterPath tail;
    tail.moveTo(5.5, 20.5);
    tail.lineTo(12.5, 27.0);
    tail.quadTo(6.0, 29.5, 1.2, 31.0);
    tail.quadTo(4.2, 26.5, 5.5, 20.5);
    return circle.united(tail);
}

void drawBubble(QPainter& painter) {
    QLinearGradient rim(QPointF(8, 1), QPointF(24, 31));
    rim.setColorAt(0, palette::rimLight);
    rim.setColorAt(1, palette::rimDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rim);
    painter.drawPath(bubbleOutline());
}

void drawFace(QPainter& painter, QPointF centre, double radius) {
    QRadialGradient face(centre - QPointF(radius / 3, radius / 3), radius * 1.6);
    face.setColorAt(0, palette::faceLight);
    face.setColorAt(1, palette::faceShade);
    painter.setBrush(face);
    painter.drawEllipse(centre, radius, radius);
}

void drawHourMarks(QPainter& painter, QPointF centre, double radius) {
    painter.setPen(QPen(palette::rimDark, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int hour = 0; hour < 12; hour += 3)
        painter.drawLine(onCircle(centre, radius - 2.6, hour),
                         onCircle(centre, radius - 1.0, hour));
}

// Ten o'clock: a long upright minute hand and a short hour hand read as a clock even at 16 x 16.
void drawHands(QPainter& painter, QPointF centre, double radius) {
    painter.setPen(QPen(palette::ink, 3.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, onCircle(centre, radius * 0.55, 10.0));
    painter.setPen(QPen(palette::ink, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, onCircle(centre, radius * 0.8, 0.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::accent);
    painter.drawEllipse(centre, 1.8, 1.8);
}

// The clock motif in its 32 x 32 design box, scaled into `box`.
void drawTalkingClock(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 32.0, box.height() / 32.0);
    const QPointF centre(17, 15);
    const double faceRadius = 11.0;
    drawBubble(painter);
    drawFace(painter, centre, faceRadius);
    drawHourMarks(painter, centre, faceRadius);
    drawHands(painter, centre, faceRadius);
    painter.restore();
}

QImage drawIcon() {
    QImage image = transparentImage(32, 32);
    QPainter painter(&image);
    makeSmooth(painter);
    drawTalkingClock(painter, QRectF(0, 0, 32, 32));
    return image;
}

// A small loudspeaker facing right, with two waves; the left picture is its mirror image, so the
// pair sends the sound out to either side of the clock face in turn.
void drawSpeaker(QPainter& painter) {
    QPainterPath speaker;
    speaker.addRoundedRect(QRectF(2.5, 11.5, 6, 9), 1.5, 1.5);
    QPainterPath cone;
    cone.moveTo(7.5, 12.0);
    cone.lineTo(15.5, 5.5);
    cone.quadTo(17.0, 5.0, 17.0, 6.5);
    cone.lineTo(17.0, 25.5);
    cone.quadTo(17.0, 27.0, 15.5, 26.5);
    cone.lineTo(7.5, 20.0);
    cone.closeSubpath();
    QLinearGradient body(QPointF(2, 5), QPointF(17, 27));
    body.setColorAt(0, palette::rimLight);
    body.setColorAt(1, palette::rimDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawPath(speaker.united(cone));
}

void drawWaves(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette::accent, 2.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF source(15.0, 16.0);
    for (const double radius : {6.5, 12.0}) {
        const QRectF bounds(source.x() - radius, source.y() - radius, 2 * radius, 2 * radius);
        painter.drawArc(bounds, -45 * 16, 90 * 16);
    }
}

QImage drawTickRight() {
    QImage image = transparentImage(32, 32);
    QPainter painter(&image);
    makeSmooth(painter);
    drawSpeaker(painter);
    drawWaves(painter);
    return image;
}

QImage drawTickLeft() {
    return drawTickRight().transformed(QTransform::fromScale(-1, 1));
}

void drawLogoBackground(QPainter& painter, const QRect& area) {
    QLinearGradient background(area.topLeft(), area.bottomLeft());
    background.setColorAt(0, palette::backgroundTop);
    background.setColorAt(1, palette::backgroundBottom);
    painter.fillRect(area, background);
    painter.fillRect(QRect(area.left(), area.bottom() - 1, area.width(), 2), palette::accent);
}

QFont letteringFont(const QString& family, int pixelSize) {
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The largest lettering of `text` that still fits `width`, so the name fills its space.
QFont fittingFont(const QString& family, const QString& text, double width) {
    int pixelSize = 24;
    while (pixelSize > 6 &&
           QFontMetricsF(letteringFont(family, pixelSize)).horizontalAdvance(text) > width)
        --pixelSize;
    return letteringFont(family, pixelSize);
}

void drawLettering(QPainter& painter, const QString& family, const QRectF& area) {
    const QString name = QStringLiteral("Horalo");
    painter.setFont(fittingFont(family, name, area.width()));
    painter.setPen(palette::ink);
    painter.drawText(area.adjusted(0, 0, 0, -14), Qt::AlignHCenter | Qt::AlignBottom, name);
    painter.setFont(letteringFont(family, 8));
    painter.setPen(palette::accentDark);
    painter.drawText(area.adjusted(0, 0, 0, -3), Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("talking clock"));
}

QImage drawLogo(const QString& family) {
    QImage image(109, 48, QImage::Format_RGB32);
    QPainter painter(&image);
    makeSmooth(painter);
    drawLogoBackground(painter, image.rect());
    drawTalkingClock(painter, QRectF(3, 5, 36, 36));
    drawLettering(painter, family, QRectF(41, 0, 66, 48));
    return image;
}

// A picture on the logo's light background; `draw` paints the rest.
QImage drawCard(int width, int height, const std::function<void(QPainter&)>& draw) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    makeSmooth(painter);
    drawLogoBackground(painter, image.rect());
    draw(painter);
    return image;
}

void drawCaption(QPainter& painter, const QFont& font, const QColor& colour, const QRectF& area,
                 const QString& text) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(area, Qt::AlignCenter, text);
}

// The title card shown while the program starts: the talking clock above the product's name.
QImage drawSplash(const QString& family) {
    return drawCard(241, 197, [&](QPainter& painter) {
        drawTalkingClock(painter, QRectF(74, 12, 96, 96));
        drawCaption(painter, letteringFont(family, 34), palette::ink, QRectF(0, 112, 241, 42),
                    QStringLiteral("Horalo"));
        drawCaption(painter, letteringFont(family, 12), palette::accentDark,
                    QRectF(0, 154, 241, 18), QStringLiteral("talking clock"));
        drawCaption(painter, letteringFont(family, 9), palette::rimDark, QRectF(0, 174, 241, 14),
                    QStringLiteral("version 2.5"));
    });
}

// The About picture: the talking clock sending its sound out to the right.
QImage drawAbout(const QString& family) {
    return drawCard(128, 99, [&](QPainter& painter) {
        drawTalkingClock(painter, QRectF(14, 6, 64, 64));
        painter.save();
        painter.translate(66, 14);
        painter.scale(1.5, 1.5);
        drawWaves(painter);
        painter.restore();
        drawCaption(painter, letteringFont(family, 18), palette::ink, QRectF(0, 70, 128, 24),
                    QStringLiteral("Horalo 2.5"));
    });
}

// The Rules picture: the talking clock over a page of three numbered lines.
QImage drawRules(const QString& family) {
    return drawCard(109, 110, [&](QPainter& painter) {
        painter.setPen(QPen(palette::rimDark, 1.5));
        painter.setBrush(palette::faceLight);
        painter.drawRoundedRect(QRectF(30.5, 40.5, 70, 62), 4, 4);
        for (int line = 0; line < 3; ++line) {
            const double y = 50 + line * 17;
            drawCaption(painter, letteringFont(family, 10), palette::accentDark,
                        QRectF(36, y - 1, 12, 14), QString::number(line + 1));
            painter.setPen(QPen(palette::ink, 2.4, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(52, y + 6), QPointF(92 - line * 8, y + 6));
        }
        drawTalkingClock(painter, QRectF(4, 4, 52, 52));
    });
}

// Pointer images: a dark arrow with a light edge, its tip on the hot spot, and a small badge
// telling what the link opens.
void drawArrow(QPainter& painter, QPointF tip) {
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(tip + QPointF(0, 15));
    arrow.lineTo(tip + QPointF(4, 11.5));
    arrow.lineTo(tip + QPointF(7, 18));
    arrow.lineTo(tip + QPointF(9.5, 17));
    arrow.lineTo(tip + QPointF(6.5, 10.5));
    arrow.lineTo(tip + QPointF(11, 10.5));
    arrow.closeSubpath();
    painter.setPen(QPen(palette::faceLight, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(palette::ink);
    painter.drawPath(arrow);
}

// The web link's pointer: the arrow and a globe.
QImage drawWebPointer() {
    QImage image = transparentImage(32, 32);
    QPainter painter(&image);
    makeSmooth(painter);
    const QPointF centre(23.5, 23.5);
    painter.setPen(QPen(palette::rimDark, 1.2));
    painter.setBrush(palette::rimLight);
    painter.drawEllipse(centre, 7.5, 7.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette::faceLight, 1.0));
    painter.drawEllipse(centre, 3.2, 7.5);
    painter.drawLine(centre - QPointF(7.5, 0), centre + QPointF(7.5, 0));
    drawArrow(painter, QPointF(12, 1));
    return image;
}

// The e-mail link's pointer: the arrow and an envelope.
QImage drawMailPointer() {
    QImage image = transparentImage(32, 32);
    QPainter painter(&image);
    makeSmooth(painter);
    const QRectF envelope(14.5, 17.5, 16, 11);
    painter.setPen(QPen(palette::rimDark, 1.2));
    painter.setBrush(palette::faceLight);
    painter.drawRect(envelope);
    painter.setPen(QPen(palette::accentDark, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF{envelope.topLeft() + QPointF(1, 1), envelope.center(),
                                   envelope.topRight() + QPointF(-1, 1)});
    drawArrow(painter, QPointF(7, 7));
    return image;
}

bool save(const QImage& image, const QDir& folder, const QString& name, int jpegQuality = -1) {
    const QString path = folder.filePath(name);
    if (image.save(path, nullptr, jpegQuality)) return true;
    std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(path));
    return false;
}

// Returns the family of the lettering font, or an empty text when the font file is missing.
QString loadLetteringFont() {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kLetteringFontFile));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs no display, so the generator runs on build machines without one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::fprintf(stderr, "make_artwork: no such folder: %s\n", argv[1]);
        return 2;
    }
    const QString family = loadLetteringFont();
    if (family.isEmpty()) {
        std::fprintf(stderr, "make_artwork: cannot load %s (Debian package fonts-dejavu-core)\n",
                     kLetteringFontFile);
        return 1;
    }
    const bool written = save(drawIcon(), folder, "icon.png") &&
                         save(drawLogo(family), folder, "logo.jpg", 95) &&
                         save(drawTickLeft(), folder, "tick-left.png") &&
                         save(drawTickRight(), folder, "tick-right.png") &&
                         save(drawSplash(family), folder, "splash.jpg", 95) &&
                         save(drawAbout(family), folder, "about.jpg", 95) &&
                         save(drawRules(family), folder, "rules.jpg", 95) &&
                         save(drawWebPointer(), folder, "pointer-web.png") &&
                         save(drawMailPointer(), folder, "pointer-mail.png");
    return written ? 0 : 1;
}
