// The four dialogs. Each is built afresh for every opening; where it has a
// load step, the constructor runs it before the window is first shown.
#pragma once

#include <QLabel>
#include <QWidget>
#include <string>

#include "classic_window.h"

namespace mud::ui {

// Hint window: names the house and attribute of one wrong cell.
class frmInfo : public ClassicWindow {
public:
    explicit frmInfo(const std::string& mainWindowTag);

protected:
    bool event(QEvent* event) override;

private:
    void Form_Load(const std::string& code);
    bool findingRaised_ = false;
    QLabel* heading_;
    QLabel* lblKuca_;
    QLabel* lblPit_;
};

// Explanation of the puzzle.
class frmObjasni : public ClassicWindow {
public:
    frmObjasni();
};

// The round is lost.
class frmZali : public ClassicWindow {
public:
    frmZali();
};

// Advert for the author's lottery program: no title bar, blue ground.
class frmOglas : public ClassicWindow {
public:
    frmOglas();
    void setVisible(bool visible) override;

private:
    void Form_Load();
};

}  // namespace mud::ui
