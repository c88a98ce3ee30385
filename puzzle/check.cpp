// The answer check behind "Provera".
#include <algorithm>
#include <cmath>

#include "check_order.h"
#include "content.h"
#include "counter.h"
#include "game.h"

namespace mud {

namespace {
std::string errorCode(const Visit& visit) {
    return {static_cast<char>('0' + visit.house), static_cast<char>('0' + visit.attribute)};
}
}  // namespace

// Draws a cut-off 1..15 and visits the cells in check order. At each stop test
// the visits end once the wrong cells counted reach the cut-off, so the cell
// named is the last wrong one met before that stop (or before the end).
void Game::Proveri() {
    if (BrojZivota_ == 0) return;  // the round is lost: nothing happens

    const double r = random_.next();
    Granica_ = static_cast<std::int16_t>(std::clamp(static_cast<int>(std::floor(r * 15)) + 1, 1, 15));
    BrojGresaka_ = 0;
    KodGreske_ = "00";

    for (const Visit& visit : kCheckOrder) {
        if (board_.listText(visit.attribute, visit.house) != solution(visit.house, visit.attribute)) {
            BrojGresaka_ = checkedAdd(BrojGresaka_, 1);
            KodGreske_ = errorCode(visit);
        }
        if (visit.stopTestAfter && BrojGresaka_ >= Granica_) break;
    }

    if (BrojGresaka_ == 0) {
        board_.setPictureVisible(Picture::SuccessPanel, 0, true);
        Zakljucaj();
        return;
    }

    board_.setTag(KodGreske_);
    show(Dialog::Info, [this] { OduzmiZivot(); });  // the life goes only after the hint is closed
}

void Game::OduzmiZivot() {
    board_.setPictureVisible(Picture::Life, BrojZivota_, false);
    BrojZivota_ = checkedAdd(BrojZivota_, -1);
    if (BrojZivota_ != 0) return;
    show(Dialog::Zali, [this] { Zakljucaj(); });
}

}  // namespace mud
