#include "sizing_border.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace mud::ui {

namespace {

constexpr int kCornerReach = 16;  // how far along an edge a corner grip reaches

Qt::CursorShape cursorFor(Qt::Edges edges) {
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling = (edges & Qt::LeftEdge) == bool(edges & Qt::TopEdge);
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (horizontal) return Qt::SizeHorCursor;
    if (vertical) return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

}  // namespace

SizingBorderWindow::SizingBorderWindow(QSize clientSize)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), client_(new QWidget(this)) {
    setMouseTracking(true);
    setMinimumSize(2 * kBorder + 1, 2 * kBorder + 1);
    resize(clientSize + QSize(2 * kBorder, 2 * kBorder));
    client_->setObjectName(QStringLiteral("client"));
}

void SizingBorderWindow::resizeEvent(QResizeEvent*) {
    // The client area grows with the window; what it holds stays in place.
    client_->setGeometry(rect().adjusted(kBorder, kBorder, -kBorder, -kBorder));
}

// Outside in: button face and black, white and grey, then the border colour.
void SizingBorderWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Button));
    auto ring = [&p](QRect r, const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
        p.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    };
    ring(rect(), pal.color(QPalette::Button), pal.color(QPalette::Shadow));
    ring(rect().adjusted(1, 1, -1, -1), pal.color(QPalette::Light), pal.color(QPalette::Dark));
}

// On the border, the edge under the pointer; near a corner, both of its edges.
Qt::Edges SizingBorderWindow::edgesAt(QPoint pos) const {
    if (rect().adjusted(kBorder, kBorder, -kBorder, -kBorder).contains(pos)) return {};
    Qt::Edges edges;
    if (pos.x() < kCornerReach) edges |= Qt::LeftEdge;
    else if (pos.x() >= width() - kCornerReach) edges |= Qt::RightEdge;
    if (pos.y() < kCornerReach) edges |= Qt::TopEdge;
    else if (pos.y() >= height() - kCornerReach) edges |= Qt::BottomEdge;
    return edges;
}

void SizingBorderWindow::mousePressEvent(QMouseEvent* event) {
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !edges) return;
    if (windowHandle() && windowHandle()->startSystemResize(edges)) return;
    dragging_ = edges;
    dragStart_ = event->globalPosition().toPoint();
    startGeometry_ = geometry();
}

void SizingBorderWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        setCursor(cursorFor(edgesAt(event->position().toPoint())));
        return;
    }
    const QPoint d = event->globalPosition().toPoint() - dragStart_;
    QRect g = startGeometry_;
    const QSize least = minimumSize();
    if (dragging_ & Qt::LeftEdge) g.setLeft(qMin(g.left() + d.x(), g.right() + 1 - least.width()));
    if (dragging_ & Qt::RightEdge) g.setRight(qMax(g.right() + d.x(), g.left() - 1 + least.width()));
    if (dragging_ & Qt::TopEdge) g.setTop(qMin(g.top() + d.y(), g.bottom() + 1 - least.height()));
    if (dragging_ & Qt::BottomEdge) g.setBottom(qMax(g.bottom() + d.y(), g.top() - 1 + least.height()));
    setGeometry(g);
}

void SizingBorderWindow::mouseReleaseEvent(QMouseEvent*) { dragging_ = {}; }

}  // namespace mud::ui
