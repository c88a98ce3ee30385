// A house frame: an etched border with the caption set into its top edge,
// on the board's silver (a plain group box would tint its inside).
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
