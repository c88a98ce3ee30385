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
}  // namespace

PictureBox::PictureBox(QWidget* parent, const QString& name, const QString& resource, int leftTwips, int topTwips)
    : QWidget(parent), image_(loadShared(resource)) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    move(px(leftTwips), px(topTwips));
    setFixedSize(image_.size());
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const int factor = std::max(1, int(std::floor(ratio + 1e-6)));
    if (qFuzzyCompare(ratio, qreal(factor))) {
        // Whole factor: nearest-neighbour scaling gives square pixel blocks.
        painter.drawImage(rect(), image_);
        return;
    }
    // Fractional factor: blow the picture up by the whole part only, and
    // draw it in device pixels, centred in the control.
    QImage scaled = image_.scaled(image_.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled.setDevicePixelRatio(ratio);
    const QSizeF logical = QSizeF(scaled.size()) / ratio;
    const QPointF at((width() - logical.width()) / 2, (height() - logical.height()) / 2);
    painter.drawImage(at, scaled);
}

}  // namespace mud::ui
