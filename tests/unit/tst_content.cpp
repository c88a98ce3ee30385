// The puzzle's content: lists, solution and clues agree with each other.
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "content.h"

using namespace mud;

namespace {

using Perm = std::array<int, 5>;  // value item (1..5) living in house index 0..4

// House (0..4) where item v of a permutation lives.
int where(const Perm& p, int v) { return int(std::find(p.begin(), p.end(), v) - p.begin()); }
int item(int attribute, const char* text) {
    for (int i = 1; i < kItems; ++i)
        if (std::strcmp(listItem(attribute, i), text) == 0) return i;
    return -1;
}
bool nextTo(int a, int b) { return std::abs(a - b) == 1; }

}  // namespace

class TestContent : public QObject {
    Q_OBJECT
private slots:
    void everyListHasPlaceholderAndFiveDistinctValues() {
        for (int a = 1; a <= kAttributes; ++a) {
            QCOMPARE(QString::fromUtf8(listItem(a, 0)), QStringLiteral("        ?"));
            std::set<std::string> values;
            for (int i = 1; i < kItems; ++i) values.insert(listItem(a, i));
            QCOMPARE(int(values.size()), 5);
            QVERIFY(!values.count(kPlaceholder));
        }
    }

    void solutionUsesEveryValueOnce() {
        for (int a = 1; a <= kAttributes; ++a) {
            std::set<int> items;
            for (int h = 1; h <= kHouses; ++h) {
                const int i = solutionItem(h, a);
                QVERIFY2(i >= 1, solution(h, a));
                items.insert(i);
            }
            QCOMPARE(int(items.size()), 5);
        }
    }

    // The fifteen clues, read as rules over the list items, admit exactly one
    // arrangement, and it is the solution the game checks against.
    void cluesAdmitExactlyTheSolution() {
        const int red = item(Boja, "Crvena"), green = item(Boja, "Zelena"), white = item(Boja, "Bela"),
                  yellow = item(Boja, "Žuta"), blue = item(Boja, "Plava");
        const int podunavac = item(Poreklo, "Podunavac"), banacanin = item(Poreklo, "Banaćanin"),
                  sremac = item(Poreklo, "Sremac"), sumadinac = item(Poreklo, "Šumadinac"),
                  macvanin = item(Poreklo, "Mačvanin");
        const int ljuta = item(Pice, "Ljuta"), lozovaca = item(Pice, "Lozovača"), klekovaca = item(Pice, "Klekovača"),
                  travarica = item(Pice, "Travarica"), sljivovica = item(Pice, "Šljivovica");
        const int zeta = item(Ciga, "Zeta"), morava = item(Ciga, "Morava"), drina = item(Ciga, "Drina"),
                  drava = item(Ciga, "Drava"), srbija = item(Ciga, "Srbija");
        const int dog = item(Ljub, "Pas"), bird = item(Ljub, "Ptica"), cat = item(Ljub, "Mačka"),
                  horse = item(Ljub, "Konj");

        std::vector<Perm> perms;
        Perm p = {1, 2, 3, 4, 5};
        do perms.push_back(p);
        while (std::next_permutation(p.begin(), p.end()));

        int found = 0;
        std::array<Perm, 6> answer{};
        for (const Perm& c : perms) {
            if (where(c, green) + 1 != where(c, white)) continue;                      // clue 4
            for (const Perm& o : perms) {
                if (where(o, sumadinac) != 0) continue;                                 // clue 9
                if (where(o, podunavac) != where(c, red)) continue;                     // clue 1
                if (!nextTo(where(o, sumadinac), where(c, blue))) continue;             // clue 13
                for (const Perm& d : perms) {
                    if (where(d, ljuta) != where(o, sremac)) continue;                  // clue 3
                    if (where(d, lozovaca) != where(c, green)) continue;                // clue 5
                    if (where(d, klekovaca) != 2) continue;                             // clue 8
                    for (const Perm& s : perms) {
                        if (where(s, morava) != where(c, yellow)) continue;             // clue 7
                        if (where(s, drava) != where(d, travarica)) continue;           // clue 12
                        if (!nextTo(where(s, drina), where(d, sljivovica))) continue;   // clue 14
                        if (where(s, srbija) != where(o, macvanin)) continue;           // clue 15
                        for (const Perm& l : perms) {
                            if (where(l, dog) != where(o, banacanin)) continue;         // clue 2
                            if (where(l, bird) != where(s, zeta)) continue;             // clue 6
                            if (!nextTo(where(l, cat), where(s, drina))) continue;      // clue 10
                            if (!nextTo(where(l, horse), where(s, morava))) continue;   // clue 11
                            ++found;
                            answer = {Perm{}, c, o, d, s, l};
                        }
                    }
                }
            }
        }
        QCOMPARE(found, 1);
        for (int a = 1; a <= kAttributes; ++a)
            for (int h = 1; h <= kHouses; ++h) QCOMPARE(answer[a][h - 1], solutionItem(h, a));
    }

    void cluesAreTheFifteenInPrintedOrder() {
        QCOMPARE(int(kClueList.size()), 15);
        QCOMPARE(QString::fromUtf8(kClueList.front().label), QStringLiteral("Label26"));
        QCOMPARE(QString::fromUtf8(kClueList.back().label), QStringLiteral("Label43"));
        QCOMPARE(QString::fromUtf8(kClueList[5].text), QStringLiteral("Pušač \"zete\" čuva pticu"));
        // The fish is named in no clue: it is found only by elimination.
        for (const Clue& clue : kClueList) QVERIFY(!QString::fromUtf8(clue.text).contains("rib", Qt::CaseInsensitive));
    }
};

QTEST_APPLESS_MAIN(TestContent)
#include "tst_content.moc"
