// Draws the two painterly pictures of the game, the life portrait and the
// advert's lottery balls, and makes the program's icon in every size the
// desktops ask for from the one 32 x 32 drawing, icon.xpm. Run it from the
// build tree:
//   cmake --build build --target draw_pictures && QT_QPA_PLATFORM=offscreen build/assets/draw_pictures assets
// and commit the files it writes. Everything is computed, so a rerun gives
// the same pixels (the numbers use Liberation Sans Bold).
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

const QColor kSilver(192, 192, 192);
constexpr double kPi = 3.14159265358979323846;

// An elderly man with white hair in a black oval; silver outside the oval.
QImage portrait() {
    QImage img(30, 35, QImage::Format_RGB32);
    img.fill(kSilver);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF oval(0.5, 0.5, 29, 34);
    QPainterPath clip;
    clip.addEllipse(oval);
    p.setClipPath(clip);

    // Background: light at the upper left, darker towards the lower right.
    QLinearGradient bg(0, 0, 30, 35);
    bg.setColorAt(0, QColor(170, 170, 170));
    bg.setColorAt(1, QColor(70, 70, 70));
    p.fillRect(img.rect(), bg);

    // Shoulders and jacket.
    QRadialGradient coat(QPointF(11, 27), 20);
    coat.setColorAt(0, QColor(110, 110, 110));
    coat.setColorAt(1, QColor(25, 25, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(coat);
    p.drawEllipse(QRectF(1, 26, 28, 18));
    // Collar and neck.
    p.setBrush(QColor(215, 215, 215));
    p.drawPolygon(QPolygonF({QPointF(11, 26), QPointF(15, 33), QPointF(19, 26)}));
    p.setBrush(QColor(140, 140, 140));
    p.drawRect(QRectF(12.5, 22, 5, 5));

    // White hair, fuller at the top and on the left.
    QRadialGradient hair(QPointF(11, 7), 12);
    hair.setColorAt(0, QColor(255, 255, 255));
    hair.setColorAt(1, QColor(185, 185, 185));
    p.setBrush(hair);
    p.drawEllipse(QRectF(6.5, 3, 17, 16));

    // Face in middle greys, shaded to the right and below.
    QRadialGradient face(QPointF(13, 13), 9);
    face.setColorAt(0, QColor(185, 185, 185));
    face.setColorAt(0.7, QColor(140, 140, 140));
    face.setColorAt(1, QColor(95, 95, 95));
    p.setBrush(face);
    p.drawEllipse(QRectF(9, 8, 12, 15));
    // Eyebrows, eyes, nose, mouth.
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(10.5, 12, 3.5, 1));
    p.drawRect(QRectF(16, 12, 3.5, 1));
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QRectF(11.5, 13.2, 2, 1.6));
    p.drawEllipse(QRectF(16.5, 13.2, 2, 1.6));
    p.setBrush(QColor(105, 105, 105));
    p.drawPolygon(QPolygonF({QPointF(15, 14), QPointF(16.2, 18), QPointF(14.2, 18)}));
    p.setBrush(QColor(230, 230, 230));  // white moustache
    p.drawEllipse(QRectF(12, 18.5, 6.5, 2));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(13.5, 20.5, 3.5, 0.8));

    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1.6));
    p.drawEllipse(QRectF(0.8, 0.8, 28.4, 33.4));
    p.end();

    // Greyscale only, and exactly silver outside the oval.
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const double dx = (x + 0.5 - 15) / 15.0, dy = (y + 0.5 - 17.5) / 17.5;
            if (dx * dx + dy * dy > 1.12) {
                img.setPixel(x, y, kSilver.rgb());
                continue;
            }
            const int g = qGray(img.pixel(x, y));
            img.setPixel(x, y, qRgb(g, g, g));
        }
    }
    return img;
}

// A glossy ball with its number large in the middle and repeated around it.
void ball(QPainter& p, QPointF c, QColor colour, const QString& number) {
    const double r = 25;
    QPainterPath circle;
    circle.addEllipse(c, r, r);
    QRadialGradient shade(c + QPointF(-9, -10), 36);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(0.25, colour.lighter(110));
    shade.setColorAt(0.8, colour);
    shade.setColorAt(1, colour.darker(170));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(circle);

    p.save();
    p.setClipPath(circle);
    QFont small("Liberation Sans");
    small.setBold(true);
    small.setPixelSize(11);
    p.setFont(small);
    p.setPen(QColor(40, 40, 40));
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        const QPointF at = c + QPointF(std::cos(a) * 21, std::sin(a) * 21);
        p.drawText(QRectF(at.x() - 10, at.y() - 7, 20, 14), Qt::AlignCenter, number);
    }
    p.restore();

    // A light disc behind the big number, as on a real lottery ball.
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(c, 14, 14);
    QFont big("Liberation Sans");
    big.setBold(true);
    big.setPixelSize(22);
    p.setFont(big);
    p.setPen(Qt::black);
    p.drawText(QRectF(c.x() - 16, c.y() - 13, 32, 26), Qt::AlignCenter, number);

    QRadialGradient gloss(c + QPointF(-10, -12), 9);
    gloss.setColorAt(0, QColor(255, 255, 255, 200));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(c + QPointF(-10, -12), 9, 7);
}

QImage lotteryBalls() {
    QImage img(182, 66, QImage::Format_RGB32);
    // Four close shades of blue in a fixed pattern, averaging RGB(61,119,189).
    const QRgb shades[4] = {qRgb(60, 118, 188), qRgb(62, 120, 190), qRgb(61, 119, 189), qRgb(61, 119, 189)};
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, shades[(x + 2 * y) % 4]);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    ball(p, QPointF(30, 33), QColor(245, 245, 245), QStringLiteral("01"));
    ball(p, QPointF(89.5, 33), QColor(230, 60, 170), QStringLiteral("30"));
    ball(p, QPointF(148.5, 33), QColor(40, 190, 70), QStringLiteral("38"));
    return img;
}

// The icon at a smaller size, reduced with care rather than blurred: each
// pixel takes the colour that covers most of its share of the drawing, any
// opaque colour before transparency (so one-pixel rays keep going), and a
// share of the yellow and grey base goes on as a checkerboard.
QImage reduced(const QImage& drawing, int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    const QRgb yellow = qRgb(255, 255, 0), grey = qRgb(128, 128, 128);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            QHash<QRgb, int> count;
            QList<QRgb> order;
            for (int sy = y * drawing.height() / size; sy < (y + 1) * drawing.height() / size; ++sy)
                for (int sx = x * drawing.width() / size; sx < (x + 1) * drawing.width() / size; ++sx) {
                    const QRgb c = drawing.pixel(sx, sy);
                    if (qAlpha(c) == 0) continue;
                    if (!count.contains(c)) order << c;
                    ++count[c];
                }
            QRgb colour = qRgba(0, 0, 0, 0);
            if (count.contains(yellow) && count.contains(grey)) {
                colour = (x + y) % 2 ? grey : yellow;
            } else {
                for (QRgb c : order)
                    if (qAlpha(colour) == 0 || count[c] > count[colour]) colour = c;
            }
            img.setPixel(x, y, colour);
        }
    return img;
}

QImage grown(const QImage& img, int factor) {
    return img.scaled(img.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// A Windows icon file holding every size: the small ones as 32-bit bitmaps
// with their transparency mask, from 32 pixels up as PNG, which Windows
// reads there since Vista (and which keeps the program file small).
QByteArray icoFile(const QList<QImage>& images) {
    QByteArray head, data;
    auto put16 = [](QByteArray& b, int v) { b.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); };
    auto put32 = [&](QByteArray& b, quint32 v) { put16(b, int(v & 0xffff)), put16(b, int(v >> 16)); };
    put16(head, 0), put16(head, 1), put16(head, int(images.size()));
    const int dataStart = 6 + 16 * int(images.size());
    for (const QImage& img : images) {
        QByteArray entry;
        const int n = img.width();
        if (n >= 32) {
            QBuffer buffer(&entry);
            buffer.open(QIODevice::WriteOnly);
            img.save(&buffer, "PNG");
        } else {
            const int maskStride = ((n + 31) / 32) * 4;
            put32(entry, 40), put32(entry, quint32(n)), put32(entry, quint32(2 * n));
            put16(entry, 1), put16(entry, 32), put32(entry, 0);
            put32(entry, quint32(n * n * 4 + maskStride * n));
            for (int i = 0; i < 4; ++i) put32(entry, 0);
            for (int y = n - 1; y >= 0; --y)
                for (int x = 0; x < n; ++x) {
                    const QRgb c = img.pixel(x, y);
                    entry.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(qAlpha(c)));
                }
            for (int y = n - 1; y >= 0; --y) {
                QByteArray row(maskStride, 0);
                for (int x = 0; x < n; ++x)
                    if (qAlpha(img.pixel(x, y)) == 0) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
                entry.append(row);
            }
        }
        head.append(char(n >= 256 ? 0 : n)).append(char(n >= 256 ? 0 : n)).append(char(0)).append(char(0));
        put16(head, 1), put16(head, 32);
        put32(head, quint32(entry.size())), put32(head, quint32(dataStart + data.size()));
        data.append(entry);
    }
    return head + data;
}

// 16, 22 and 24 reduced from the drawing; 32 the drawing itself; 48 the 24
// doubled; 64, 128, 256 (and the web page's 192 and 512) the drawing by
// whole factors, square pixels all.
bool writeIcons(const QDir& out) {
    const QImage drawing = QImage(out.filePath("icon.xpm")).convertToFormat(QImage::Format_ARGB32);
    const QImage at24 = reduced(drawing, 24);
    const QList<QImage> icons = {reduced(drawing, 16), reduced(drawing, 22), at24,       drawing,
                                 grown(at24, 2),       grown(drawing, 2),    grown(drawing, 4), grown(drawing, 8)};
    // The web page's two, for phones' home screens and app lists.
    const QList<QImage> webIcons = {grown(drawing, 6), grown(drawing, 16)};
    out.mkpath(QStringLiteral("icons"));
    for (const QImage& icon : icons + webIcons)
        if (!icon.save(out.filePath(QStringLiteral("icons/mudrovan-%1.png").arg(icon.width())))) return false;
    QFile ico(out.filePath(QStringLiteral("mudrovan.ico")));
    return ico.open(QIODevice::WriteOnly) && ico.write(icoFile(icons)) > 0;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const bool ok = portrait().save(out.filePath("life.png")) &&
                    lotteryBalls().save(out.filePath("lottery_balls.png")) && writeIcons(out);
    return ok ? 0 : 1;
}
