// A picture shown at one picture pixel per screen pixel. On a high-DPI screen
// it fills its enlarged place: grown by whole factors in square blocks,
// and smoothed only for what a fractional factor adds.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace mud::ui {

class PictureBox : public QWidget {
public:
    // Placed at left/top in twips; the control is exactly as large as its picture.
    PictureBox(QWidget* parent, const QString& name, const QString& resource, int leftTwips, int topTwips);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString resource_;
    QImage image_;
};

}  // namespace mud::ui
