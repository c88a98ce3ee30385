// The main window: five houses with their lists, the lives, the buttons and
// the clues. Its handlers forward to the rules in Game.
#pragma once

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <string>

#include "board.h"
#include "classic_window.h"
#include "content.h"
#include "game.h"

namespace mud::ui {

class Announcer;
class PictureBox;

class frmMud : public ClassicWindow, public Board {
public:
    // Opens a dialog modally and returns; `closed` runs once it has closed.
    // The main window's Tag is passed for the hint window.
    using DialogOpener = std::function<void(Dialog, const std::string& tag, std::function<void()> closed)>;

    frmMud(RandomSource& random, DialogOpener openDialog);

    const Game& game() const { return game_; }

    // Board
    std::string listText(int attribute, int house) const override;
    void setListText(int attribute, int house, const std::string& text) override;
    int listIndex(int attribute, int house) const override;
    void setListEnabled(int attribute, int house, bool enabled) override;
    void setPictureVisible(Picture picture, int index, bool visible) override;
    std::string tag() const override { return tag_; }
    void setTag(const std::string& tag) override { tag_ = tag; }
    void showModal(Dialog dialog, std::function<void()> closed) override;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildHouse(int house);
    void buildLowerArea();
    void setTabOrder();
    QString livesLeft() const;
    void tellLives(bool lost);

    void cmdProveri_Click();
    void cmdNovo_Click();
    void cmdKraj_Click() { close(); }
    void cmdObjasni_Click() { game_.cmdObjasni_Click(); }
    void cmdReklama_Click() { game_.cmdReklama_Click(); }
    void cmbBoja_Click(int house) { game_.cmbBoja_Click(house); }
    void Label25_MouseDown(int button) { game_.Label25_MouseDown(button); }

    Game game_;
    DialogOpener openDialog_;
    std::string tag_;

    QComboBox* lists_[kAttributes + 1][kHouses + 1] = {};  // by attribute, house
    PictureBox* imgKuT_[kHouses + 1] = {};
    PictureBox* ImgKuB_[kHouses + 1] = {};
    QWidget* lives_ = nullptr;
    PictureBox* imgZivot_[kLives + 1] = {};
    Announcer* announcer_ = nullptr;
    QFrame* fraOK_ = nullptr;
    QPushButton* cmdProveri_ = nullptr;
    QPushButton* cmdNovo_ = nullptr;
    QPushButton* cmdObjasni_ = nullptr;
    QPushButton* cmdKraj_ = nullptr;
    QPushButton* cmdReklama_ = nullptr;
};

}  // namespace mud::ui
