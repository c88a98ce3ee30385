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

    // Main window handlers.
    void Form_Load();                        // seed the generator, start a round
    void cmdProveri_Click();                 // "Provera": the answer check
    void cmdNovo_Click() { NovaIgra(); }     // "Ponovo"
    void cmdObjasni_Click() { board_.showModal(Dialog::Objasni); }
    void cmdReklama_Click() { board_.showModal(Dialog::Oglas); }
    void cmbBoja_Click(int house);           // a colour chosen in house 1..5
    void Label25_MouseDown(int button);      // 1 left, 2 right, 4 middle

    void NovaIgra();
    void Zakljucaj();

    std::int16_t BrojZivota() const { return BrojZivota_; }
    std::int16_t Granica() const { return Granica_; }
    std::int16_t BrojGresaka() const { return BrojGresaka_; }
    const std::string& KodGreske() const { return KodGreske_; }

private:
    void otkrij();  // writes the whole solution into the lists
    void ObojiKucu(int house);
    void OcistiKucu(int house);

    Board& board_;
    RandomSource& random_;
    std::int16_t BrojZivota_ = 0;
    std::int16_t Granica_ = 0;
    std::int16_t BrojGresaka_ = 0;
    std::string KodGreske_ = "00";
};

}  // namespace mud
