// Shared set-up of the widget tests: the real main window with a fixed
// random source, and a way to act on a modal dialog while it is open.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>
#include <QtTest/qtestspontaneevent.h>
#include <functional>
#include <memory>

#include "../unit/fake_board.h"
#include "accessibility.h"
#include "frmmud.h"
#include "look.h"
#include "window_services.h"

namespace mud::test {

struct MainWindow {
    FixedRandom random;
    std::vector<Dialog> opened;
    std::unique_ptr<ui::frmMud> w;

    MainWindow() {
        random.values = {0.0};  // cut-off 1 unless a test says otherwise
        w = std::make_unique<ui::frmMud>(random, [this](Dialog d, const std::string& tag, std::function<void()> closed) {
            opened.push_back(d);
            app::openDialog(d, tag, std::move(closed));
        });
    }
    // Whether every dialog opened has closed and what follows it has run
    // (waiting for it, while the dialogs' own handlers close them).
    bool settled() const {
        return QTest::qWaitFor([this] { return !w->game().busy() && !QApplication::activeModalWidget(); }, 5000);
    }
    ui::frmMud* operator->() const { return w.get(); }

    template <class T = QWidget>
    T* child(const QString& name) const {
        T* found = w->findChild<T*>(name);
        if (!found) qFatal("no control %s", qPrintable(name));
        return found;
    }
    QComboBox* list(const char* name, int house) const { return child<QComboBox>(ui::arrayName(name, house)); }
    QWidget* picture(const char* name, int index) const { return child<QWidget>(ui::arrayName(name, index)); }
    int livesVisible() const {
        int n = 0;
        for (int i = 1; i <= 15; ++i) n += picture("imgZivot", i)->isVisibleTo(w.get());
        return n;
    }
    // 'P' painted, 'G' grey, '!' both or neither, per house.
    QString houses() const {
        QString s;
        for (int h = 1; h <= 5; ++h) {
            const bool grey = picture("imgKuT", h)->isVisibleTo(w.get());
            const bool painted = picture("ImgKuB", h)->isVisibleTo(w.get());
            s += grey == painted ? '!' : painted ? 'P' : 'G';
        }
        return s;
    }
};

// Shows the main window and makes it the active one, as a window manager does.
inline void showActive(MainWindow& m) {
    m->show();
    QApplication::setActiveWindow(m.w.get());
    QVERIFY(QTest::qWaitForWindowActive(m.w.get()));
}

// Turns the mouse wheel over the middle of a widget by whole notches
// (positive: towards the player), as the window system delivers it.
inline void turnWheel(QWidget* over, int notches) {
    const QPointF at(over->width() / 2.0, over->height() / 2.0);
    QWheelEvent event(at, over->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::sendEvent(over, &event);
}

// Opens the list's popup and clicks the item, as a player does.
inline void choose(QComboBox* list, int item) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    const QPoint at = view->visualRect(view->model()->index(item, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTRY_VERIFY(!view->isVisible());
}

// Runs `act` on the next modal window as soon as it is open. Whatever `act`
// checks must be recorded and asserted after the opener returns: a failed
// check in here would leave the dialog open.
inline void onNextModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

// Opens a dialog as the board does and waits until it has closed and what
// follows it has run (its handlers close it: see onNextModal).
inline bool openAndWait(Dialog dialog, const std::string& tag) {
    auto closed = std::make_shared<bool>(false);
    app::openDialog(dialog, tag, [closed] { *closed = true; });
    return QTest::qWaitFor([closed] { return *closed; }, 5000);
}

inline QString labelText(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<none>");
}

inline void clickIzlaz(QWidget* dialog) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdIzlaz")), Qt::LeftButton);
}

// Counts the windows that are still open (a list's popup does not count).
inline int openWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->isVisible() && !w->inherits("QComboBoxPrivateContainer");
    return n;
}

}  // namespace mud::test

// Every widget test starts the application with the game's look.
#define MUD_WIDGET_TEST_MAIN(TestClass)                  \
    int main(int argc, char** argv) {                    \
        QApplication app(argc, argv);                    \
        mud::ui::applyClassicLook(app);                  \
        mud::ui::installAccessibility();                 \
        TestClass test;                                  \
        return QTest::qExec(&test, argc, argv);          \
    }
