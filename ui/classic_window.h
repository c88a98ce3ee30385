// A window of the game with the classic frame of its desktop. Where a window
// manager frames windows (X11, Windows) it draws the frame, and the window
// holds its controls itself. Where none does the classic way (Wayland, whose
// toolkits draw their own title bars), and for the advert, which has no
// title bar at all, the window draws its own frame: a raised 3-D sizing
// border or dialog frame, and a navy caption with the icon, the title and
// the buttons the window offers, around a client area that holds the
// controls. Dragging the caption moves the window, dragging a sizing border
// resizes it; where the window system cannot, the window follows the
// pointer itself.
#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

namespace mud::ui {

class ClassicWindow : public QWidget {
public:
    enum class Frame {
        Sizable,     // sizing border, caption with minimize, (disabled) maximize and close
        Dialog,      // fixed dialog frame, caption with close only
        BorderOnly,  // sizing border, no caption (always drawn by the window)
    };
    // `systemFlags`: the window type and buttons for a window manager's frame.
    ClassicWindow(Frame frame, Qt::WindowFlags systemFlags);

    QWidget* client() const { return client_; }
    void setClientSize(QSize size, bool fixed);

    // Whether windows draw their own frames on this platform.
    static bool platformFramesNoWindows();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Button { None, Minimize, Maximize, Close };
    int border() const;
    int caption() const;
    QRect buttonRect(Button button) const;
    Button buttonAt(QPoint pos) const;
    bool offers(Button button) const;
    Qt::Edges edgesAt(QPoint pos) const;
    void paintCaption(class QPainter& p) const;

    const Frame frame_;
    const bool own_;
    const bool inPlace_;  // the board where it is the screen: not moved, resized or minimized
    QWidget* client_ = nullptr;
    Button pressed_ = Button::None;
    Qt::Edges dragging_;  // edges the window follows by itself
    bool moving_ = false;  // the window follows the pointer by itself
    QPoint dragStart_;
    QRect startGeometry_;
};

}  // namespace mud::ui
