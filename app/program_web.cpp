#include <QApplication>
#include <QByteArray>
#include <QHash>
#include <QWindow>
#include <QScreen>
#include <QWidget>
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "page_web.h"
#include "program.h"

namespace mud::app {

namespace {

using ui::tellPage;

// The page zooms itself to fit a phone's screen, and a player may zoom it:
// Qt then draws a window at the new density in a new image, but only what it
// draws anew, and an update of a window leaves out the controls that cover
// it: the rest of the image is left as it came. So every control of a window
// whose density has changed is drawn before the window is drawn at all, and
// of every window once the zoom has changed.
void drawWhole(QWidget* window) {
    window->update();
    for (QWidget* control : window->findChildren<QWidget*>()) control->update();
}

class WholeAtNewDensity : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if ((event->type() != QEvent::UpdateRequest && event->type() != QEvent::Expose) || !watched->isWindowType())
            return false;
        auto* window = static_cast<QWindow*>(watched);
        const qreal density = window->devicePixelRatio();
        qreal& drawnAt = drawnAt_[window];
        if (!qFuzzyCompare(drawnAt, density)) {
            drawnAt = density;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->windowHandle() == window) drawWhole(widget);
        }
        return false;
    }

private:
    QHash<QObject*, qreal> drawnAt_;
};

// Qt's web platform keeps a hidden text field for a touch screen's keyboard,
// and a screen reader would meet it as an unnamed text field; the game has
// no text to type, so there is none (read as Qt's platform starts).
[[maybe_unused]] const bool kNoInputField = qputenv("QT_IM_MODULE", "none");

void redrawWindows(emscripten::val) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) drawWhole(window);
}

EMSCRIPTEN_BINDINGS(mudrovan_page) { emscripten::function("mudrovanRedraw", &redrawWindows); }

}  // namespace

// The page gives the game an area the size of the board's frame (the screen
// Qt knows), and keeps the board in it, centred as on a desktop; once the
// board has closed, the page says the game is over. The event loop never
// returns in a browser.
int runProgram(QApplication& app, QWidget& board) {
    QObject::connect(board.screen(), &QScreen::geometryChanged, &board, [&board](const QRect& area) {
        board.move(area.center() - board.rect().center());
    });
    app.installEventFilter(new WholeAtNewDensity(&app));
    emscripten::val viewport = emscripten::val::global("window")["visualViewport"];
    if (!viewport.isUndefined())
        viewport.call<void>("addEventListener", emscripten::val("resize"), emscripten::val::module_property("mudrovanRedraw"));
    tellPage("boardShown", board.width(), board.height());
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, [] { tellPage("ended"); });
    return app.exec();
}

}  // namespace mud::app
