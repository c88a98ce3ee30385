// The rules of a round: new round, lock, answer check, lives, reveal and the
// house pictures. The main window's handlers forward here.
#pragma once

#include <cstdint>
#include <string>

#include "board.h"

namespace mud {

constexpr int kLives = 15;

class Game {
public:
    Game(Board& board, RandomSource& random) : board_(board), random_(random) {}

    // Main window handlers. No handler runs in the middle of another: one
    // that waits for a dialog holds the board until it has finished, and a
    // handler asked for meanwhile does nothing. (A colour choice always
    // updates its house, so that the picture follows the list.)
    void Form_Load();                        // seed the generator, start a round
    void cmdProveri_Click() { exclusive([this] { Proveri(); }); }  // "Provera": the answer check
    void cmdNovo_Click() { exclusive([this] { NovaIgra(); }); }    // "Ponovo"
    void cmdObjasni_Click() { exclusive([this] { board_.showModal(Dialog::Objasni); }); }
    void cmdReklama_Click() { exclusive([this] { board_.showModal(Dialog::Oglas); }); }
    void cmbBoja_Click(int house);           // a colour chosen in house 1..5
    void Label25_MouseDown(int button) {     // 1 left, 2 right, 4 middle
        exclusive([this, button] { Otkrij(button); });
    }
    bool busy() const { return busy_; }      // a handler is running

    void NovaIgra();
    void Zakljucaj();

    std::int16_t BrojZivota() const { return BrojZivota_; }
    std::int16_t Granica() const { return Granica_; }
    std::int16_t BrojGresaka() const { return BrojGresaka_; }
    const std::string& KodGreske() const { return KodGreske_; }

private:
    template <class Handler>
    void exclusive(Handler handler) {
        if (busy_) return;
        busy_ = true;
        struct Release {
            bool& busy;
            ~Release() { busy = false; }
        } release{busy_};
        handler();
    }

    void Proveri();                 // the answer check
    void Otkrij(int button);        // the hidden reveal
    void ObojiKucu(int house);
    void OcistiKucu(int house);

    Board& board_;
    RandomSource& random_;
    std::int16_t BrojZivota_ = 0;
    std::int16_t Granica_ = 0;
    std::int16_t BrojGresaka_ = 0;
    std::string KodGreske_ = "00";
    bool busy_ = false;
};

}  // namespace mud
