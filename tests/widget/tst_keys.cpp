// Keys and the wheel as on the classic desktop: Enter and Space press the
// focused button of every window, Escape closes nothing, a held key presses
// once, and the wheel moves only the list that has the focus.
#include "gui_helpers.h"

using namespace mud;
using namespace mud::test;

namespace {

struct Key {
    int code;
    Qt::KeyboardModifiers modifiers;
    QString text;
};
const Key kReturn{Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")};
const Key kEnter{Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r")};
const Key kSpace{Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")};

// A key held down: a press, the window system's marked repeats, a release,
// each delivered on its own turn of the event loop to the window that has
// the focus at that moment, as the player's keyboard does. What a key opens
// runs modally, so each is delivered from a timer of its own.
class HeldKey : public QObject {
public:
    HeldKey(const Key& key, int repeats, std::function<void()> whenLetGo)
        : key_(key), steps_(2 * repeats + 2), whenLetGo_(std::move(whenLetGo)) {
        startTimer(1);
    }
    bool letGo() const { return letGo_; }

protected:
    void timerEvent(QTimerEvent* event) override {
        const bool press = sent_ % 2 == 0, repeat = sent_ > 0 && sent_ < steps_ - 1;
        QTimer::singleShot(0, this, [this, press, repeat] {
            qt_handleKeyEvent(QGuiApplication::focusWindow(), press ? QEvent::KeyPress : QEvent::KeyRelease,
                              key_.code, key_.modifiers, key_.text, repeat);
        });
        if (++sent_ < steps_) return;
        killTimer(event->timerId());
        QTimer::singleShot(20, this, [this] {
            letGo_ = true;
            whenLetGo_();
        });
    }

private:
    Key key_;
    int steps_, sent_ = 0;
    bool letGo_ = false;
    std::function<void()> whenLetGo_;
};

QString openDialogName() {
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->isVisible() ? modal->objectName() : QString();
}

}  // namespace

Q_DECLARE_METATYPE(Key)
Q_DECLARE_METATYPE(Dialog)

class TestKeys : public QObject {
    Q_OBJECT
private slots:
    void init() { QCOMPARE(openWindows(), 0); }
    void cleanup() { QTRY_COMPARE(openWindows(), 0); }

    void enterAndSpacePressTheFocusedButton_data() {
        QTest::addColumn<Key>("key");
        QTest::newRow("Return") << kReturn;
        QTest::newRow("keypad Enter") << kEnter;
        QTest::newRow("Space") << kSpace;
    }
    void enterAndSpacePressTheFocusedButton() {
        QFETCH(Key, key);
        MainWindow m;
        showActive(m);
        QTest::keyClick(m->windowHandle(), Qt::Key_Escape);
        QVERIFY(m->isVisible());

        // Enter on a closed list presses no button and leaves the list as it is.
        QComboBox* list = m.list("cmbPice", 2);
        list->setFocus();
        QTest::keyClick(m->windowHandle(), Qt::Key(key.code), key.modifiers);
        QVERIFY(m.opened.empty());
        QCOMPARE(list->currentIndex(), 0);

        m.child("cmdProveri")->setFocus();
        QString hint;
        onNextModal([&hint](QWidget* dialog) {
            hint = dialog->objectName();
            dialog->close();
        });
        QTest::keyClick(m->windowHandle(), Qt::Key(key.code), key.modifiers);
        QVERIFY(m.settled());
        QCOMPARE(hint, QStringLiteral("frmInfo"));

        for (Dialog d : {Dialog::Info, Dialog::Zali, Dialog::Objasni, Dialog::Oglas}) {
            bool escapeClosed = true, keyClosed = false;
            onNextModal([&](QWidget* dialog) {
                QPointer<QWidget> open(dialog);
                QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
                escapeClosed = !open || !open->isVisible();
                QTest::keyClick(dialog->windowHandle(), Qt::Key(key.code), key.modifiers);
                keyClosed = !open || !open->isVisible();
                if (open && open->isVisible()) open->close();
            });
            QVERIFY(openAndWait(d, "11"));
            QVERIFY2(!escapeClosed, qPrintable(QString::number(int(d))));
            QVERIFY2(keyClosed, qPrintable(QString::number(int(d))));
        }
    }

    // Held on "Provera" or on the hint's "Izlaz": one check, one life, and
    // the hint of that check stays open until the key is let go.
    void aHeldKeyPressesOnce_data() {
        QTest::addColumn<Key>("key");
        QTest::addColumn<bool>("onIzlaz");
        for (bool onIzlaz : {false, true}) {
            const char* where = onIzlaz ? "Izlaz" : "Provera";
            QTest::addRow("Space on %s", where) << kSpace << onIzlaz;
            QTest::addRow("Return on %s", where) << kReturn << onIzlaz;
            QTest::addRow("keypad Enter on %s", where) << kEnter << onIzlaz;
        }
    }
    void aHeldKeyPressesOnce() {
        QFETCH(Key, key);
        QFETCH(bool, onIzlaz);
        MainWindow m;
        showActive(m);
        m.child("cmdProveri")->setFocus();
        QString openWhenLetGo;
        auto letGo = [&openWhenLetGo] {
            openWhenLetGo = openDialogName();
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        };
        std::unique_ptr<HeldKey> hold;
        if (onIzlaz) {
            onNextModal([&](QWidget*) { hold = std::make_unique<HeldKey>(key, 30, letGo); });
            QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
        } else {
            hold = std::make_unique<HeldKey>(key, 30, letGo);
        }
        QTRY_VERIFY(hold && hold->letGo());
        QVERIFY(m.settled());
        QCOMPARE(m.opened, std::vector<Dialog>{Dialog::Info});
        QCOMPARE(m.livesVisible(), 14);
        QCOMPARE(openWhenLetGo, onIzlaz ? QString() : QStringLiteral("frmInfo"));
    }

    void theWheelMovesOnlyTheFocusedList() {
        MainWindow m;
        showActive(m);
        QWidget* provera = m.child("cmdProveri");
        provera->setFocus();
        QComboBox* colour = m.list("cmbBoja", 4);
        auto wheel = [&](int notches) { turnWheel(colour, notches); };
        wheel(1);
        wheel(1);
        QCOMPARE(colour->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), provera);
        QCOMPARE(m.houses(), QStringLiteral("GGGGG"));

        colour->setFocus();
        wheel(1);
        QCOMPARE(colour->currentText(), QStringLiteral("Crvena"));
        wheel(1);
        QCOMPARE(colour->currentText(), QStringLiteral("Zelena"));
        QCOMPARE(m.houses(), QStringLiteral("GGGPG"));  // a choice like any other
        wheel(-1);
        QCOMPARE(colour->currentText(), QStringLiteral("Crvena"));
        QCOMPARE(m.houses(), QStringLiteral("GGGGG"));
    }
};

MUD_WIDGET_TEST_MAIN(TestKeys)
#include "tst_keys.moc"
