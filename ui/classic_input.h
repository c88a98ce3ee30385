// How keys and the wheel answer on the classic desktop, for every window of
// the game (installed once on the application):
// - Enter (Return or keypad Enter) presses the focused button, as Space does;
// - a held key presses a button once, however the window system repeats it;
// - the wheel changes a list only while that list has the focus;
// - each press of a letter moves a list to the next item that begins with
//   it, round and round.
#pragma once

#include <QHash>
#include <QObject>

class QKeyEvent;

namespace mud::ui {

class ClassicInput : public QObject {
public:
    explicit ClassicInput(QObject* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isRepeat(const QKeyEvent* key) const;
    bool walkList(QObject* watched, const QKeyEvent* key);

    // On X11, when each pressing key was last let go, in the server's time:
    // a press stamped with that same time is the key's auto-repeat.
    const bool stampsMatchRepeats_;
    QHash<int, quint64> releasedAt_;
};

}  // namespace mud::ui
