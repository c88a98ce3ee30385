// A touch held on a control is its right click, as on the classic
// desktop's touch screens (installed once on the application, beside the
// classic keys). A finger's press reaches a window only once it is known
// what it is:
// - let go soon, where it came down: a left click there (a tap);
// - moved further than a drag starts: a left press where it came down, and
//   the moves and the release after it (a drag);
// - held still for the press-and-hold time: a right click there, as the
//   finger lets go.
// The mouse itself is never held back.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QWindow>

class QMouseEvent;
class QPointingDevice;

namespace mud::ui {

class TouchHold : public QObject {
public:
    explicit TouchHold(QObject* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void replayPress();
    void rightClick(const QMouseEvent* release);

    QPointer<QWindow> window_;  // where the held press came down; null when none is held
    QPointF local_, scene_, global_;
    Qt::KeyboardModifiers modifiers_;
    const QPointingDevice* device_ = nullptr;
    QElapsedTimer held_;
    bool replaying_ = false;
};

}  // namespace mud::ui
