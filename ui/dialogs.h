// The four dialogs. Each is built afresh for every opening; where it has a
// load step, the constructor runs it before the window is first shown.
#pragma once

#include <QLabel>
#include <QWidget>
#include <string>

#include "sizing_border.h"

namespace mud::ui {

// Hint window: names the house and attribute of one wrong cell.
class frmInfo : public QWidget {
public:
    explicit frmInfo(const std::string& mainWindowTag);

private:
    void Form_Load(const std::string& code);
    QLabel* heading_;
    QLabel* lblKuca_;
    QLabel* lblPit_;
};

// Explanation of the puzzle.
class frmObjasni : public QWidget {
public:
    frmObjasni();
};

// The round is lost.
class frmZali : public QWidget {
public:
    frmZali();
};

// Advert for the author's lottery program: no title bar, blue ground.
class frmOglas : public SizingBorderWindow {
public:
    frmOglas();

private:
    void Form_Load();
};

}  // namespace mud::ui
