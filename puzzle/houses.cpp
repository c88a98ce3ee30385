// The house pictures: a house is painted exactly when its colour list shows
// the house's solution colour, and grey otherwise (the placeholder included).
#include "content.h"
#include "game.h"

namespace mud {

void Game::cmbBoja_Click(int house) {
    const int item = board_.listIndex(Boja, house);
    if (item < 0 || item >= kItems) return;  // nothing selected
    if (item == solutionItem(house, Boja)) {
        ObojiKucu(house);
    } else {
        OcistiKucu(house);
    }
}

void Game::ObojiKucu(int house) {
    board_.setPictureVisible(Picture::PaintedHouse, house, true);
    board_.setPictureVisible(Picture::GreyHouse, house, false);
}

void Game::OcistiKucu(int house) {
    board_.setPictureVisible(Picture::GreyHouse, house, true);
    board_.setPictureVisible(Picture::PaintedHouse, house, false);
}

}  // namespace mud
