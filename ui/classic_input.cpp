#include "classic_input.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWheelEvent>

namespace mud::ui {

namespace {

bool isPressKey(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The list whose open popup shows `view`, if it is one.
QComboBox* listOfPopup(QObject* view) {
    auto* itemView = qobject_cast<QAbstractItemView*>(view);
    if (!itemView) return nullptr;
    auto* list = qobject_cast<QComboBox*>(itemView->window()->parentWidget());
    return list && list->view() == itemView ? list : nullptr;
}

// The item a press of `letter` moves to from item `from` (-1: none
// selected): the next one that begins with it, wrapping; -1 if none does.
int nextItemStartingWith(const QComboBox* list, int from, const QString& letter) {
    const int count = list->count();
    const QString folded = letter.toCaseFolded();
    for (int step = 1; step <= count; ++step) {
        const int item = (from + step) % count;
        if (list->itemText(item).left(letter.size()).toCaseFolded() == folded) return item;
    }
    return -1;
}

}  // namespace

ClassicInput::ClassicInput(QObject* parent)
    : QObject(parent), stampsMatchRepeats_(QGuiApplication::platformName() == QLatin1String("xcb")) {}

bool ClassicInput::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isPressKey(key->key()) && isRepeat(key)) return true;
        if (isEnter(key->key())) {
            if (auto* button = qobject_cast<QPushButton*>(watched); button && button->isEnabled()) {
                button->click();
                return true;
            }
        }
        return walkList(watched, key);
    }
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!isPressKey(key->key())) return false;
        if (key->isAutoRepeat()) return true;
        releasedAt_[key->key()] = key->timestamp();
        return false;
    }
    case QEvent::Wheel: {
        auto* list = qobject_cast<QComboBox*>(watched);
        if (!list || list->hasFocus()) return false;
        event->accept();  // and no further: a list the player is not in stays as it is
        return true;
    }
    default:
        return false;
    }
}

// Every window system marks a key's auto-repeat, but X11 sometimes fails to:
// when the two halves of a repeat reach the program apart, it comes as a
// release and a press with one and the same server time stamp. (A key that
// reaches the program through a screen reader's bus has no time stamp.)
bool ClassicInput::isRepeat(const QKeyEvent* key) const {
    if (key->isAutoRepeat()) return true;
    if (!stampsMatchRepeats_ || key->timestamp() == 0) return false;
    const auto released = releasedAt_.constFind(key->key());
    return released != releasedAt_.constEnd() && *released == key->timestamp();
}

bool ClassicInput::walkList(QObject* watched, const QKeyEvent* key) {
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    if (auto* list = qobject_cast<QComboBox*>(watched); list && !list->isEditable()) {
        const int item = nextItemStartingWith(list, list->currentIndex(), text);
        if (item >= 0 && item != list->currentIndex()) {
            list->setCurrentIndex(item);
            // The player's own choice, as one made in the popup.
            emit list->activated(item);
            emit list->textActivated(list->itemText(item));
        }
        return true;
    }
    if (QComboBox* list = listOfPopup(watched)) {
        QAbstractItemView* view = list->view();
        const int item = nextItemStartingWith(list, view->currentIndex().row(), text);
        if (item >= 0) view->setCurrentIndex(view->model()->index(item, list->modelColumn(), view->rootIndex()));
        return true;
    }
    return false;
}

}  // namespace mud::ui
