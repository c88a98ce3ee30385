// What the rules of the game need from the windows, and nothing more.
// The main window implements it with real widgets; tests use a fake.
#pragma once

#include <functional>
#include <string>

namespace mud {

enum class Picture {
    GreyHouse,     // imgKuT(house)
    PaintedHouse,  // ImgKuB(house)
    Life,          // imgZivot(1..15)
    SuccessPanel,  // fraOK (index ignored)
};

enum class Dialog {
    Info,     // frmInfo: names one wrong cell
    Zali,     // frmZali: the round is lost
    Objasni,  // frmObjasni: explanation
    Oglas,    // frmOglas: advert
};

class Board {
public:
    virtual ~Board() = default;

    // The 25 answer lists, by attribute 1..5 and house 1..5.
    virtual std::string listText(int attribute, int house) const = 0;
    virtual void setListText(int attribute, int house, const std::string& text) = 0;
    virtual int listIndex(int attribute, int house) const = 0;  // -1: nothing selected
    virtual void setListEnabled(int attribute, int house, bool enabled) = 0;

    virtual void setPictureVisible(Picture picture, int index, bool visible) = 0;

    // The main window's Tag: carries the error code to the hint window.
    virtual std::string tag() const = 0;
    virtual void setTag(const std::string& tag) = 0;

    // Shows a dialog modally with no owner and returns at once; `closed`
    // runs, once, after the dialog has been closed. Meanwhile the other
    // windows take no input.
    virtual void showModal(Dialog dialog, std::function<void()> closed) = 0;
};

// The random generator of the game.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    virtual double next() = 0;  // uniform in [0, 1)
};

}  // namespace mud
