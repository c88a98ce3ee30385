#include "accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLocale>
#include <QKeyEvent>

#include "content.h"
#include "screen_reader.h"

namespace mud::ui {

const QString kNotChosen = QStringLiteral("nije izabrano");

namespace {

// The game's windows by name: the board is a frame, the others are dialogs.
QAccessible::Role windowRole(const QWidget* window) {
    const QString name = window->objectName();
    if (name == QLatin1String("frmMud")) return QAccessible::Window;
    for (const char* dialog : {"frmInfo", "frmObjasni", "frmZali", "frmOglas"})
        if (name == QLatin1String(dialog)) return QAccessible::Dialog;
    return QAccessible::Client;
}

// A window's role is read when asked, not when the interface is made: a
// screen reader may ask about a window before it has its name.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window) {}
    QAccessible::Role role() const override { return windowRole(widget()); }
};

// A house frame only holds its lists, whose names tell the house: read as
// one more name on the way, it would say the house twice.
class HouseAccessible : public QAccessibleWidget {
public:
    explicit HouseAccessible(QGroupBox* frame) : QAccessibleWidget(frame, QAccessible::Client) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<QGroupBox*>(widget())->title() : QAccessibleWidget::text(t);
    }
};

// Notes when the focus comes back to a list from its open popup; the note
// lasts until the event loop turns again.
class BackFromPopup : public QObject {
public:
    explicit BackFromPopup(QComboBox* list) : QObject(list) { list->installEventFilter(this); }
    bool now() const { return now_; }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) {
            now_ = true;
            QMetaObject::invokeMethod(this, [this] { now_ = false; }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool now_ = false;
};

// A drop-down list: named by its house and attribute ("Kuća 2, Boja"), its
// value the item it shows (the placeholder as words), also as text, which
// stands selected while the list has the focus, as the field shows it
// highlighted. Every change of the value is told as that text, but one made
// in the open list (see valueChanged).
class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox), shown_(shownText()), backFromPopup_(new BackFromPopup(list)) {
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [this] { valueChanged(); });
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && !list()->accessibleName().isEmpty()) return list()->accessibleName();
        if (t == QAccessible::Value) return shownText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = popupShown();
        s.hasPopup = true;
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) list()->showPopup();
    }

    // The text interface: the item the field shows.
    QString text(int start, int end) const override { return shownText().mid(start, end - start); }
    int characterCount() const override { return int(shownText().size()); }
    int selectionCount() const override { return list()->hasFocus() && characterCount() > 0 ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        *start = 0;
        *end = index == 0 && selectionCount() ? characterCount() : 0;
    }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
    QString shownText() const { return list()->currentIndex() == 0 ? kNotChosen : list()->currentText(); }
    // Asked without making the popup: every popup made would add its own
    // events to each change of the lists.
    bool popupShown() const {
        const auto* view = list()->findChild<QAbstractItemView*>();
        return view && view->isVisible();
    }

    void valueChanged() {
        const QString now = shownText();
        if (now == shown_) return;
        shown_ = now;
        // A choice made in the popup is read with the list as the focus
        // comes back to it: told again, it would be heard twice.
        if (backFromPopup_->now() || popupShown()) return;
        // Told as new text at the start, selected as the field shows it: a
        // removal of the old text would be read out as a deleted selection.
        QAccessibleTextInsertEvent event(list(), 0, now);
        QAccessible::updateAccessibility(&event);
    }

    QString shown_;
    const BackFromPopup* backFromPopup_;
};

// The announcer's place: a status line, whose messages a screen reader says
// as they are, without calling each one a notification. Empty, and as
// small as the announcer.
class StatusLine : public QWidget {
public:
    explicit StatusLine(QWidget* window) : QWidget(window) {
        setObjectName(QStringLiteral("statusLine"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
    }
};

class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Announcer*>(widget())->sentence() : QString();
    }
};

QAccessibleInterface* gameInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (auto* announcer = dynamic_cast<Announcer*>(widget)) return new AnnouncerAccessible(announcer);
    if (dynamic_cast<StatusLine*>(widget)) return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (auto* list = qobject_cast<QComboBox*>(widget); list && !list->isEditable()) return new ListAccessible(list);
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) return new HouseAccessible(frame);
    if (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog) return new WindowAccessible(widget);
    return nullptr;
}

// While a change goes untold, the events its control sends of its value are
// dropped; every other event goes on to where it would have gone.
QObject* untold = nullptr;
QAccessible::UpdateHandler passOn = nullptr;

void dropUntold(QAccessibleEvent* event) {
    switch (event->type()) {
    case QAccessible::ValueChanged:
    case QAccessible::NameChanged:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
        if (event->object() == untold) return;
        break;
    default:
        break;
    }
    if (passOn) {
        passOn(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(dropUntold);
}

}  // namespace

void changeUntold(QWidget* control, const std::function<void()>& change) {
    if (untold || control->hasFocus() || !QAccessible::isActive()) {
        change();
        return;
    }
    untold = control;
    passOn = QAccessible::installUpdateHandler(dropUntold);
    change();
    QAccessible::installUpdateHandler(passOn);
    untold = nullptr;
    passOn = nullptr;
}

void installAccessibility() {
    QAccessible::installFactory(gameInterface);
    // Screen readers ask the application for its language to choose a voice.
    QLocale::setDefault(QLocale(QLocale::Serbian, QLocale::LatinScript, QLocale::Serbia));
    connectScreenReaders();
}

Announcer::Announcer(QWidget* window) : QWidget(new StatusLine(window)) {
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

// Shown anew for every sentence: screen readers speak a notification when
// it appears.
void Announcer::say(const QString& sentence) {
    hide();
    sentence_ = sentence;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    show();
    // Where the window system raises it as a notification, Qt's alert would
    // only add a system sound.
    if (notifyScreenReaders(this, sentence)) return;
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Announcer::sayAfterwards(const QString& sentence) {
    if (pending_.contains(sentence)) return;
    pending_ << sentence;
    if (pending_.size() > 1) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            const QString all = pending_.join(QLatin1Char(' '));
            pending_.clear();
            say(all);
        },
        Qt::QueuedConnection);
}

// Keys the board's controls leave alone come up to the board itself.
ClueReader::ClueReader(QWidget* board, Announcer* announcer) : QObject(board), announcer_(announcer) {
    board->installEventFilter(this);
}

bool ClueReader::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    int clue = 0;
    if (key->key() == Qt::Key_F2 && mods == Qt::NoModifier) clue = last_ % kClues + 1;
    if (key->key() == Qt::Key_F2 && mods == Qt::ShiftModifier) clue = last_ <= 1 ? kClues : last_ - 1;
    if (key->key() == Qt::Key_F3 && mods == Qt::NoModifier) clue = last_ ? last_ : 1;
    if (!clue) return false;
    if (!key->isAutoRepeat()) read(clue);  // a held key reads once
    return true;
}

QString ClueReader::help() {
    return QStringLiteral("F2 čita sledeći podatak, Shift+F2 prethodni, F3 ponavlja poslednji.");
}

// "Podatak 6, Pušač zete čuva pticu.": the quotes around a brand would be
// read out as words.
QString ClueReader::sentence(int clue) {
    QString text = QString::fromUtf8(kClueList[clue - 1].text);
    text.remove(QLatin1Char('"'));
    return QStringLiteral("Podatak %1, %2.").arg(clue).arg(text);
}

void ClueReader::read(int clue) {
    last_ = clue;
    announcer_->say(sentence(clue));
}

}  // namespace mud::ui
