// A window without a title bar whose classic sizing border the player can
// drag: a raised 3-D edge with the border colour inside it, drawn by the
// window itself, around a client area that holds the controls. Dragging an
// edge or a corner asks the window system to resize the window; where it
// cannot, the window follows the pointer itself.
#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

namespace mud::ui {

class SizingBorderWindow : public QWidget {
public:
    static constexpr int kBorder = 4;  // pixels, as the classic sizing frame

    // Client area of the given size in pixels.
    explicit SizingBorderWindow(QSize clientSize);

    QWidget* client() const { return client_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Qt::Edges edgesAt(QPoint pos) const;

    QWidget* client_;
    Qt::Edges dragging_;  // edges the window follows by itself
    QPoint dragStart_;
    QRect startGeometry_;
};

}  // namespace mud::ui
