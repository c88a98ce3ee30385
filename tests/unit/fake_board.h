// A board without windows: remembers what the rules write and logs the order
// of the things a player would see.
#pragma once

#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <map>
#include <utility>

#include "board.h"
#include "check_order.h"
#include "content.h"
#include "game.h"

namespace mud::test {

class FakeBoard : public Board {
public:
    FakeBoard() {
        for (auto& row : index_) for (int& i : row) i = -1;
        for (auto& row : enabled_) for (bool& e : row) e = true;
        for (int h = 1; h <= kHouses; ++h) grey_[h] = true;
        for (int i = 1; i <= 15; ++i) life_[i] = true;
    }

    std::string listText(int a, int h) const override {
        ++reads;
        const auto forced = forcedText.find({a, h});
        if (forced != forcedText.end()) return forced->second;
        const int i = index_[a][h];
        return i < 0 ? std::string() : listItem(a, i);
    }
    void setListText(int a, int h, const std::string& text) override {
        for (int i = 0; i < kItems; ++i) {
            if (text == listItem(a, i)) index_[a][h] = i;
        }
    }
    int listIndex(int a, int h) const override { return index_[a][h]; }
    void setListEnabled(int a, int h, bool e) override { enabled_[a][h] = e; }
    void setPictureVisible(Picture p, int i, bool v) override {
        switch (p) {
        case Picture::GreyHouse: grey_[i] = v; break;
        case Picture::PaintedHouse: painted_[i] = v; break;
        case Picture::Life:
            life_[i] = v;
            if (!v) log.push_back("hide life " + std::to_string(i));
            break;
        case Picture::SuccessPanel: panel = v; break;
        }
    }
    std::string tag() const override { return tag_; }
    void setTag(const std::string& t) override { tag_ = t; }
    // The dialog is open while onModal runs, and closes after it, unless
    // the test keeps it open (keepOpen) and closes it later (closeDialog).
    void showModal(Dialog d, std::function<void()> closed) override {
        log.push_back(d == Dialog::Info ? "info " + tag_ : d == Dialog::Zali ? "zali" : "side");
        open_ = std::move(closed);
        if (onModal) onModal(d);
        if (!keepOpen) closeDialog();
    }
    bool dialogOpen() const { return bool(open_); }
    void closeDialog() {
        auto closed = std::move(open_);
        open_ = nullptr;
        if (closed) closed();
    }

    // Chooses item `item` of a list as a player would (no event is raised
    // here; the caller forwards to the game as the window does).
    void select(int a, int h, int item) { index_[a][h] = item; }
    void fillSolution() {
        for (int h = 1; h <= kHouses; ++h)
            for (int a = 1; a <= kAttributes; ++a) index_[a][h] = solutionItem(h, a);
    }
    bool allEnabled(bool e) const {
        for (int h = 1; h <= kHouses; ++h)
            for (int a = 1; a <= kAttributes; ++a)
                if (enabled_[a][h] != e) return false;
        return true;
    }
    int livesVisible() const {
        int n = 0;
        for (int i = 1; i <= 15; ++i) n += life_[i];
        return n;
    }
    // 'P' painted, 'G' grey, '!' both or neither.
    char housePicture(int h) const { return grey_[h] == painted_[h] ? '!' : (painted_[h] ? 'P' : 'G'); }
    std::string houses() const {
        std::string s;
        for (int h = 1; h <= kHouses; ++h) s += housePicture(h);
        return s;
    }

    bool panel = false;
    bool life_[16] = {};
    mutable int reads = 0;
    std::vector<std::string> log;
    std::function<void(Dialog)> onModal;
    bool keepOpen = false;
    // A text a cell shows whatever is selected: for checking that the
    // comparison is exact, with texts no list offers.
    std::map<std::pair<int, int>, std::string> forcedText;  // (attribute, house)

private:
    int index_[kAttributes + 1][kHouses + 1];
    bool enabled_[kAttributes + 1][kHouses + 1];
    bool grey_[kHouses + 1] = {};
    bool painted_[kHouses + 1] = {};
    std::string tag_;
    std::function<void()> open_;  // what follows the open dialog
};

// Returns the queued values in turn, then repeats the last one.
class FixedRandom : public RandomSource {
public:
    void seedFromClock() override { ++seeds; }
    double next() override {
        ++draws;
        if (values.size() > 1) {
            const double v = values.front();
            values.pop_front();
            return v;
        }
        return values.empty() ? 0.0 : values.front();
    }
    // A value that gives cut-off `c` (1..15).
    static double forCutOff(int c) { return (c - 1 + 0.5) / 15.0; }

    std::deque<double> values;
    int seeds = 0;
    int draws = 0;
};

// A game on a fake board, started as the program starts it.
struct GameFixture {
    FakeBoard board;
    FixedRandom random;
    Game game{board, random};
    GameFixture() { game.Form_Load(); }

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
    void chooseColour(int house, int item) {
        board.select(Boja, house, item);
        game.cmbBoja_Click(house);
    }
    void solve() {
        board.fillSolution();
        game.cmdProveri_Click();
    }
    void lose() {
        for (int i = 0; i < kLives; ++i) game.cmdProveri_Click();
    }
};

}  // namespace mud::test
