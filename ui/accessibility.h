// What a screen reader learns from the game's windows. Everything is added
// through Qt's accessibility interfaces: nothing here changes what is drawn.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace mud::ui {

// The main window reads as a frame and the four others as dialogs; a list
// tells its house and attribute, and its value as text. The game speaks
// Serbian in Latin script, and says so.
void installAccessibility();

// Runs `change`, which sets the value of `control`, without telling screen
// readers of it unless the control has the focus: for the rules' changes to
// the lists (a new round, the reveal). Told, such changes come 25 at a time,
// and a screen reader drops what is said in their flood; a list's value is
// read when it is reached.
void changeUntold(QWidget* control, const std::function<void()>& change);

// What a list says while it shows the placeholder: a lone question mark is
// not read out.
extern const QString kNotChosen;

// Tells a screen reader a short sentence, as a notification of the window
// that holds it. It takes no room and draws nothing.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* window);

    void say(const QString& sentence);
    // Says the sentence once the handler that is running has finished, after
    // everything it changed (a screen reader drops what comes in a flood of
    // changes); sentences asked for meanwhile are said together, each once.
    void sayAfterwards(const QString& sentence);
    const QString& sentence() const { return sentence_; }

private:
    QString sentence_;
    QStringList pending_;
};

// The fifteen clues read aloud one at a time in printed order, with their
// number, from anywhere on the board: F2 the next, Shift+F2 the previous,
// F3 the last one again. Nothing moves and nothing is shown.
class ClueReader : public QObject {
public:
    ClueReader(QWidget* board, Announcer* announcer);

    static QString help();             // how to read them, in one sentence
    static QString sentence(int clue);  // clue 1..15 as it is said

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void read(int clue);

    Announcer* announcer_;
    int last_ = 0;  // the clue said last; 0 before the first
};

}  // namespace mud::ui
