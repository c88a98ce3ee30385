// The rules of a round: new round, lock, answer check, lives, reveal and the
// house pictures. The main window's handlers forward here.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "board.h"

namespace mud {

constexpr int kLives = 15;

class Game {
public:
    Game(Board& board, RandomSource& random) : board_(board), random_(random) {}

    // Main window handlers. No handler runs in the middle of another: one
    // that opens a dialog holds the board until what follows the dialog has
    // run, and a handler asked for meanwhile does nothing. (A colour choice
    // always updates its house, so that the picture follows the list.)
    void Form_Load();                        // seed the generator, start a round
    void cmdProveri_Click() { exclusive([this] { Proveri(); }); }  // "Provera": the answer check
    void cmdNovo_Click() { exclusive([this] { NovaIgra(); }); }    // "Ponovo"
    void cmdObjasni_Click() { exclusive([this] { show(Dialog::Objasni, nullptr); }); }
    void cmdReklama_Click() { exclusive([this] { show(Dialog::Oglas, nullptr); }); }
    void cmbBoja_Click(int house);           // a colour chosen in house 1..5
    void Label25_MouseDown(int button) {     // 1 left, 2 right, 4 middle
        exclusive([this, button] { Otkrij(button); });
    }
    bool busy() const { return busy_; }      // a handler is running, or waits for its dialog

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
        handler();
        if (!waiting_) busy_ = false;
    }
    // Opens a dialog; `then` runs once it has been closed, and the board
    // answers its handlers again after that.
    void show(Dialog dialog, std::function<void()> then);

    void Proveri();                 // the answer check
    void OduzmiZivot();             // after the hint: one life less, and at the last the lost round
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
    bool waiting_ = false;  // a dialog is open
};

}  // namespace mud
