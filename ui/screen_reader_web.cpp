// In the browser Qt has no bridge to screen readers: the page has one canvas.
// The page's mirror of the shown windows (page_mirror_web.cpp) holds an
// element for each thing a player reads or uses; the program tells the page
// which of them has the focus, which the page gives the browser's focus, and
// hands it every announcement for its spoken region.
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

emscripten::val text(const QString& s) { return emscripten::val(s.toStdString()); }

QAccessible::Id focusedId = 0;

void tell(QAccessibleEvent* event) {
    mirrorSoon();
    QAccessibleInterface* iface = event->accessibleInterface();
    if (!iface) return;
    switch (event->type()) {
    case QAccessible::Focus:
        // An open list is told by its items, which take the focus in turn.
        if (iface->role() == QAccessible::List) break;
        focusedId = QAccessible::uniqueId(iface);
        tellPage("focus", static_cast<double>(focusedId));
        break;
    // Text told as inserted in the focused control is said, as screen
    // readers on the desktop say it (a list's new value).
    case QAccessible::TextInserted:
        if (QAccessible::uniqueId(iface) == focusedId)
            tellPage("say", text(static_cast<QAccessibleTextInsertEvent*>(event)->textInserted()));
        break;
    default:
        break;
    }
}

}  // namespace

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
