#include "house_frame.h"

#include <QPainter>

namespace mud::ui {

HouseFrame::HouseFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void HouseFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QFont caption = font();
    caption.setBold(true);
    p.setFont(caption);
    const QFontMetrics fm(caption);
    const int lineY = fm.height() / 2;
    const int w = width(), h = height();
    p.fillRect(rect(), palette().color(QPalette::Window));
    // Etched: a grey rectangle with a white one a pixel to the lower right.
    p.setPen(QColor(255, 255, 255));
    p.drawRect(1, lineY + 1, w - 2, h - lineY - 2);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(0, lineY, w - 2, h - lineY - 2);
    const int textLeft = 8;
    const int textWidth = fm.horizontalAdvance(title());
    p.fillRect(textLeft - 2, 0, textWidth + 4, fm.height(), palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(textLeft, fm.ascent(), title());
}

}  // namespace mud::ui
