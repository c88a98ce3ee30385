// In the browser Qt has no bridge to screen readers: the page has one canvas.
// The program hands the page what a screen reader would learn from the
// desktop programs, from the same accessibility layer: the focused control
// (its role, name, value and state, in the window that holds it) and every
// announcement; the page keeps them in elements that are not drawn, which
// the browser tells screen readers of.
#include <QAccessible>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <emscripten/val.h>

#include "page_web.h"
#include "screen_reader.h"

namespace mud::ui {

namespace {

using emscripten::val;

val text(const QString& s) { return val(s.toStdString()); }

// The page's roles for the game's: what the controls and windows are, as
// the focused control is told, and as the mirror holds them (where a text
// is read as its own words, and a plain area as its name; roles without
// one are mirrored only through what they hold).
struct RoleName {
    QAccessible::Role role;
    const char* told;
    const char* mirrored;
};
constexpr RoleName kRoles[] = {
    {QAccessible::ComboBox, "combobox", "combobox"}, {QAccessible::Button, "button", "button"},
    {QAccessible::ListItem, "option", "option"},     {QAccessible::List, "listbox", "listbox"},
    {QAccessible::Dialog, "dialog", "dialog"},       {QAccessible::Window, "group", "group"},
    {QAccessible::StaticText, "note", "text"},       {QAccessible::Graphic, "group", "img"},
    {QAccessible::Client, "group", "text"},
};

const RoleName* roleName(QAccessible::Role role) {
    for (const RoleName& r : kRoles)
        if (r.role == role) return &r;
    return nullptr;
}

const char* pageRole(QAccessible::Role role) {
    const RoleName* r = roleName(role);
    return r ? r->told : "group";
}

QAccessibleInterface* windowOf(QAccessibleInterface* iface) {
    for (QAccessibleInterface* up = iface; up; up = up->parent())
        if (up->role() == QAccessible::Window || up->role() == QAccessible::Dialog) return up;
    return nullptr;
}

// What a window says of itself as it is entered: the texts it shows that
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

val describeWindow(QAccessibleInterface* window) {
    val described = val::object();
    if (!window) return described;
    QString description = window->text(QAccessible::Description);
    if (window->role() == QAccessible::Dialog) {
        QStringList texts;
        collectTexts(window, texts);
        description = texts.join(QLatin1Char(' '));
    }
    described.set("key", static_cast<double>(QAccessible::uniqueId(window)));
    described.set("role", val(pageRole(window->role())));
    described.set("name", text(window->text(QAccessible::Name)));
    described.set("description", text(description));
    return described;
}

val describe(QAccessibleInterface* iface) {
    val described = val::object();
    const QAccessible::State state = iface->state();
    described.set("key", static_cast<double>(QAccessible::uniqueId(iface)));
    described.set("role", val(pageRole(iface->role())));
    described.set("name", text(iface->text(QAccessible::Name)));
    if (iface->role() == QAccessible::ComboBox) described.set("value", text(iface->text(QAccessible::Value)));
    if (QAccessibleInterface* list = iface->parent(); list && iface->role() == QAccessible::ListItem) {
        described.set("list", static_cast<double>(QAccessible::uniqueId(list)));
        described.set("position", val(list->indexOfChild(iface) + 1));
        described.set("count", val(list->childCount()));
    }
    described.set("disabled", val(bool(state.disabled)));
    if (state.expandable) described.set("expanded", val(bool(state.expanded)));
    described.set("window", describeWindow(windowOf(iface)));
    return described;
}

QAccessible::Id focusedId = 0;

bool isFocused(QAccessibleInterface* iface) { return iface && QAccessible::uniqueId(iface) == focusedId; }

void tell(QAccessibleEvent* event) {
    mirrorSoon();
    QAccessibleInterface* iface = event->accessibleInterface();
    if (!iface) return;
    switch (event->type()) {
    case QAccessible::Focus:
        // An open list is told by its items, which take the focus in turn.
        if (iface->role() == QAccessible::List) break;
        focusedId = QAccessible::uniqueId(iface);
        tellPage("focus", describe(iface));
        break;
    // A change of the focused control: text told as inserted is also said,
    // as screen readers on the desktop say it (a list's new value).
    case QAccessible::TextInserted:
        if (!isFocused(iface)) break;
        tellPage("change", describe(iface));
        tellPage("say", text(static_cast<QAccessibleTextInsertEvent*>(event)->textInserted()));
        break;
    case QAccessible::ValueChanged:
    case QAccessible::NameChanged:
    case QAccessible::StateChanged:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
        if (isFocused(iface)) tellPage("change", describe(iface));
        break;
    default:
        break;
    }
}

}  // namespace

const char* mirroredRole(QAccessible::Role role) {
    const RoleName* r = roleName(role);
    return r ? r->mirrored : nullptr;
}

// Qt tells the accessibility layer's events only while a bridge is active:
// in the browser the page is that bridge, always there.
void connectScreenReaders() {
    if (QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration())
        if (QPlatformAccessibility* accessibility = platform->accessibility()) accessibility->setActive(true);
    QAccessible::installUpdateHandler(tell);
    startMirror();
}

bool notifyScreenReaders(QWidget*, const QString& sentence) {
    tellPage("say", text(sentence));
    return true;
}

// A dialog's texts are the page's description of it, which screen readers
// read as it is entered.
bool dialogTextReadOnOpening() { return true; }

}  // namespace mud::ui
