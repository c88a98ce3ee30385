// A house frame: an etched border with the bold caption set into its top
// edge, on the board's silver (a plain group box would tint its inside).
// The frame's own font stays the window's, for the controls inside it.
#pragma once

#include <QGroupBox>

namespace mud::ui {

class HouseFrame : public QGroupBox {
public:
    HouseFrame(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace mud::ui
