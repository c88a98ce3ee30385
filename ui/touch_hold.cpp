#include "touch_hold.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QStyleHints>

namespace mud::ui {

namespace {

// A mouse event that a finger made: Qt makes one of each touch no control
// takes, and some window systems make their own.
bool fromTouch(const QMouseEvent* event) {
    return event->source() == Qt::MouseEventSynthesizedByQt || event->source() == Qt::MouseEventSynthesizedBySystem ||
           (event->pointingDevice() && event->pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen);
}

}  // namespace

TouchHold::TouchHold(QObject* parent) : QObject(parent) {}

// Windows get the mouse events before their controls do: a press held back
// there reaches no control until it is let through.
bool TouchHold::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (replaying_ || !watched->isWindowType() ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease &&
         type != QEvent::MouseButtonDblClick))
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (!fromTouch(mouse)) return false;
    auto* window = static_cast<QWindow*>(watched);

    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        window_ = window;  // a press still held from before had no release: it is dropped
        local_ = mouse->position();
        scene_ = mouse->scenePosition();
        global_ = mouse->globalPosition();
        modifiers_ = mouse->modifiers();
        device_ = mouse->pointingDevice();
        held_.start();
        return true;
    }
    // A second tap in quick succession is two taps, not a double click.
    if (type == QEvent::MouseButtonDblClick) return true;
    if (window != window_) return false;

    if (type == QEvent::MouseMove) {
        const QPointF moved = mouse->globalPosition() - global_;
        if (moved.manhattanLength() < QGuiApplication::styleHints()->startDragDistance()) return true;
        replayPress();  // a drag: from where the finger came down
        return false;
    }
    if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
        if (held_.elapsed() >= QGuiApplication::styleHints()->mousePressAndHoldInterval()) {
            rightClick(mouse);
            return true;
        }
        replayPress();  // a tap: the release follows as it came
    }
    return false;
}

void TouchHold::replayPress() {
    QPointer<QWindow> window = window_;
    window_ = nullptr;
    if (!window) return;
    QMouseEvent press(QEvent::MouseButtonPress, local_, scene_, global_, Qt::LeftButton, Qt::LeftButton, modifiers_,
                      Qt::MouseEventSynthesizedByQt, device_);
    replaying_ = true;
    QCoreApplication::sendEvent(window, &press);
    replaying_ = false;
}

void TouchHold::rightClick(const QMouseEvent* release) {
    QPointer<QWindow> window = window_;
    window_ = nullptr;
    QMouseEvent press(QEvent::MouseButtonPress, local_, scene_, global_, Qt::RightButton, Qt::RightButton, modifiers_,
                      Qt::MouseEventSynthesizedByQt, device_);
    QMouseEvent up(QEvent::MouseButtonRelease, local_, scene_, global_, Qt::RightButton, Qt::NoButton,
                   release->modifiers(), Qt::MouseEventSynthesizedByQt, device_);
    replaying_ = true;
    if (window) QCoreApplication::sendEvent(window, &press);
    if (window) QCoreApplication::sendEvent(window, &up);
    replaying_ = false;
}

}  // namespace mud::ui
