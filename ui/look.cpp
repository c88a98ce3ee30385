#include "look.h"

#include <QApplication>
#include <QDirIterator>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <cmath>

#include <QPainter>

#include "classic_input.h"
#include "classic_window.h"
#include "classic_style.h"
#include "touch_hold.h"
#include "twips.h"

namespace mud::ui {

void applyClassicLook(QApplication& app) {
    app.setStyle(new ClassicStyle);
    QPalette p;
    p.setColor(QPalette::Window, kSilver);
    p.setColor(QPalette::Button, kSilver);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Highlight, kNavy);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, QColor(223, 223, 223));
    p.setColor(QPalette::Mid, QColor(160, 160, 160));
    p.setColor(QPalette::Dark, QColor(128, 128, 128));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    app.setPalette(p);
    // Where the system has no fonts of its own (the browser), the program
    // carries Liberation Sans, which has Arial's metrics.
    for (QDirIterator it(QStringLiteral(":/fonts/game")); it.hasNext();)
        QFontDatabase::addApplicationFont(it.next());
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    app.setFont(arial(8.25));
    app.installEventFilter(new ClassicInput(&app));
    app.installEventFilter(new TouchHold(&app));
}

QFont arial(double points, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    f.setBold(bold);
    return f;
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(widget->backgroundRole(), colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(widget->foregroundRole(), colour);
    widget->setPalette(p);
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, Place place, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    label->setGeometry(twipRect(place.left, place.top, place.width, place.height));
    return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& text, Place place, const QFont& font) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(font);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setGeometry(twipRect(place.left, place.top, place.width, place.height));
    return button;
}

void makeBoxedField(QLabel* label) {
    label->setFrameShape(QFrame::Box);
    label->setLineWidth(1);
    // The text stands at the top of the box: no indent (a framed label would
    // indent it by half an "x"), and of the empty rows the font keeps above
    // its tallest letters one stays in the box, the rest lie under the
    // border, so that the descenders have room below. (A negative margin
    // moves the text up; the frame owns the contents margins. The text is
    // centred across, so the sides do not matter.)
    label->setIndent(0);
    const QFontMetrics metrics(label->font());
    const int aboveInk = metrics.ascent() + metrics.tightBoundingRect(QStringLiteral("Bbdfhkl!0123456789")).top();
    label->setMargin(-qMax(0, aboveInk - 1));
    label->setBackgroundRole(QPalette::Base);
    label->setForegroundRole(QPalette::Text);
    label->setAutoFillBackground(true);
}

QString arrayName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QString::fromLatin1(name)).arg(index);
}

void makeFixedDialog(ClassicWindow* window, const QString& title, int clientWidthTwips, int clientHeightTwips) {
    window->setWindowTitle(title);
    window->setClientSize(QSize(px(clientWidthTwips), px(clientHeightTwips)), true);
    centreOnScreen(window);
}

namespace {
class EtchedLine : public QWidget {
public:
    EtchedLine(QWidget* parent, QRect place, const QColor& top, const QColor& bottom)
        : QWidget(parent), top_(top), bottom_(bottom) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(place);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(0, 0, width(), 1, top_);
        p.fillRect(0, 1, width(), height() - 1, bottom_);
    }

private:
    QColor top_, bottom_;
};
}  // namespace

void addEtchedLine(QWidget* parent, QRect place, const QColor& top, const QColor& bottom) {
    new EtchedLine(parent, place, top, bottom);
}

namespace {

QRect centred(QSize size) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, screen->availableGeometry())
                  : QRect(QPoint(0, 0), size);
}

// The frame a window manager puts around a window is known only once it has
// framed the window: until then the window stands centred by its client
// area, and it moves once, as soon as the frame is known, to centre the
// frame. A window that is never framed stays where it is.
class FrameCentring : public QObject {
public:
    explicit FrameCentring(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
            break;
        default:
            return false;
        }
        if (!window_->isVisible()) return false;
        const QRect frame = window_->frameGeometry();
        if (frame != window_->geometry()) {
            window_->move(centred(frame.size()).topLeft());
        } else if (event->type() != QEvent::WindowActivate) {
            return false;  // not framed yet
        }
        window_->removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    QWidget* window_;
};

}  // namespace

void centreOnScreen(QWidget* window) {
    window->setGeometry(centred(window->size()));
    new FrameCentring(window);
}

}  // namespace mud::ui
