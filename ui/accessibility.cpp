#include "accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace mud::ui {

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

// A drop-down list: named by its house and attribute ("Kuća 2, Boja"), its
// value the item it shows, also as text, which stands selected while the
// list has the focus, as the field shows it highlighted. Every change of
// the value is told as that text.
class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox), shown_(list->currentText()) {
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [this] { valueChanged(); });
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && !list()->accessibleName().isEmpty()) return list()->accessibleName();
        if (t == QAccessible::Value) return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        s.hasPopup = true;
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) list()->showPopup();
    }

    // The text interface: the item the field shows.
    QString text(int start, int end) const override { return list()->currentText().mid(start, end - start); }
    int characterCount() const override { return int(list()->currentText().size()); }
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

    void valueChanged() {
        const QString now = list()->currentText();
        if (now == shown_) return;
        // Told as new text at the start, selected as the field shows it: a
        // removal of the old text would be read out as a deleted selection.
        shown_ = now;
        QAccessibleTextInsertEvent event(list(), 0, now);
        QAccessible::updateAccessibility(&event);
    }

    QString shown_;
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
    if (auto* list = qobject_cast<QComboBox*>(widget); list && !list->isEditable()) return new ListAccessible(list);
    if (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog) return new WindowAccessible(widget);
    return nullptr;
}

}  // namespace

void installAccessibility() { QAccessible::installFactory(gameInterface); }

Announcer::Announcer(QWidget* window) : QWidget(window) {
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
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

}  // namespace mud::ui
