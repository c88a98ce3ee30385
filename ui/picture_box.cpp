#include "picture_box.h"

#include <QHash>
#include <QPainter>
#include <cmath>

#include "twips.h"

namespace mud::ui {

namespace {
// Each picture is decoded once; the fifteen portraits and five grey houses
// share their pixels.
QImage loadShared(const QString& resource) {
    static QHash<QString, QImage> cache;
    auto it = cache.constFind(resource);
    if (it == cache.constEnd()) it = cache.insert(resource, QImage(resource));
    return *it;
}

// The picture at `size` device pixels, made once for each size: enlarged
// by the next whole factor in square blocks, then smoothed down to the size,
// the way pixel art is scaled to odd sizes. At a whole factor the blocks are
// the size already.
QImage scaledShared(const QString& resource, const QImage& image, QSize size) {
    static QHash<QString, QImage> cache;
    const QString key = QStringLiteral("%1@%2x%3").arg(resource).arg(size.width()).arg(size.height());
    auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    const qreal ratio = std::max(qreal(size.width()) / image.width(), qreal(size.height()) / image.height());
    const int factor = int(std::ceil(ratio - 1e-6));
    QImage blocks = image.scaled(image.size() * std::max(1, factor), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (blocks.size() != size) {
        blocks = blocks.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                     .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return *cache.insert(key, blocks);
}
}  // namespace

PictureBox::PictureBox(QWidget* parent, const QString& name, const QString& resource, int leftTwips, int topTwips)
    : QWidget(parent), resource_(resource), image_(loadShared(resource)) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    move(px(leftTwips), px(topTwips));
    setFixedSize(image_.size());
}

// The picture covers the device pixels of its place, drawn one to one.
void PictureBox::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter painter(this);
    const QTransform toDevice = painter.deviceTransform();
    const QRectF place = toDevice.mapRect(QRectF(rect()));
    const QRect pixels(QPoint(qRound(place.left()), qRound(place.top())),
                       QPoint(qRound(place.right()) - 1, qRound(place.bottom()) - 1));
    if (pixels.isEmpty()) return;
    painter.drawImage(toDevice.inverted().mapRect(QRectF(pixels)), scaledShared(resource_, image_, pixels.size()));
}

}  // namespace mud::ui
