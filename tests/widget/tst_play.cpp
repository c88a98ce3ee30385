// Playing a round on the real windows: choices, checks, hint and game-over
// windows, lives, the reveal and a new round.
#include "gui_helpers.h"

using namespace mud;
using namespace mud::test;

namespace {

struct Shown {
    QString window, title, house, attribute;
    int lives = -1;
    bool listsEnabled = false;
};

bool allListsEnabled(const MainWindow& m, bool enabled) {
    for (const char* name : {"cmbBoja", "cmbPore", "cmbPice", "cmbCiga", "cmbLjub"})
        for (int h = 1; h <= 5; ++h)
            if (m.list(name, h)->isEnabled() != enabled) return false;
    return true;
}

// Records what a dialog shows, then closes it by "Izlaz" or by its close box.
void recordAndClose(const MainWindow& m, Shown& shown, bool byCloseBox) {
    onNextModal([&m, &shown, byCloseBox](QWidget* dialog) {
        shown.window = dialog->objectName();
        shown.title = dialog->windowTitle();
        shown.house = labelText(dialog, "lblKuca");
        shown.attribute = labelText(dialog, "lblPit");
        shown.lives = m.livesVisible();
        shown.listsEnabled = allListsEnabled(m, true);
        if (byCloseBox) dialog->close();
        else clickIzlaz(dialog);
    });
}

}  // namespace

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void init() { QCOMPARE(openWindows(), 0); }
    void cleanup() { QTRY_COMPARE(openWindows(), 0); }

    void choosingColoursPaintsTheHouses() {
        MainWindow m;
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        choose(m.list("cmbBoja", 1), 4);  // Žuta
        QCOMPARE(m.houses(), QStringLiteral("PGGGG"));
        choose(m.list("cmbBoja", 1), 4);  // the same item again
        QCOMPARE(m.houses(), QStringLiteral("PGGGG"));
        choose(m.list("cmbBoja", 1), 5);  // Plava
        QCOMPARE(m.houses(), QStringLiteral("GGGGG"));
        choose(m.list("cmbBoja", 5), 3);  // Bela
        QCOMPARE(m.houses(), QStringLiteral("GGGGP"));
        choose(m.list("cmbBoja", 5), 1);  // Crvena: wrong, so grey
        QCOMPARE(m.houses(), QStringLiteral("GGGGG"));
        choose(m.list("cmbBoja", 3), 3);  // Bela in house 3
        QCOMPARE(m.houses(), QStringLiteral("GGGGG"));
        choose(m.list("cmbPore", 1), 4);  // other lists never paint
        QCOMPARE(m.houses(), QStringLiteral("GGGGG"));
    }

    void wrongCheckNamesACellThenTakesALife_data() {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("Izlaz") << false;
        QTest::newRow("close box") << true;
    }
    void wrongCheckNamesACellThenTakesALife() {
        QFETCH(bool, byCloseBox);
        MainWindow m;
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        m.random.values = {4.5 / 15};  // cut-off 5: the untouched grid names "21"
        Shown shown;
        recordAndClose(m, shown, byCloseBox);
        QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
        QVERIFY(m.settled());
        QCOMPARE(shown.window, QStringLiteral("frmInfo"));
        QCOMPARE(shown.title, QStringLiteral(" Informacija"));
        QCOMPARE(shown.house, QStringLiteral("2"));
        QCOMPARE(shown.attribute, QStringLiteral("Boja"));
        QCOMPARE(shown.lives, 15);  // the life goes only after the hint is closed
        QCOMPARE(m.livesVisible(), 14);
        QVERIFY(!m.picture("imgZivot", 15)->isVisibleTo(m.w.get()));
        QVERIFY(allListsEnabled(m, true));
        QCOMPARE(m.opened, std::vector<Dialog>{Dialog::Info});
    }

    void hintShowsTheLatestCheck() {
        MainWindow m;
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        QStringList seen;
        for (double cut : {0.0, 14.5 / 15}) {
            m.random.values = {cut};
            Shown shown;
            recordAndClose(m, shown, false);
            QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
            QVERIFY(m.settled());
            seen << shown.house + shown.attribute;
        }
        QCOMPARE(seen, (QStringList{"1Poreklo", "4Boja"}));
    }

    void fifteenthWrongCheckLosesTheRound() {
        MainWindow m;
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        for (int i = 0; i < 14; ++i) {
            Shown hint;
            recordAndClose(m, hint, false);
            QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
            QVERIFY(m.settled());
        }
        QCOMPARE(m.livesVisible(), 1);
        Shown hint, over;
        onNextModal([&](QWidget* dialog) {
            hint.window = dialog->objectName();
            hint.lives = m.livesVisible();
            recordAndClose(m, over, true);  // the game-over window comes only after this one
            clickIzlaz(dialog);
        });
        QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
        QVERIFY(m.settled());
        QCOMPARE(hint.window, QStringLiteral("frmInfo"));
        QCOMPARE(hint.lives, 1);
        QCOMPARE(over.window, QStringLiteral("frmZali"));
        QCOMPARE(over.title, QStringLiteral(" Gotovo je, gotovo!"));
        QCOMPARE(over.lives, 0);
        QVERIFY(over.listsEnabled);  // locked only after the window is closed
        QVERIFY(allListsEnabled(m, false));

        // Lost: "Provera" does nothing at all.
        const auto opened = m.opened.size();
        const int draws = m.random.draws;
        QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
        QVERIFY(m.settled());
        QCOMPARE(m.opened.size(), opened);
        QCOMPARE(m.random.draws, draws);

        QTest::mouseClick(m.child("cmdNovo"), Qt::LeftButton);
        QVERIFY(allListsEnabled(m, true));
        QCOMPARE(m.livesVisible(), 15);
    }

    void revealThenCheckSolvesTheRound() {
        MainWindow m;
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        QTest::mouseClick(m.child("Label25"), Qt::LeftButton);
        QCOMPARE(m.list("cmbLjub", 5)->currentText(), QStringLiteral("        ?"));
        QTest::mouseClick(m.child("Label24"), Qt::RightButton);  // only house 5's pet label
        QCOMPARE(m.houses(), QStringLiteral("GGGGG"));
        QTest::mouseClick(m.child("Label25"), Qt::MiddleButton);
        QCOMPARE(m.houses(), QStringLiteral("PPPPP"));
        QCOMPARE(m.list("cmbPore", 4)->currentText(), QStringLiteral("Mačvanin"));
        QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
        QVERIFY(m.settled());
        QVERIFY(m.child("fraOK")->isVisible());
        QVERIFY(allListsEnabled(m, false));
        QCOMPARE(m.livesVisible(), 15);
        QVERIFY(m.opened.empty());

        QTest::mouseClick(m.child("cmdNovo"), Qt::LeftButton);
        QVERIFY(!m.child("fraOK")->isVisible());
        QVERIFY(allListsEnabled(m, true));
        QCOMPARE(m.houses(), QStringLiteral("GGGGG"));
        QCOMPARE(m.list("cmbBoja", 3)->currentText(), QStringLiteral("        ?"));
    }

    // Codes the check never writes still give a sensible window.
    void hintWindowReadsAnyCode_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("house");
        QTest::addColumn<QString>("attribute");
        QTest::newRow("53") << "53" << "5" << "Piće";
        QTest::newRow("58") << "58" << "5" << "";
        QTest::newRow("empty") << "" << "0" << "";
    }
    void hintWindowReadsAnyCode() {
        QFETCH(QString, tag);
        QFETCH(QString, house);
        QFETCH(QString, attribute);
        Shown shown;
        bool izlazHasFocus = false;
        onNextModal([&](QWidget* dialog) {
            shown.house = labelText(dialog, "lblKuca");
            shown.attribute = labelText(dialog, "lblPit");
            izlazHasFocus = dialog->focusWidget() == dialog->findChild<QPushButton*>("cmdIzlaz");
            clickIzlaz(dialog);
        });
        QVERIFY(openAndWait(Dialog::Info, tag.toStdString()));
        QCOMPARE(shown.house, house);
        QCOMPARE(shown.attribute, attribute);
        QVERIFY(izlazHasFocus);
    }

    void dialogsAreFixedModalAndCentred() {
        for (Dialog d : {Dialog::Info, Dialog::Zali, Dialog::Objasni}) {
            bool fixed = false, modal = false, noMaximize = false, centred = false;
            onNextModal([&](QWidget* dialog) {
                fixed = dialog->minimumSize() == dialog->maximumSize();
                modal = dialog->windowModality() == Qt::ApplicationModal && !dialog->parentWidget();
                noMaximize = !(dialog->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)) &&
                             (dialog->windowFlags() & Qt::WindowCloseButtonHint);
                const QRect screen = dialog->screen()->availableGeometry();
                centred = qAbs(dialog->geometry().center().x() - screen.center().x()) <= 1 &&
                          qAbs(dialog->geometry().center().y() - screen.center().y()) <= 1;
                dialog->close();
            });
            QVERIFY(openAndWait(d, "11"));
            QVERIFY(fixed);
            QVERIFY(modal);
            QVERIFY(noMaximize);
            QVERIFY(centred);
        }
    }

    // A click that reaches the board right behind the one on "Izlaz", before
    // the check has resumed, is dropped: no check inside a check, and no new
    // round inside one.
    void aClickQueuedBehindIzlazIsDropped_data() {
        QTest::addColumn<int>("livesBefore");
        QTest::addColumn<QString>("button");
        QTest::newRow("Provera on the last life") << 1 << "cmdProveri";
        QTest::newRow("Provera") << 15 << "cmdProveri";
        QTest::newRow("Ponovo") << 15 << "cmdNovo";
    }
    void aClickQueuedBehindIzlazIsDropped() {
        QFETCH(int, livesBefore);
        QFETCH(QString, button);
        MainWindow m;
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        for (int i = livesBefore; i < 15; ++i) {
            onNextModal([](QWidget* d) { clickIzlaz(d); });
            QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
            QVERIFY(m.settled());
        }
        QCOMPARE(m.livesVisible(), livesBefore);
        onNextModal([&](QWidget* hint) {
            clickIzlaz(hint);
            QTest::mouseClick(m.child(button), Qt::LeftButton);
            if (livesBefore == 1) onNextModal([](QWidget* over) { clickIzlaz(over); });
        });
        QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
        QVERIFY(m.settled());
        QCOMPARE(m.livesVisible(), livesBefore - 1);
        QCOMPARE(int(m->game().BrojZivota()), livesBefore - 1);
        QCOMPARE(std::count(m.opened.begin(), m.opened.end(), Dialog::Info), 16 - livesBefore);
        QCOMPARE(std::count(m.opened.begin(), m.opened.end(), Dialog::Zali), livesBefore == 1 ? 1 : 0);
        QCOMPARE(allListsEnabled(m, false), livesBefore == 1);
    }

    // Minimized by the window system, the hint stays open and the check
    // waits; a click on the board, which the window system activates, brings
    // the hint back restored and active, and does nothing on the board.
    void aMinimizedHintComesBackAtAClickOnTheBoard() {
        MainWindow m;
        showActive(m);
        choose(m.list("cmbBoja", 1), 2);
        bool waited = false, back = false, done = false;
        onNextModal([&](QWidget* hint) {
            hint->setWindowState(Qt::WindowMinimized);
            QHideEvent hidden;  // as the window system reports a minimize
            QSpontaneKeyEvent::setSpontaneous(&hidden);
            QApplication::sendEvent(hint, &hidden);
            QTimer::singleShot(50, hint, [&, hint] {
                waited = QApplication::activeModalWidget() == hint && m.livesVisible() == 15;
                QApplication::setActiveWindow(m.w.get());
                QTest::mouseClick(m.child("cmdNovo"), Qt::LeftButton);
                for (int i = 0; i < 100 && !back; ++i) {
                    QTest::qWait(10);
                    back = !hint->isMinimized() && QApplication::activeWindow() == hint;
                }
                clickIzlaz(hint);
                done = true;
            });
        });
        QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
        QTRY_VERIFY(done);
        QVERIFY(m.settled());
        QVERIFY(waited);
        QVERIFY(back);
        QCOMPARE(m.opened.size(), size_t(1));
        QCOMPARE(m.livesVisible(), 14);
        QCOMPARE(m.list("cmbBoja", 1)->currentIndex(), 2);  // no new round
    }

    void krajClosesTheMainWindow() {
        MainWindow m;
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        QTest::mouseClick(m.child("cmdKraj"), Qt::LeftButton);
        QVERIFY(!m->isVisible());
    }
};

MUD_WIDGET_TEST_MAIN(TestPlay)
#include "tst_play.moc"
