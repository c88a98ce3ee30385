// The round's life cycle: start, new round, lock and the hidden reveal.
#include "content.h"
#include "game.h"

namespace mud {

void Game::Form_Load() {
    random_.seedFromClock();
    NovaIgra();
}

// The board stays held while the dialog is open and while what follows it
// runs; that may open the next dialog, which holds it on.
void Game::show(Dialog dialog, std::function<void()> then) {
    waiting_ = true;
    board_.showModal(dialog, [this, then = std::move(then)] {
        waiting_ = false;
        if (then) then();
        if (!waiting_) busy_ = false;
    });
}

// Every list back to the placeholder and enabled, fifteen lives, panel hidden.
// Setting a colour list is a choice like the player's, so the house-picture
// rule runs for it and turns the house grey.
void Game::NovaIgra() {
    for (int house = 1; house <= kHouses; ++house) {
        for (int attribute = 1; attribute <= kAttributes; ++attribute) {
            board_.setListEnabled(attribute, house, true);
        }
        for (int attribute = 1; attribute <= kAttributes; ++attribute) {
            board_.setListText(attribute, house, kPlaceholder);
            if (attribute == Boja) cmbBoja_Click(house);
        }
    }
    BrojZivota_ = kLives;
    for (int life = 1; life <= kLives; ++life) board_.setPictureVisible(Picture::Life, life, true);
    board_.setPictureVisible(Picture::SuccessPanel, 0, false);
}

void Game::Zakljucaj() {
    for (int house = 1; house <= kHouses; ++house) {
        for (int attribute = 1; attribute <= kAttributes; ++attribute) {
            board_.setListEnabled(attribute, house, false);
        }
    }
}

// A press with any button but the left one on the pet label of house 5
// paints every house and writes the solution into all lists, attribute by
// attribute. Lives, the lists' enabled state and the panel stay as they are;
// the round is solved only by a following check.
void Game::Otkrij(int button) {
    if (button == 1) return;
    for (int house = 1; house <= kHouses; ++house) {
        board_.setPictureVisible(Picture::GreyHouse, house, false);
        board_.setPictureVisible(Picture::PaintedHouse, house, true);
    }
    for (int attribute = 1; attribute <= kAttributes; ++attribute) {
        for (int house = 1; house <= kHouses; ++house) {
            board_.setListText(attribute, house, solution(house, attribute));
            if (attribute == Boja) cmbBoja_Click(house);
        }
    }
}

}  // namespace mud
