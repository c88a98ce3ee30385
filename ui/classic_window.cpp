#include "classic_window.h"

#include <QApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <qdrawutil.h>

#include "look.h"
#include "native_window.h"

namespace mud::ui {

namespace {

constexpr int kSizingBorder = 4, kDialogBorder = 3, kCaption = 18;  // pixels, as the classic frames
constexpr int kCornerReach = 16;  // how far along an edge a corner grip reaches
constexpr QSize kButton(16, 14);
const QColor kActiveCaption(0, 0, 128), kInactiveCaption(128, 128, 128);

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

bool ClassicWindow::platformFramesNoWindows() {
    return windowsDrawOwnFrames() || qEnvironmentVariableIsSet("MUD_OWN_FRAMES");  // to try the own frames anywhere
}

ClassicWindow::ClassicWindow(Frame frame, Qt::WindowFlags systemFlags)
    : frame_(frame),
      own_(frame == Frame::BorderOnly || platformFramesNoWindows()),
      inPlace_(frame == Frame::Sizable && boardIsTheScreen()) {
    setWindowFlags(own_ ? (systemFlags & Qt::WindowType_Mask) | Qt::FramelessWindowHint : systemFlags);
    client_ = own_ ? new QWidget(this) : this;
    if (!own_) return;
    client_->setObjectName(QStringLiteral("client"));
    setMouseTracking(true);
}

int ClassicWindow::border() const { return frame_ == Frame::Dialog ? kDialogBorder : kSizingBorder; }
int ClassicWindow::caption() const { return frame_ == Frame::BorderOnly ? 0 : kCaption; }

void ClassicWindow::setClientSize(QSize size, bool fixed) {
    const QSize whole = own_ ? size + QSize(2 * border(), 2 * border() + caption()) : size;
    if (fixed) {
        setFixedSize(whole);
        return;
    }
    if (own_) setMinimumSize(2 * border() + 1, 2 * border() + caption() + 1);
    resize(whole);
}

// The client area grows with the window; what it holds stays in place.
void ClassicWindow::resizeEvent(QResizeEvent*) {
    if (own_) client_->setGeometry(rect().adjusted(border(), border() + caption(), -border(), -border()));
}

// Dialogs have no taskbar button of their own: where the desktop needs it,
// a dialog about to show is owned by the game's window open beside it (the
// board).
void ClassicWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (frame_ != Frame::Dialog || !dialogsNeedOwner()) return;
    QWidget* owner = QApplication::activeWindow();
    if (!owner || owner == this) {
        owner = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != this && w->isVisible() && w->windowType() == Qt::Window) owner = w;
    }
    if (!owner) return;
    winId();
    owner->winId();
    windowHandle()->setTransientParent(owner->windowHandle());
}

void ClassicWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (own_ && (event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowTitleChange)) update();
}

// Outside in: button face and black, white and grey, then the border colour.
void ClassicWindow::paintEvent(QPaintEvent*) {
    if (!own_) return;
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
    if (caption()) paintCaption(p);
}

void ClassicWindow::paintCaption(QPainter& p) const {
    const bool active = isActiveWindow();
    const QRect bar(border(), border(), width() - 2 * border(), caption());
    p.fillRect(bar, active ? kActiveCaption : kInactiveCaption);
    int textLeft = bar.left() + 3;
    if (frame_ == Frame::Sizable && !windowIcon().isNull()) {
        p.drawPixmap(bar.left() + 1, bar.top() + 1, windowIcon().pixmap(QSize(16, 16), devicePixelRatioF()));
        textLeft = bar.left() + 20;
    }
    p.setFont(arial(8.25, true));
    p.setPen(active ? QColor(Qt::white) : QColor(192, 192, 192));
    const int textRight = (frame_ == Frame::Sizable ? buttonRect(Button::Minimize) : buttonRect(Button::Close)).left() - 2;
    p.drawText(QRect(textLeft, bar.top(), textRight - textLeft, bar.height()), Qt::AlignLeft | Qt::AlignVCenter,
               windowTitle());

    for (Button b : {Button::Minimize, Button::Maximize, Button::Close}) {
        const QRect r = buttonRect(b);
        if (r.isNull()) continue;
        const bool sunken = pressed_ == b && buttonAt(mapFromGlobal(QCursor::pos())) == b;
        const QBrush face = palette().button();
        qDrawWinButton(&p, r, palette(), sunken, &face);
        // The glyph, a pixel lower and to the right while pressed; the
        // maximize box is offered disabled, etched as disabled text is (and
        // so minimize, where the window stays in place).
        const QPoint o = r.topLeft() + (sunken ? QPoint(1, 1) : QPoint(0, 0));
        auto glyph = [&](QPoint at, const QColor& colour) {
            p.setPen(colour);
            p.setBrush(Qt::NoBrush);
            if (b == Button::Close) {
                for (int i = 0; i < 7; ++i) {
                    p.drawLine(at + QPoint(4 + i, 3 + i), at + QPoint(5 + i, 3 + i));
                    p.drawLine(at + QPoint(10 - i, 3 + i), at + QPoint(11 - i, 3 + i));
                }
            } else if (b == Button::Maximize) {
                p.drawRect(QRect(at + QPoint(3, 2), QSize(8, 8)));
                p.drawLine(at + QPoint(3, 3), at + QPoint(11, 3));
            } else {
                p.fillRect(QRect(at + QPoint(4, 9), QSize(6, 2)), colour);
            }
        };
        if (!offers(b)) {
            glyph(o + QPoint(1, 1), palette().color(QPalette::Light));
            glyph(o, palette().color(QPalette::Dark));
        } else {
            glyph(o, palette().color(QPalette::ButtonText));
        }
    }
}

// Close at the right end of the caption, maximize and minimize before it;
// a dialog has only the close button.
QRect ClassicWindow::buttonRect(Button button) const {
    if (!caption()) return {};
    const QRect close(QPoint(width() - border() - 2 - kButton.width(), border() + 2), kButton);
    switch (button) {
    case Button::Close: return close;
    case Button::Maximize: return frame_ == Frame::Sizable ? close.translated(-kButton.width() - 2, 0) : QRect();
    case Button::Minimize: return frame_ == Frame::Sizable ? close.translated(-2 * kButton.width() - 2, 0) : QRect();
    case Button::None: break;
    }
    return {};
}

// Maximizing is shown but never offered; minimizing is, unless the window
// stays in place.
bool ClassicWindow::offers(Button button) const {
    return button == Button::Close || (button == Button::Minimize && !inPlace_);
}

ClassicWindow::Button ClassicWindow::buttonAt(QPoint pos) const {
    for (Button b : {Button::Minimize, Button::Maximize, Button::Close})
        if (buttonRect(b).contains(pos)) return b;
    return Button::None;
}

// On a sizing border, the edge under the pointer; near a corner, both of its edges.
Qt::Edges ClassicWindow::edgesAt(QPoint pos) const {
    if (frame_ == Frame::Dialog || inPlace_ || rect().adjusted(border(), border(), -border(), -border()).contains(pos)) return {};
    Qt::Edges edges;
    if (pos.x() < kCornerReach) edges |= Qt::LeftEdge;
    else if (pos.x() >= width() - kCornerReach) edges |= Qt::RightEdge;
    if (pos.y() < kCornerReach) edges |= Qt::TopEdge;
    else if (pos.y() >= height() - kCornerReach) edges |= Qt::BottomEdge;
    return edges;
}

void ClassicWindow::mousePressEvent(QMouseEvent* event) {
    if (!own_ || event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    dragStart_ = event->globalPosition().toPoint();
    startGeometry_ = geometry();
    if (const Button b = buttonAt(pos); b != Button::None) {
        if (offers(b)) pressed_ = b;
        update();
        return;
    }
    if (const Qt::Edges edges = edgesAt(pos)) {
        if (!windowHandle() || !windowHandle()->startSystemResize(edges)) dragging_ = edges;
        return;
    }
    if (!inPlace_ && QRect(border(), border(), width() - 2 * border(), caption()).contains(pos))
        moving_ = !windowHandle() || !windowHandle()->startSystemMove();
}

void ClassicWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!own_) return QWidget::mouseMoveEvent(event);
    const QPoint d = event->globalPosition().toPoint() - dragStart_;
    if (pressed_ != Button::None) {
        update();
    } else if (moving_) {
        move(startGeometry_.topLeft() + d);
    } else if (dragging_) {
        QRect g = startGeometry_;
        const QSize least = minimumSize();
        if (dragging_ & Qt::LeftEdge) g.setLeft(qMin(g.left() + d.x(), g.right() + 1 - least.width()));
        if (dragging_ & Qt::RightEdge) g.setRight(qMax(g.right() + d.x(), g.left() - 1 + least.width()));
        if (dragging_ & Qt::TopEdge) g.setTop(qMin(g.top() + d.y(), g.bottom() + 1 - least.height()));
        if (dragging_ & Qt::BottomEdge) g.setBottom(qMax(g.bottom() + d.y(), g.top() - 1 + least.height()));
        setGeometry(g);
    } else {
        setCursor(cursorFor(edgesAt(event->position().toPoint())));
    }
}

void ClassicWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (!own_) return QWidget::mouseReleaseEvent(event);
    const Button pressed = pressed_;
    pressed_ = Button::None;
    dragging_ = {};
    moving_ = false;
    update();
    if (pressed == Button::None || buttonAt(event->position().toPoint()) != pressed) return;
    if (pressed == Button::Minimize) showMinimized();
    if (pressed == Button::Close) close();
}

}  // namespace mud::ui
