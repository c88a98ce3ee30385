// A board without windows: remembers what the rules write and logs the order
// of the things a player would see.
#pragma once

#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "board.h"
#include "content.h"

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
    void showModal(Dialog d) override {
        log.push_back(d == Dialog::Info ? "info " + tag_ : d == Dialog::Zali ? "zali" : "side");
        if (onModal) onModal(d);
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

private:
    int index_[kAttributes + 1][kHouses + 1];
    bool enabled_[kAttributes + 1][kHouses + 1];
    bool grey_[kHouses + 1] = {};
    bool painted_[kHouses + 1] = {};
    std::string tag_;
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

}  // namespace mud::test
