// The answer check: which cell is named, lives, and the order of what the
// player sees.
#include <QtTest>

#include "check_order.h"
#include "fake_board.h"
#include "game.h"

using namespace mud;
using namespace mud::test;

using Fixture = GameFixture;

class TestCheck : public QObject {
    Q_OBJECT
private slots:
    void untouchedGridNamesCellByCutOff_data() {
        QTest::addColumn<int>("cutOff");
        QTest::addColumn<QString>("code");
        const char* expected[] = {"12", "12", "21", "21", "21", "21", "23", "23",
                                  "31", "31", "31", "34", "34", "34", "41"};
        for (int c = 1; c <= 15; ++c)
            QTest::addRow("cut-off %d", c) << c << QString::fromLatin1(expected[c - 1]);
    }
    void untouchedGridNamesCellByCutOff() {
        QFETCH(int, cutOff);
        QFETCH(QString, code);
        Fixture f;
        QCOMPARE(QString::fromStdString(f.checkAt(cutOff)), code);
        QCOMPARE(int(f.game.Granica()), cutOff);
    }

    void laterWrongCellReplacesTheCode() {
        Fixture f;
        f.solutionExceptVisits({3, 9});
        QCOMPARE(f.checkAt(1), std::string("13"));
        QCOMPARE(f.checkAt(2), std::string("24"));
        QCOMPARE(int(f.game.BrojGresaka()), 2);
        QCOMPARE(f.checkAt(3), std::string("24"));
        QCOMPARE(f.checkAt(15), std::string("24"));
    }

    void noStopTestAfterTheFirstColour() {
        Fixture f;
        f.solutionExceptVisits({1});
        QCOMPARE(f.checkAt(1), std::string("11"));
        f.solutionExceptVisits({1, 2});
        QCOMPARE(f.checkAt(1), std::string("12"));
    }

    void lastPetIsReachedWhateverTheCutOff() {
        for (int c = 1; c <= 15; ++c) {
            Fixture f;
            f.solutionExceptVisits({25});
            QCOMPARE(f.checkAt(c), std::string("55"));
        }
    }

    void randomValueMapsEvenlyToCutOffs() {
        Fixture f;
        f.random.values = {0.0};
        f.game.cmdProveri_Click();
        QCOMPARE(int(f.game.Granica()), 1);
        f.random.values = {0.999999};
        f.game.cmdProveri_Click();
        QCOMPARE(int(f.game.Granica()), 15);
        f.random.values = {1.0 / 15};
        f.game.cmdProveri_Click();
        QCOMPARE(int(f.game.Granica()), 2);
    }

    // A wrong case, a blank or a missing diacritic makes a wrong cell.
    void comparisonIsExact_data() {
        QTest::addColumn<int>("attribute");
        QTest::addColumn<int>("house");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        QTest::newRow("lower case") << int(Ljub) << 5 << "pas" << "55";
        QTest::newRow("upper case") << int(Ljub) << 5 << "PAS" << "55";
        QTest::newRow("trailing blank") << int(Ljub) << 5 << "Pas " << "55";
        QTest::newRow("leading blank") << int(Ljub) << 5 << " Pas" << "55";
        QTest::newRow("no diacritic") << int(Boja) << 1 << "Zuta" << "11";
        QTest::newRow("other diacritic") << int(Pice) << 3 << "Klekovaca" << "33";
    }
    void comparisonIsExact() {
        QFETCH(int, attribute);
        QFETCH(int, house);
        QFETCH(QString, text);
        QFETCH(QString, code);
        Fixture f;
        f.board.fillSolution();
        f.board.forcedText[{attribute, house}] = text.toStdString();
        QCOMPARE(QString::fromStdString(f.checkAt(15)), code);
    }

    void rightGridSolvesWithoutLosingALife() {
        Fixture f;
        f.board.fillSolution();
        f.board.setTag("34");
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(f.checkAt(7), std::string());
            QVERIFY(f.board.panel);
            QVERIFY(f.board.allEnabled(false));
            QCOMPARE(int(f.game.BrojZivota()), 15);
            QCOMPARE(f.board.livesVisible(), 15);
            QCOMPARE(f.board.tag(), std::string("34"));  // the Tag is left alone
        }
        QCOMPARE(f.random.draws, 2);
    }

    void wrongCheckShowsHintThenTakesTheHighestLife() {
        Fixture f;
        f.board.onModal = [&](Dialog) { QCOMPARE(f.board.livesVisible(), 15); };
        f.checkAt(4);
        QCOMPARE(f.board.log, (std::vector<std::string>{"info 21", "hide life 15"}));
        QCOMPARE(int(f.game.BrojZivota()), 14);
        QVERIFY(f.board.allEnabled(true));
        QVERIFY(!f.board.panel);
    }

    void fifteenWrongChecksLoseTheRound() {
        Fixture f;
        for (int lives = 15; lives >= 2; --lives) {
            f.checkAt(1);
            QCOMPARE(f.board.log.back(), "hide life " + std::to_string(lives));
            QVERIFY(!f.board.life_[lives] && f.board.life_[lives - 1]);
            QVERIFY(f.board.allEnabled(true));
        }
        bool lockedDuringGameOver = true;
        f.board.onModal = [&](Dialog d) {
            if (d == Dialog::Zali) lockedDuringGameOver = f.board.allEnabled(false);
        };
        f.checkAt(1);
        QCOMPARE(f.board.log, (std::vector<std::string>{"info 12", "hide life 1", "zali"}));
        QVERIFY(!lockedDuringGameOver);  // the lists lock only after the window closes
        QVERIFY(f.board.allEnabled(false));
        QCOMPARE(int(f.game.BrojZivota()), 0);
        QCOMPARE(f.board.livesVisible(), 0);

        // With no lives the check reads, draws and shows nothing.
        const int reads = f.board.reads, draws = f.random.draws;
        f.board.fillSolution();
        QCOMPARE(f.checkAt(1), std::string());
        QCOMPARE(f.board.reads, reads);
        QCOMPARE(f.random.draws, draws);
        QVERIFY(!f.board.panel);
    }

    // The check returns with its hint open; the life goes when the hint is
    // closed, and until then every handler asked for does nothing. At the
    // last life the game-over window follows, and the lists lock only once
    // it has closed.
    void whatFollowsADialogWaitsForItsClosing() {
        Fixture f;
        f.board.keepOpen = true;
        f.board.log.clear();
        f.game.cmdProveri_Click();
        QVERIFY(f.board.dialogOpen());
        QCOMPARE(f.board.livesVisible(), 15);
        f.game.cmdProveri_Click();
        f.game.cmdNovo_Click();
        f.game.cmdObjasni_Click();
        f.game.Label25_MouseDown(2);
        QVERIFY(f.game.busy());
        QCOMPARE(f.board.log, (std::vector<std::string>{"info 12"}));
        QCOMPARE(f.board.houses(), std::string("GGGGG"));
        f.board.closeDialog();
        QCOMPARE(f.board.log, (std::vector<std::string>{"info 12", "hide life 15"}));
        QCOMPARE(int(f.game.BrojZivota()), 14);
        QVERIFY(!f.game.busy());

        while (f.game.BrojZivota() > 1) {
            f.game.cmdProveri_Click();
            f.board.closeDialog();
        }
        f.board.log.clear();
        f.game.cmdProveri_Click();
        f.board.closeDialog();  // the hint
        QCOMPARE(f.board.log, (std::vector<std::string>{"info 12", "hide life 1", "zali"}));
        QVERIFY(f.game.busy());
        QVERIFY(f.board.allEnabled(true));
        f.board.closeDialog();  // the game over
        QVERIFY(f.board.allEnabled(false));
        QVERIFY(!f.game.busy());
        f.game.cmdNovo_Click();  // and afterwards all answer again
        QCOMPARE(f.board.livesVisible(), 15);
    }
};

QTEST_APPLESS_MAIN(TestCheck)
#include "tst_check.moc"
