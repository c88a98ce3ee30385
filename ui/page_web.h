// The web page around the game: the program calls what the page offers it
// as window.mudrovan (what screen readers are told, the board's size, the
// end of the game), where the page has it.
#pragma once

#include <emscripten/val.h>
#include <utility>

namespace mud::ui {

template <typename... Args>
void tellPage(const char* what, Args&&... args) {
    const emscripten::val page = emscripten::val::global("window")["mudrovan"];
    if (page.isUndefined() || page.isNull() || page[what].isUndefined()) return;
    page.call<void>(what, std::forward<Args>(args)...);
}

// The page's mirror of the shown windows, what screen readers find on the
// page by keyboard, finger or pointer: started with the bridge, and told
// when the accessibility layer has news.
void startMirror();
void mirrorSoon();

}  // namespace mud::ui
