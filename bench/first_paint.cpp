// Opens one window, says "painted" on standard output once the window has
// been painted for the first time, and quits. `first_paint game` opens the
// game's main window, `first_paint bare` an empty Qt window of the same size,
// `first_paint text` the same with one line of text (the cost of the fonts).
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "accessibility.h"
#include "clock_random.h"
#include "frmmud.h"
#include "look.h"

namespace {
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};
}  // namespace

int main(int argc, char** argv) {
    const bool game = argc > 1 && std::strcmp(argv[1], "game") == 0;
    QApplication app(argc, argv);
    mud::app::ClockRandom random;
    std::unique_ptr<QWidget> window;
    if (game) {
        mud::ui::applyClassicLook(app);
        mud::ui::installAccessibility();
        window = std::make_unique<mud::ui::frmMud>(random, nullptr);
    } else {
        window = std::make_unique<QWidget>();
        window->resize(511, 487);
        if (argc > 1 && std::strcmp(argv[1], "text") == 0) new QLabel(QStringLiteral("Provera"), window.get());
    }
    FirstPaint filter;
    window->installEventFilter(&filter);
    window->show();
    return app.exec();
}
