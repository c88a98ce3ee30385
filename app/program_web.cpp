#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <emscripten.h>

#include "program.h"

namespace mud::app {

namespace {
// Tells the page's script, where the page has one.
void tellPage(const QString& call) {
    emscripten_run_script(qPrintable(QStringLiteral("if (window.mudrovan) window.mudrovan.%1;").arg(call)));
}
}  // namespace

// The page gives the game an area the size of the board's frame (the screen
// Qt knows), and keeps the board in it, centred as on a desktop; once the
// board has closed, the page says the game is over. The event loop never
// returns in a browser.
int runProgram(QApplication& app, QWidget& board) {
    QObject::connect(board.screen(), &QScreen::geometryChanged, &board, [&board](const QRect& area) {
        board.move(area.center() - board.rect().center());
    });
    tellPage(QStringLiteral("boardShown(%1, %2)").arg(board.width()).arg(board.height()));
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, [] { tellPage(QStringLiteral("ended()")); });
    return app.exec();
}

}  // namespace mud::app
