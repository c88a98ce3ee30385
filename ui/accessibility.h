// What a screen reader learns from the game's windows. Everything is added
// through Qt's accessibility interfaces: nothing here changes what is drawn.
#pragma once

#include <QString>
#include <QWidget>

namespace mud::ui {

// The main window reads as a frame and the four others as dialogs; a list
// tells its house and attribute, and its value as text.
void installAccessibility();

// Tells a screen reader a short sentence, as a notification of the window
// that holds it. It takes no room and draws nothing.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* window);

    void say(const QString& sentence);
    const QString& sentence() const { return sentence_; }

private:
    QString sentence_;
};

}  // namespace mud::ui
