// The web page around the game: the program calls what the page offers it
// as window.mudrovan (what screen readers are told, the board's size, the
// end of the game), where the page has it.
#pragma once

#include <QAccessible>
#include <emscripten/val.h>
#include <utility>

namespace mud::ui {

template <typename... Args>
void tellPage(const char* what, Args&&... args) {
    const emscripten::val page = emscripten::val::global("window")["mudrovan"];
    if (page.isUndefined() || page.isNull() || page[what].isUndefined()) return;
    page.call<void>(what, std::forward<Args>(args)...);
}

// The page's mirror of the shown windows, for screen readers that explore
// the page by finger or pointer: started with the bridge, and told when the
// accessibility layer has news.
void startMirror();
void mirrorSoon();
// The mirror's kind of element for a role; null for roles it mirrors only
// through what they hold.
const char* mirroredRole(QAccessible::Role role);

}  // namespace mud::ui
