// The round's states, the hidden reveal, the house pictures and the hint's
// reading of an error code.
#include <QtTest>

#include "fake_board.h"
#include "game.h"
#include "hint.h"

using namespace mud;
using namespace mud::test;

namespace {

struct Fixture : GameFixture {
    bool isFreshRound() const {
        for (int h = 1; h <= kHouses; ++h)
            for (int a = 1; a <= kAttributes; ++a)
                if (board.listText(a, h) != kPlaceholder) return false;
        return board.allEnabled(true) && board.livesVisible() == 15 && !board.panel &&
               game.BrojZivota() == 15 && board.houses() == "GGGGG";
    }
};

enum State { Playing, Solved, Lost };

}  // namespace

Q_DECLARE_METATYPE(State)

class TestRound : public QObject {
    Q_OBJECT
private slots:
    void startIsAFreshRoundSeededOnce() {
        Fixture f;
        QVERIFY(f.isFreshRound());
        QCOMPARE(f.random.seeds, 1);
        f.game.cmdNovo_Click();
        QCOMPARE(f.random.seeds, 1);  // a new round does not reseed
    }

    void newRoundFromEveryState_data() {
        QTest::addColumn<State>("state");
        QTest::newRow("playing, 7 lives") << Playing;
        QTest::newRow("solved") << Solved;
        QTest::newRow("lost") << Lost;
    }
    void newRoundFromEveryState() {
        QFETCH(State, state);
        Fixture f;
        if (state == Playing) {
            for (int i = 0; i < 8; ++i) f.game.cmdProveri_Click();
            QCOMPARE(int(f.game.BrojZivota()), 7);
            f.game.Label25_MouseDown(2);
        }
        if (state == Solved) f.solve();
        if (state == Lost) f.lose();
        f.board.setTag("42");
        f.game.cmdNovo_Click();
        QVERIFY(f.isFreshRound());
        QCOMPARE(f.board.tag(), std::string("42"));  // a new round leaves the Tag
    }

    void revealInEveryState_data() { newRoundFromEveryState_data(); }
    void revealInEveryState() {
        QFETCH(State, state);
        Fixture f;
        if (state == Solved) f.solve();
        if (state == Lost) f.lose();
        const bool enabled = f.board.allEnabled(true);
        const bool panel = f.board.panel;
        const int lives = f.game.BrojZivota();

        f.game.Label25_MouseDown(1);  // the left button does nothing
        QCOMPARE(f.board.listText(Boja, 1), std::string(state == Solved ? "Žuta" : kPlaceholder));

        f.game.Label25_MouseDown(4);
        for (int h = 1; h <= kHouses; ++h)
            for (int a = 1; a <= kAttributes; ++a) QCOMPARE(f.board.listText(a, h), std::string(solution(h, a)));
        QCOMPARE(f.board.houses(), std::string("PPPPP"));
        QCOMPARE(f.board.allEnabled(true), enabled);
        QCOMPARE(f.board.panel, panel);
        QCOMPARE(int(f.game.BrojZivota()), lives);

        f.board.log.clear();
        f.game.cmdProveri_Click();
        QCOMPARE(f.board.panel, state != Lost);  // lost stays lost
        QVERIFY(f.board.log.empty());
        QCOMPARE(int(f.game.BrojZivota()), lives);
    }

    // Item of the colour list -> picture of houses 1..5 ('P' painted, 'G' grey).
    void housePictureRule_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("pictures");
        QTest::newRow("placeholder") << 0 << "GGGGG";
        QTest::newRow("Crvena") << 1 << "GGPGG";
        QTest::newRow("Zelena") << 2 << "GGGPG";
        QTest::newRow("Bela") << 3 << "GGGGP";
        QTest::newRow("Žuta") << 4 << "PGGGG";
        QTest::newRow("Plava") << 5 << "GPGGG";
    }
    void housePictureRule() {
        QFETCH(int, item);
        QFETCH(QString, pictures);
        // From grey and from painted alike, and choosing the same item twice.
        for (bool fromPainted : {false, true}) {
            Fixture f;
            if (fromPainted) f.game.Label25_MouseDown(2);
            for (int h = 1; h <= kHouses; ++h) {
                f.chooseColour(h, item);
                f.chooseColour(h, item);
            }
            QCOMPARE(QString::fromStdString(f.board.houses()), pictures);
        }
    }

    // A wrong colour in house 5 turns it grey, as in every other house: the
    // picture never calls a wrong colour right.
    void houseFiveWrongColourTurnsGrey() {
        Fixture f;
        f.chooseColour(5, 3);
        QCOMPARE(f.board.housePicture(5), 'P');
        f.chooseColour(5, 1);
        QCOMPARE(f.board.housePicture(5), 'G');
        f.chooseColour(5, 3);
        f.chooseColour(5, 0);
        QCOMPARE(f.board.housePicture(5), 'G');
    }

    void otherListsNeverChangeAPicture() {
        Fixture f;
        f.chooseColour(1, 4);
        for (int a = Poreklo; a <= Ljub; ++a) f.board.select(a, 1, 3);
        f.board.select(Boja, 2, -1);
        f.game.cmbBoja_Click(2);  // nothing selected: nothing happens
        QCOMPARE(f.board.houses(), std::string("PGGGG"));
    }

    void sideWindowsLeaveTheRoundAlone() {
        Fixture f;
        f.chooseColour(1, 4);
        f.game.cmdProveri_Click();
        f.board.log.clear();
        f.game.cmdObjasni_Click();
        f.game.cmdReklama_Click();
        QCOMPARE(f.board.log, (std::vector<std::string>{"side", "side"}));
        QCOMPARE(int(f.game.BrojZivota()), 14);
        QCOMPARE(f.board.houses(), std::string("PGGGG"));
    }

    void hintReadsFirstAndLastCharacter_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("house");
        QTest::addColumn<QString>("attribute");
        QTest::newRow("12") << "12" << "1" << "Poreklo";
        QTest::newRow("53") << "53" << "5" << "Piće";
        QTest::newRow("35") << "35" << "3" << "Ljubimac";
        QTest::newRow("00") << "00" << "0" << "";
        QTest::newRow("one character") << "4" << "4" << "Cigarete";
        QTest::newRow("empty") << "" << "0" << "";
        QTest::newRow("attribute 6..9") << "27" << "2" << "";
        QTest::newRow("9 9") << "99" << "9" << "";
        QTest::newRow("letters") << "x-" << "0" << "";
        QTest::newRow("long") << "3 bla 1" << "3" << "Boja";
        QTest::newRow("non-ASCII") << "ž" << "0" << "";
    }
    void hintReadsFirstAndLastCharacter() {
        QFETCH(QString, code);
        QFETCH(QString, house);
        QFETCH(QString, attribute);
        const HintFields fields = readErrorCode(code.toStdString());
        QCOMPARE(QString::fromStdString(fields.house), house);
        QCOMPARE(QString::fromStdString(fields.attribute), attribute);
    }
};

QTEST_APPLESS_MAIN(TestRound)
#include "tst_round.moc"
