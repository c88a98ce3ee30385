// Played by touch as on the classic desktop's touch screens: a tap is one
// click, on a button, a list or an item of its open list; a press held
// still is the right click (on house 5's pet label, the hidden reveal) and
// never a click; the mouse is not held back.
#include <QStyleHints>

#include "gui_helpers.h"

using namespace mud;
using namespace mud::test;

namespace {

QPointingDevice* touchScreen() {
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}

// A finger down on a control and up again after `holdMs`, where it came down.
void touch(QWidget* control, int holdMs = 0, QPoint at = {}) {
    if (at.isNull()) at = control->rect().center();
    QTest::touchEvent(control, touchScreen()).press(0, at, control);
    if (holdMs) QTest::qWait(holdMs);
    QTest::touchEvent(control, touchScreen()).release(0, at, control);
}

constexpr int kHoldMs = 150;

}  // namespace

class TestTouch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QGuiApplication::styleHints()->setMousePressAndHoldInterval(kHoldMs - 50); }
    void init() { QCOMPARE(openWindows(), 0); }
    void cleanup() { QTRY_COMPARE(openWindows(), 0); }

    // "Provera" tapped on an empty grid: one hint, closed by a tap on its
    // "Izlaz", and one life gone.
    void aTapPressesAButtonOnce() {
        MainWindow m;
        showActive(m);
        QString hint;
        onNextModal([&hint](QWidget* dialog) {
            hint = dialog->objectName();
            touch(dialog->findChild<QPushButton*>(QStringLiteral("cmdIzlaz")));
        });
        touch(m.child("cmdProveri"));
        QVERIFY(m.settled());
        QCOMPARE(hint, QStringLiteral("frmInfo"));
        QCOMPARE(m.opened, std::vector<Dialog>{Dialog::Info});
        QCOMPARE(m.livesVisible(), 14);
    }

    // A tap opens a list, a tap on an item chooses it: the house is painted.
    void tapsChooseFromAList() {
        MainWindow m;
        showActive(m);
        QComboBox* list = m.list("cmbBoja", 1);
        touch(list);
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        const int yellow = list->findText(QStringLiteral("Žuta"));
        touch(view->viewport(), 0, view->visualRect(view->model()->index(yellow, 0)).center());
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(list->currentIndex(), yellow);
        QCOMPARE(m.houses(), QStringLiteral("PGGGG"));
    }

    // Held on the pet label of house 5: the reveal, as the right button
    // does; held on "Ponovo": nothing, not a new round.
    void aHeldPressIsTheRightClick() {
        MainWindow m;
        showActive(m);
        touch(m.child("Label25"), kHoldMs);
        QCOMPARE(m.houses(), QStringLiteral("PPPPP"));
        QCOMPARE(m.list("cmbLjub", 5)->currentText(), QStringLiteral("Pas"));
        touch(m.child("cmdNovo"), kHoldMs);
        QTest::qWait(20);
        QCOMPARE(m.houses(), QStringLiteral("PPPPP"));
    }

    // A short touch on the pet label is a left click, which reveals nothing.
    void aTapIsNotAHold() {
        MainWindow m;
        showActive(m);
        touch(m.child("Label25"));
        QCOMPARE(m.houses(), QStringLiteral("GGGGG"));
    }

    void theMouseIsNotHeldBack() {
        MainWindow m;
        showActive(m);
        auto* button = m.child<QPushButton>("cmdNovo");
        QTest::mousePress(button, Qt::LeftButton);
        QVERIFY(button->isDown());
        QTest::mouseRelease(button, Qt::LeftButton);
        QVERIFY(!button->isDown());
    }
};

MUD_WIDGET_TEST_MAIN(TestTouch)
#include "tst_touch.moc"
