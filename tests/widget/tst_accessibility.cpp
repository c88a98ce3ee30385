// What a screen reader is told: roles and names of the windows, what a list
// says about itself, and the announcements of a round, each at its moment.
#include <QAccessible>
#include <QGroupBox>

#include "gui_helpers.h"

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
    bool dialogOpen = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        dialogOpen |= w->isVisible() && w->objectName().startsWith("frm") && w->objectName() != "frmMud";
    heard.push_back({event->type(), event->object() ? event->object()->objectName() : QString(), text, dialogOpen});
}

QStringList alerts() {
    QStringList said;
    for (const Heard& h : heard)
        if (h.type == QAccessible::Alert) said << h.text + (h.dialogOpen ? " (over a dialog)" : "");
    return said;
}

QAccessibleInterface* iface(QObject* o) { return QAccessible::queryAccessibleInterface(o); }

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QAccessible::installUpdateHandler(listen);
        QAccessible::setActive(true);  // as when a screen reader is running
    }
    void init() { heard.clear(); }
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
            app::openDialog(d, "34");
        }
        QCOMPARE(seen.size(), size_t(4));
        for (const Seen& s : seen) QCOMPARE(s.role, QAccessible::Dialog);
        QCOMPARE(seen[0].name, QStringLiteral(" Informacija"));
        QCOMPARE(seen[1].name, QStringLiteral(" O Dadarariroru mozgalici"));
        QCOMPARE(seen[2].name, QStringLiteral(" Gotovo je, gotovo!"));
        QCOMPARE(seen[2].said, QStringLiteral("Nažalost..."));  // too short to be read as a paragraph
        QVERIFY(!seen[3].name.isEmpty());                       // though its title bar shows nothing
    }

    // House and attribute from its frame, label and name; the value as text,
    // told anew at every change, whatever made it.
    void aListTellsWhatItIsAndEveryChange() {
        MainWindow m;
        showActive(m);
        for (int h = 1; h <= 5; ++h) {
            QComboBox* list = m.list("cmbPice", h);
            QAccessibleInterface* i = iface(list);
            QCOMPARE(i->role(), QAccessible::ComboBox);
            QCOMPARE(i->text(QAccessible::Name), QStringLiteral("Kuća %1, Piće").arg(h));
            QCOMPARE(i->parent()->text(QAccessible::Name), QStringLiteral("Kuća %1").arg(h));
            QStringList labels;
            for (const auto& relation : i->relations(QAccessible::Label)) labels << relation.first->text(QAccessible::Name);
            QVERIFY2(labels.contains("Piće"), qPrintable(labels.join(',')));
        }
        QComboBox* list = m.list("cmbCiga", 2);
        QAccessibleInterface* i = iface(list);
        list->setFocus();
        heard.clear();
        QTest::keyClick(m->windowHandle(), Qt::Key_Down);
        QTest::keyClick(m->windowHandle(), Qt::Key_End);
        QTest::keyClick(m->windowHandle(), Qt::Key_Home);
        QTest::keyClick(m->windowHandle(), Qt::Key_D);
        QTest::keyClick(m->windowHandle(), Qt::Key_D);
        choose(list, 2);
        QStringList told;
        for (const Heard& h : heard)
            if (h.type == QAccessible::TextInserted && h.object == list->objectName()) told << h.text;
        QCOMPARE(told, (QStringList{"Zeta", "Srbija", "        ?", "Drina", "Drava", "Morava"}));
        QCOMPARE(i->text(QAccessible::Value), QStringLiteral("Morava"));
        QAccessibleTextInterface* text = i->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("Morava"));
        int start = -1, end = -1;
        text->selection(0, &start, &end);  // shown highlighted while focused
        QCOMPARE(start, 0);
        QCOMPARE(end, 6);
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
            sentence = iface(dialog->findChild<QLabel*>("Label1"))->text(QAccessible::Name);
            house = iface(dialog->findChild<QLabel*>("lblKuca"))->text(QAccessible::Name);
            attribute = iface(dialog->findChild<QLabel*>("lblPit"))->text(QAccessible::Name);
            clickIzlaz(dialog);
        });
        QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
        QCOMPARE(sentence, QStringLiteral("Nađena je greška! Kuća broj: 3. Pitanje: Cigarete."));
        QCOMPARE(house, QStringLiteral("3"));
        QCOMPARE(attribute, QStringLiteral("Cigarete"));
        QCOMPARE(alerts(), QStringList{"Preostalo života: 14"});
        QCOMPARE(iface(m.child("zivoti"))->text(QAccessible::Name), QStringLiteral("Preostalo života: 14"));
    }

    // One sentence, not the spaced-out letters the panel shows.
    void aRightCheckIsHeard() {
        MainWindow m;
        showActive(m);
        QTest::mouseClick(m.child("Label25"), Qt::RightButton);
        heard.clear();
        QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
        QCOMPARE(alerts(), QStringList{"Bravo! Rešili ste problem!"});
        QCOMPARE(iface(m.child("Label42"))->text(QAccessible::Name), QStringLiteral("Bravo! Rešili ste problem!"));
        QCOMPARE(m.child<QLabel>("Label42")->text().size(), 51);
        QTest::mouseClick(m.child("cmdNovo"), Qt::LeftButton);
        QCOMPARE(alerts(), QStringList{"Bravo! Rešili ste problem!"});  // a new round says nothing
        QCOMPARE(iface(m.child("zivoti"))->text(QAccessible::Name), QStringLiteral("Preostalo života: 15"));
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
