// Fonts, colours and the small building blocks every window shares.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QString>

class QApplication;

namespace mud::ui {
class ClassicWindow;
}

namespace mud::ui {

const QColor kSilver(192, 192, 192);
const QColor kLightFace(224, 224, 224);  // buttons of the main window, dialog backgrounds
const QColor kNavy(0, 0, 128);
const QColor kAdvertBlue(62, 119, 190);

// The classic desktop colours (button face silver, window background white),
// Qt's classic 3-D style, the font everything falls back to, and the classic
// answers to keys, the wheel and a held touch.
void applyClassicLook(QApplication& app);

// Arial at a size in points, laid out at 96 dpi: 8.25 pt is 11 pixels.
QFont arial(double points, bool bold = false);

// Background colour of a widget (a window, a frame or a label).
void setBackground(QWidget* widget, const QColor& colour);
void setForeground(QWidget* widget, const QColor& colour);

struct Place {
    int left, top, width, height;  // twips
};

// A label that writes its text from the top-left, unwrapped unless asked,
// with a transparent background unless given one.
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, Place place, const QFont& font);
QPushButton* addButton(QWidget* parent, const char* name, const QString& text, Place place, const QFont& font);

// A value field: white box with a thin black border, text in the window-text
// colour at the top of the box. Give the label its font first.
void makeBoxedField(QLabel* label);

// A control array element's object name: "cmbBoja(3)".
QString arrayName(const char* name, int index);

// An engraved line across `place` (pixels): its upper row in `top`, its
// lower row in `bottom`.
void addEtchedLine(QWidget* parent, QRect place, const QColor& top, const QColor& bottom);

// The window type and buttons of a fixed dialog frame: a title and a close box only.
constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// A fixed dialog with its title and client size, centred on the screen.
// A window's frame is centred, once the window system has put it in one.
void makeFixedDialog(ClassicWindow* window, const QString& title, int clientWidthTwips, int clientHeightTwips);
void centreOnScreen(QWidget* window);

}  // namespace mud::ui
