// The answer check: which cell is named, lives, and the order of what the
// player sees.
#include <QtTest>

#include "check_order.h"
#include "fake_board.h"
#include "game.h"

using namespace mud;
using namespace mud::test;

namespace {

struct Fixture {
    FakeBoard board;
    FixedRandom random;
    Game game{board, random};
    Fixture() { game.Form_Load(); }

    // One check at a fixed cut-off; returns the code named, or "" if none.
    std::string checkAt(int cutOff) {
        random.values = {FixedRandom::forCutOff(cutOff)};
        board.log.clear();
        game.cmdProveri_Click();
        return board.log.empty() ? std::string() : board.tag();
    }
    // The solution everywhere except the cells of the given visits (1..25).
    void solutionExceptVisits(std::initializer_list<int> visits) {
        board.fillSolution();
        for (int v : visits) board.select(kCheckOrder[v - 1].attribute, kCheckOrder[v - 1].house, 0);
    }
};

}  // namespace

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

    // A wrong case or a missing diacritic is a wrong cell.
    void comparisonIsExact() {
        struct OneCell : FakeBoard {
            std::string override_;
            std::string listText(int a, int h) const override {
                return (a == Ljub && h == 5) ? override_ : FakeBoard::listText(a, h);
            }
        };
        for (const char* text : {"pas", "PAS", "Pas ", " Pas"}) {
            OneCell board;
            board.override_ = text;
            FixedRandom random;
            Game game(board, random);
            game.Form_Load();
            board.fillSolution();
            game.cmdProveri_Click();
            QCOMPARE(board.tag(), std::string("55"));
        }
        Fixture f;
        struct NoDiacritic : FakeBoard {
            std::string listText(int a, int h) const override {
                return (a == Boja && h == 1) ? std::string("Zuta") : FakeBoard::listText(a, h);
            }
        } board;
        FixedRandom random;
        Game game(board, random);
        game.Form_Load();
        board.fillSolution();
        game.cmdProveri_Click();
        QCOMPARE(board.tag(), std::string("11"));
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
};

QTEST_APPLESS_MAIN(TestCheck)
#include "tst_check.moc"
