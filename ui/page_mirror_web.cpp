// The page's mirror of the shown windows: what screen readers know of the
// game in the browser. A screen reader on a phone finds what lies under a
// finger, and one on a desktop what lies under the pointer, by asking the
// browser for the element at that point; a swipe, a reader's browse mode
// and its reading of the page walk the page's elements in order; and one
// used by keyboard follows the browser's focus, which the page gives the
// element of the game's focused control. So the page keeps an element over
// every object of the shown windows that a player reads or uses, placed
// where it is drawn. The objects are the accessibility layer's, as the
// desktop programs give them to screen readers: role, name, value, state
// and rectangle, and a window's description (a dialog's, its texts). A
// screen reader's activation of one (the page's click without the player's
// own press) comes back as a click on the control.
#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGui/qpa/qwindowsysteminterface.h>
#include <algorithm>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <string>
#include <vector>

#include "page_web.h"

namespace mud::ui {

namespace {

// The page's roles for the game's: a text is read as its own words, and a
// plain area as its name; roles without one are mirrored only through
// what they hold.
struct RoleName {
    QAccessible::Role role;
    const char* page;
};
constexpr RoleName kRoles[] = {
    {QAccessible::ComboBox, "combobox"}, {QAccessible::Button, "button"}, {QAccessible::ListItem, "option"},
    {QAccessible::List, "listbox"},      {QAccessible::Dialog, "dialog"}, {QAccessible::Window, "group"},
    {QAccessible::StaticText, "text"},   {QAccessible::Graphic, "img"},   {QAccessible::Client, "text"},
};

const char* mirroredRole(QAccessible::Role role) {
    for (const RoleName& r : kRoles)
        if (r.role == role) return r.page;
    return nullptr;
}

// What a dialog says of itself as it is entered: the texts it shows that
// are neither a field's caption nor a captioned field.
void collectTexts(QAccessibleInterface* iface, QStringList& texts) {
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child || child->state().invisible) continue;
        if (child->role() == QAccessible::StaticText &&
            child->relations(QAccessible::Label | QAccessible::Labelled).isEmpty()) {
            const QString shown = child->text(QAccessible::Name).simplified();
            if (!shown.isEmpty()) texts << shown;
        }
        collectTexts(child, texts);
    }
}

QString windowDescription(QAccessibleInterface* window) {
    if (window->role() != QAccessible::Dialog) return window->text(QAccessible::Description);
    QStringList texts;
    collectTexts(window, texts);
    return texts.join(QLatin1Char(' '));
}

bool holdsOthers(QAccessible::Role role) {
    return role == QAccessible::Window || role == QAccessible::Dialog || role == QAccessible::List;
}

const char* kindOf(QAccessibleInterface* iface) {
    // A plain area is mirrored only where it says something (a house's
    // caption, the lives left).
    if (iface->role() == QAccessible::Client && iface->text(QAccessible::Name).isEmpty()) return nullptr;
    return mirroredRole(iface->role());
}

// What a player can act on: a click on the page's element is a click on it.
bool actsOnClick(QAccessibleInterface* iface) {
    const QAccessibleActionInterface* actions = iface->actionInterface();
    return actions && !actions->actionNames().isEmpty();
}

void quote(std::string& out, const QString& text) {
    out += '"';
    for (char c : text.toStdString()) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[(c >> 4) & 15];
            out += hex[c & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

// One object as the page takes it: its key, the key of the mirrored
// container it lies in, its kind, name, value and state, and its rectangle
// on the game's screen (the canvas), in CSS pixels.
void describe(std::string& out, QAccessibleInterface* iface, const char* kind, QAccessible::Id container,
              const QPoint& origin) {
    const QAccessible::State state = iface->state();
    const QRect r = iface->rect().translated(-origin);
    out += out.size() > 1 ? ",{" : "{";
    out += "\"k\":" + std::to_string(QAccessible::uniqueId(iface)) + ",\"p\":" + std::to_string(container);
    out += ",\"r\":\"";
    out += kind;
    out += "\",\"n\":";
    quote(out, iface->text(QAccessible::Name));
    if (iface->role() == QAccessible::ComboBox) {
        out += ",\"v\":";
        quote(out, iface->text(QAccessible::Value));
    }
    if (iface->role() == QAccessible::Window || iface->role() == QAccessible::Dialog) {
        if (const QString description = windowDescription(iface); !description.isEmpty()) {
            out += ",\"t\":";
            quote(out, description);
        }
    }
    if (actsOnClick(iface)) out += ",\"a\":1";
    if (state.disabled) out += ",\"d\":1";
    if (state.expandable) out += state.expanded ? ",\"e\":1" : ",\"e\":0";
    if (state.selected) out += ",\"s\":1";
    // A modal window keeps the player's hands off the others.
    if (const auto* w = qobject_cast<const QWidget*>(iface->object()); w && w->isWindow() && w->isModal())
        out += ",\"m\":1";
    out += ",\"x\":" + std::to_string(r.x()) + ",\"y\":" + std::to_string(r.y()) +
           ",\"w\":" + std::to_string(r.width()) + ",\"h\":" + std::to_string(r.height()) + "}";
}

// A window that is not one of the game's (an open list's frame) holds what
// it shows without a name of its own.
void collect(std::string& out, QAccessibleInterface* iface, QAccessible::Id container, const QPoint& origin,
             bool window = false) {
    const QAccessible::State state = iface->state();
    if (state.invisible || iface->rect().isEmpty()) return;
    const char* kind = kindOf(iface);
    const bool frame = !kind && window;
    if (frame) kind = "frame";
    if (kind) {
        describe(out, iface, kind, container, origin);
        if (frame || holdsOthers(iface->role())) container = QAccessible::uniqueId(iface);
    }
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* child = iface->child(i)) collect(out, child, container, origin);
}

// The windows as they are stacked: the main window, the dialogs over it,
// an open list over all.
int layer(QWidget* window) {
    if (window->windowType() == Qt::Popup) return 2;
    const QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
    return iface && iface->role() == QAccessible::Window ? 0 : 1;
}

std::string snapshot() {
    std::vector<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) windows.push_back(window);
    std::stable_sort(windows.begin(), windows.end(),
                     [](QWidget* a, QWidget* b) { return layer(a) < layer(b); });
    const QPoint origin = QGuiApplication::primaryScreen()->geometry().topLeft();
    std::string out = "[";
    for (QWidget* window : windows)
        if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window))
            collect(out, iface, 0, origin, true);
    return out + "]";
}

// Told once the event loop turns, and only when something has changed: a
// change of a window sends a burst of events, and most events change
// nothing the page holds.
class Mirror : public QObject {
public:
    Mirror() {
        timer_.setSingleShot(true);
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, [this] { send(); });
        qApp->installEventFilter(this);
        // The game ends with its last window: nothing is left, and no turn
        // of the event loop may come.
        connect(qApp, &QGuiApplication::lastWindowClosed, this, [this] { send(); });
    }
    void soon() {
        if (!timer_.isActive()) timer_.start();
    }

protected:
    // Whatever is drawn anew, or shown, moved or hidden, may be mirrored.
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::UpdateRequest:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
            soon();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void send() {
        std::string now = snapshot();
        if (now == sent_) return;
        sent_ = std::move(now);
        tellPage("mirror", emscripten::val(sent_));
    }

    QTimer timer_;
    std::string sent_;
};

Mirror* mirror = nullptr;

// A click on the control, at its middle, as the player's would be: the
// window there takes the activation and the press, then the release.
void activate(double key) {
    const auto id = static_cast<QAccessible::Id>(key);
    QTimer::singleShot(0, qApp, [id] {
        QAccessibleInterface* iface = QAccessible::accessibleInterface(id);
        if (!iface || !iface->isValid() || iface->state().invisible) return;
        // Only what the player can act on: a label does nothing at a click.
        if (!actsOnClick(iface)) return;
        const QPoint centre = iface->rect().center();
        QWindow* window = QGuiApplication::topLevelAt(centre);
        if (!window) return;
        if (window->type() != Qt::Popup) window->requestActivate();
        const QPointF local = window->mapFromGlobal(centre);
        using Delivery = QWindowSystemInterface::SynchronousDelivery;
        QWindowSystemInterface::handleMouseEvent<Delivery>(window, local, centre, Qt::LeftButton, Qt::LeftButton,
                                                           QEvent::MouseButtonPress);
        QWindowSystemInterface::handleMouseEvent<Delivery>(window, local, centre, Qt::NoButton, Qt::LeftButton,
                                                           QEvent::MouseButtonRelease);
    });
}

EMSCRIPTEN_BINDINGS(mudrovan_mirror) { emscripten::function("mudrovanActivate", &activate); }

}  // namespace

void startMirror() {
    if (mirror) return;
    mirror = new Mirror;
    mirror->setParent(qApp);
    tellPage("mirrorActs", emscripten::val::module_property("mudrovanActivate"));
}

void mirrorSoon() {
    if (mirror) mirror->soon();
}

}  // namespace mud::ui
