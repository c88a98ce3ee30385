// What a screen reader is told: roles and names of the windows, what a list
// says about itself, and the announcements of a round, each at its moment.
#include <QAccessible>
#include <QGroupBox>

#include "gui_helpers.h"
#include "notifications.h"
#include "screen_reader.h"

using namespace mud;
using namespace mud::test;

namespace {

// The events a screen reader would receive, as Qt hands them over.
struct Heard {
    QAccessible::Event type;
    QString object, text;
    bool dialogOpen;  // some dialog was on screen at that moment
};
std::vector<Heard> heard;

void listen(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    QString text;
    if (event->type() == QAccessible::TextInserted)
        text = static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
    else if (iface)
        text = iface->text(QAccessible::Name);
    heard.push_back({event->type(), event->object() ? event->object()->objectName() : QString(), text, dialogOpen()});
}

// Where the window system raises announcements itself (Windows), they are
// what it carried; elsewhere Qt's alerts.
std::vector<Notification> notifications;
bool nativeNotifications = false;

QStringList alerts() {
    QStringList said;
    for (const Notification& n : notifications) said << n.text + (n.dialogOpen ? " (over a dialog)" : "");
    for (const Heard& h : heard)
        if (h.type == QAccessible::Alert) said << h.text + (h.dialogOpen ? " (over a dialog)" : "");
    return said;
}

// Forgets what was told so far.
void forget() {
    heard.clear();
    notifications.clear();
}

// The windows the notifications came from.
QStringList notifyingWindows() {
    QStringList windows;
    for (const Notification& n : notifications) windows << n.window;
    return windows;
}

QAccessibleInterface* iface(QObject* o) { return QAccessible::queryAccessibleInterface(o); }

// Value and name changes told of lists, and of the row of lives: the rules
// change them many at a time, and a screen reader drops what is said in
// such a flood.
int listValuesTold() {
    int n = 0;
    for (const Heard& h : heard)
        n += h.object.startsWith("cmb") && (h.type == QAccessible::ValueChanged || h.type == QAccessible::TextInserted ||
                                            h.type == QAccessible::NameChanged);
    return n;
}
int livesTold() {
    int n = 0;
    for (const Heard& h : heard) n += h.object == "zivoti" && h.type == QAccessible::NameChanged;
    return n;
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QAccessible::installUpdateHandler(listen);
        startScreenReader();
        nativeNotifications = recordNotifications(&notifications);
    }
    void init() { forget(); }
    void cleanup() { QTRY_COMPARE(openWindows(), 0); }

    void windowsAreAFrameAndFourNamedDialogs() {
        MainWindow m;
        QCOMPARE(iface(m.w.get())->role(), QAccessible::Window);
        QCOMPARE(iface(m.w.get())->text(QAccessible::Name), QStringLiteral("Dazazirezir uraruvivo"));
        struct Seen {
            QAccessible::Role role;
            QString name, said;
        };
        std::vector<Seen> seen;
        for (Dialog d : {Dialog::Info, Dialog::Objasni, Dialog::Zali, Dialog::Oglas}) {
            onNextModal([&seen](QWidget* dialog) {
                QAccessibleInterface* i = iface(dialog);
                seen.push_back({i->role(), i->text(QAccessible::Name), i->text(QAccessible::Description)});
                dialog->close();
            });
            QVERIFY(openAndWait(d, "34"));
        }
        QCOMPARE(seen.size(), size_t(4));
        for (const Seen& s : seen) QCOMPARE(s.role, QAccessible::Dialog);
        QCOMPARE(seen[0].name, QStringLiteral(" Informacija"));
        QCOMPARE(seen[1].name, QStringLiteral(" O Dadarariroru mozgalici"));
        QCOMPARE(seen[2].name, QStringLiteral(" Gotovo je, gotovo!"));
        QCOMPARE(seen[2].said, QStringLiteral("Nažalost..."));  // too short to be read as a paragraph
        QVERIFY(!seen[3].name.isEmpty());                       // though its title bar shows nothing
    }

    // House and attribute in its name, as where-am-I reads it (the frame
    // around it is not read as one more name); the value as text, the
    // placeholder as words, told anew at every change but one chosen in the
    // open list, which is read as the focus comes back.
    void aListTellsWhatItIsAndEveryChange() {
        MainWindow m;
        showActive(m);
        for (int h = 1; h <= 5; ++h) {
            QAccessibleInterface* i = iface(m.list("cmbPice", h));
            QCOMPARE(i->role(), QAccessible::ComboBox);
            QCOMPARE(i->text(QAccessible::Name), QStringLiteral("Kuća %1, Piće").arg(h));
            QCOMPARE(i->parent()->role(), QAccessible::Client);
            for (const auto& label : i->relations(QAccessible::Label)) QCOMPARE(label.first, i->parent());
        }
        QComboBox* list = m.list("cmbCiga", 2);
        QAccessibleInterface* i = iface(list);
        QCOMPARE(i->text(QAccessible::Value), ui::kNotChosen);
        QCOMPARE(list->currentText(), QStringLiteral("        ?"));
        list->setFocus();
        forget();
        QTest::keyClick(m->windowHandle(), Qt::Key_Down);
        QTest::keyClick(m->windowHandle(), Qt::Key_End);
        QTest::keyClick(m->windowHandle(), Qt::Key_Home);
        QTest::keyClick(m->windowHandle(), Qt::Key_D);
        QTest::keyClick(m->windowHandle(), Qt::Key_D);
        choose(list, 2);
        QStringList told;
        for (const Heard& h : heard)
            if (h.type == QAccessible::TextInserted && h.object == list->objectName()) told << h.text;
        QCOMPARE(told, (QStringList{"Zeta", "Srbija", ui::kNotChosen, "Drina", "Drava"}));
        QCOMPARE(i->text(QAccessible::Value), QStringLiteral("Morava"));
        QAccessibleTextInterface* text = i->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("Morava"));
        int start = -1, end = -1;
        text->selection(0, &start, &end);  // shown highlighted while focused
        QCOMPARE(start, 0);
        QCOMPARE(end, 6);
        const QModelIndex placeholder = list->model()->index(0, 0);
        QCOMPARE(placeholder.data(Qt::AccessibleTextRole).toString(), ui::kNotChosen);  // in the open list too
    }

    // A wrong check: the hint holds the cell as text and reads it as one
    // sentence; the count of lives is said once the hint has closed, and the
    // row of lives tells it.
    void aWrongCheckIsHeard() {
        MainWindow m;
        showActive(m);
        m.random.values = {11.5 / 15};  // cut-off 12: the untouched grid names "34"
        QString sentence, house, attribute;
        onNextModal([&](QWidget* dialog) {
            // Read before it is closed, as a player does: once the program has
            // taken the window system's activation.
            if (!QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }))
                qWarning("the hint was never activated");
            sentence = iface(dialog->findChild<QLabel*>("Label1"))->text(QAccessible::Name);
            house = iface(dialog->findChild<QLabel*>("lblKuca"))->text(QAccessible::Name);
            attribute = iface(dialog->findChild<QLabel*>("lblPit"))->text(QAccessible::Name);
            clickIzlaz(dialog);
        });
        QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
        QVERIFY(m.settled());
        QCOMPARE(sentence, QStringLiteral("Nađena je greška! Kuća broj: 3. Pitanje: Cigarete."));
        QCOMPARE(house, QStringLiteral("3"));
        QCOMPARE(attribute, QStringLiteral("Cigarete"));
        // Where screen readers read only a dialog's title and button as it
        // opens, the hint raises its sentence itself.
        QStringList said{"Preostalo života: 14"};
        if (!ui::dialogTextReadOnOpening()) said.prepend(sentence + " (over a dialog)");
        QCOMPARE(alerts(), said);
        if (nativeNotifications) QCOMPARE(notifyingWindows(), (QStringList{"frmInfo", "frmMud"}));
        QCOMPARE(iface(m.child("zivoti"))->text(QAccessible::Name), QStringLiteral("Preostalo života: 14"));
    }

    // One sentence, not the spaced-out letters the panel shows, said after
    // the lists have been locked (said before, it would drown in their
    // changes), with the lock; a new round says its lives; a check in a lost
    // round says why nothing happens.
    void theEndsOfARoundAreHeard() {
        MainWindow m;
        showActive(m);
        m.list("cmbBoja", 1)->setFocus();
        forget();
        QTest::mouseClick(m.child("Label25"), Qt::RightButton);
        QCOMPARE(listValuesTold(), 2);  // only the focused list: its new value, as value and as text
        forget();
        QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
        QCOMPARE(alerts(), QStringList{});
        QTRY_COMPARE(alerts(), QStringList{"Bravo! Rešili ste problem! Liste su zaključane."});
        QCOMPARE(heard.back().object, QStringLiteral("announcer"));  // the last thing told
        QCOMPARE(iface(m.child("Label42"))->text(QAccessible::Name), QStringLiteral("Bravo! Rešili ste problem!"));
        QCOMPARE(m.child<QLabel>("Label42")->text().size(), 51);
        forget();
        QTest::mouseClick(m.child("cmdNovo"), Qt::LeftButton);
        QTRY_COMPARE(alerts(), QStringList{"Nova igra. Preostalo života: 15"});
        QCOMPARE(iface(m.child("zivoti"))->text(QAccessible::Name), QStringLiteral("Preostalo života: 15"));
        QCOMPARE(listValuesTold() + livesTold(), 0);

        for (int life = 15; life >= 1; --life) {
            onNextModal([](QWidget* dialog) { clickIzlaz(dialog); });
            if (life == 1) onNextModal([](QWidget* dialog) { clickIzlaz(dialog); });  // then the game-over window
            QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
            QVERIFY(m.settled());
        }
        QCOMPARE(m->game().BrojZivota(), 0);
        QTRY_VERIFY(alerts().endsWith("Liste su zaključane."));
        forget();
        QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
        QTRY_COMPARE(alerts(), QStringList{"Igra je izgubljena. Liste su zaključane."});
        forget();
        QTest::mouseClick(m.child("cmdNovo"), Qt::LeftButton);
        QTRY_COMPARE(alerts(), QStringList{"Nova igra. Preostalo života: 15"});
        QCOMPARE(listValuesTold(), 0);
        QCOMPARE(livesTold(), 1);  // fifteen lives back, told once
    }

    // The clues one at a time in printed order, from wherever the focus is,
    // which stays there; and how to read them, in the board's description
    // until the board first loses the focus.
    void theCluesAreReadOneAtATime() {
        MainWindow m;
        showActive(m);
        QCOMPARE(m->accessibleDescription(), ui::ClueReader::help());
        QComboBox* list = m.list("cmbLjub", 3);
        list->setFocus();
        forget();
        for (int i = 0; i < 9; ++i) QTest::keyClick(m->windowHandle(), Qt::Key_F2);
        QTest::keyClick(m->windowHandle(), Qt::Key_F3);
        for (int i = 0; i < 10; ++i) QTest::keyClick(m->windowHandle(), Qt::Key_F2, Qt::ShiftModifier);
        const QStringList said = alerts();
        QCOMPARE(said.size(), 20);
        QCOMPARE(said[0], QStringLiteral("Podatak 1, Podunavac živi u crvenoj kući."));
        QCOMPARE(said[7], QStringLiteral("Podatak 8, Vlasnik treće kuće pije klekovaču."));
        QCOMPARE(said[8], QStringLiteral("Podatak 9, Šumadinac živi u prvoj kući."));
        QCOMPARE(said[9], said[8]);
        QCOMPARE(said[17], said[0]);
        QCOMPARE(said[18], QStringLiteral("Podatak 15, Mačvanin puši srbiju."));
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(list->currentIndex(), 0);
        QWidget other;  // as a dialog takes the focus
        other.show();
        QApplication::setActiveWindow(&other);
        QTRY_COMPARE(m->accessibleDescription(), QString());
    }

    // The heading "Podaci" and then the fifteen clues, one object each, in
    // the order of the columns.
    void theCluesReadInColumnOrder() {
        MainWindow m;
        QAccessibleInterface* window = iface(m.w.get());
        QStringList names;
        for (int i = 0; i < window->childCount(); ++i) names << window->child(i)->text(QAccessible::Name);
        const int first = int(names.indexOf("Podaci"));
        QVERIFY(first >= 0);
        for (int c = 0; c < kClues; ++c) QCOMPARE(names.value(first + 1 + c), QString::fromUtf8(kClueList[c].text));
    }
};

MUD_WIDGET_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
