// A seeded random player: clicks, keys, the wheel and the lists' popups on
// the real windows, through Qt's window-system layer (so modality, popups
// and focus behave as for a player), bursts of input queued while a dialog
// closes included. After every gesture it checks what the rules guarantee.
//   MUD_MONKEY_SEED=7 MUD_MONKEY_EVENTS=100000 QT_QPA_PLATFORM=offscreen build/tests/widget/tst_monkey
// A failure names the seed and the gesture's number, which replay it.
#include <chrono>
#include <random>

#include "gui_helpers.h"

using namespace mud;
using namespace mud::test;

namespace {

const char* const kLists[kAttributes + 1] = {nullptr, "cmbBoja", "cmbPore", "cmbPice", "cmbCiga", "cmbLjub"};
const char* const kButtons[] = {"cmdProveri", "cmdNovo", "cmdObjasni", "cmdReklama"};

// What the board shows: the lists, the pictures and the panel.
struct Board {
    std::vector<int> items, enabled, pictures;
    bool operator==(const Board& o) const { return items == o.items && enabled == o.enabled && pictures == o.pictures; }
};

class Monkey : public QObject {
public:
    Monkey(unsigned seed, long gestures) : seed_(seed), gestures_(gestures), random_(seed) {
        clock_.random = &random_;
        window_ = std::make_unique<ui::frmMud>(clock_, [this](Dialog d, const std::string& tag, std::function<void()> closed) {
            open(d, tag, std::move(closed));
        });
        for (QComboBox* l : window_->findChildren<QComboBox*>())
            connect(l, &QComboBox::activated, this, [this] { ++choices_; });
        window_->show();
        QApplication::setActiveWindow(window_.get());
        startTimer(0);
    }

    bool finished() const { return finished_; }
    const QString& failure() const { return failure_; }
    long played() const { return played_; }
    QString seen() const {
        return QStringLiteral("hints %1, rounds lost %2, explanations %3, adverts %4, gestures on a solved board %5, choices in lists %6")
            .arg(opened_[int(Dialog::Info)]).arg(opened_[int(Dialog::Zali)]).arg(opened_[int(Dialog::Objasni)])
            .arg(opened_[int(Dialog::Oglas)]).arg(solvedSeen_).arg(choices_);
    }

protected:
    // A gesture may open a dialog and wait in it: each runs from a timer of
    // its own, so that the next ones come while it waits, as a player's do.
    void timerEvent(QTimerEvent*) override {
        if (finished_ || pending_) return;
        pending_ = true;
        QTimer::singleShot(0, this, [this] { step(); });
    }

private:
    void step() {
        pending_ = false;
        if (finished_) return;
        if (played_ >= gestures_ || !failure_.isEmpty()) {
            if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
            else if (waiting_ == 0) finished_ = true;
            return;
        }
        ++played_;
        gesture();
        check();
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int percent) { return pick(100) < percent; }

    QWidget* child(const char* name) const { return window_->findChild<QWidget*>(QLatin1String(name)); }
    QComboBox* list(int a, int h) const { return window_->findChild<QComboBox*>(ui::arrayName(kLists[a], h)); }
    QComboBox* anyList() { return list(1 + pick(kAttributes), 1 + pick(kHouses)); }

    void gesture() {
        QWidget* dialog = QApplication::activeModalWidget();
        // The window manager's part: the focus goes back to the window on top.
        if (!QGuiApplication::focusWindow()) QApplication::setActiveWindow(dialog ? dialog : window_.get());
        QComboBox* open = openPopup();
        const int roll = pick(100);
        if (dialog && roll < 30) return closeDialog(dialog, chance(30));
        if (open && roll < 60) return clickItem(open);
        if (roll < 55) return key();
        if (roll < 70) return QTest::mouseClick(anyList(), Qt::LeftButton);  // opens its popup
        if (roll < 82) return clickButton();
        if (roll < 90) return wheel();
        if (roll < 92) return QTest::mouseClick(child("Label25"), Qt::MouseButton(1 << pick(3)));
        const QPoint at(pick(window_->width()), pick(window_->height()));
        QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, at);
    }

    // By "Izlaz" or the close box; in a burst, more input follows at once,
    // before the wait has ended.
    void closeDialog(QWidget* dialog, bool burst) {
        if (chance(70)) QTest::mouseClick(dialog->findChild<QPushButton*>("cmdIzlaz"), Qt::LeftButton);
        else dialog->close();
        for (int n = burst ? 1 + pick(4) : 0; n > 0; --n) chance(50) ? clickButton() : key();
    }

    void clickButton() {
        const char* name = kButtons[chance(70) ? 0 : pick(4)];
        QTest::mouseClick(child(name), Qt::LeftButton);
    }

    void clickItem(QComboBox* open) {
        QAbstractItemView* view = open->view();
        const QRect item = view->visualRect(view->model()->index(pick(kItems), 0));
        QTest::mouseMove(view->viewport(), item.center());  // the pointer comes to the item first
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    }

    void key() {
        static const int keys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Down, Qt::Key_Up, Qt::Key_Home,
                                   Qt::Key_End, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape,
                                   Qt::Key_F4};
        static const QString letters = QStringLiteral("abcdklmprsztčćšžđŠŽČ ?");
        QWindow* focus = QGuiApplication::focusWindow();
        if (!focus) return;
        if (chance(30)) {
            const QString text(letters.at(pick(int(letters.size()))));
            qt_handleKeyEvent(focus, QEvent::KeyPress, Qt::Key_unknown, {}, text);
            if (QGuiApplication::focusWindow() == focus) qt_handleKeyEvent(focus, QEvent::KeyRelease, Qt::Key_unknown, {}, text);
            return;
        }
        const int k = keys[pick(int(std::size(keys)))];
        QTest::keyClick(focus, Qt::Key(k), k == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }

    // The wheel reaches a window only when no dialog blocks it.
    void wheel() {
        if (QGuiApplication::modalWindow()) return;
        turnWheel(anyList(), chance(50) ? 1 : -1);
    }

    QComboBox* openPopup() const {
        for (int a = 1; a <= kAttributes; ++a)
            for (int h = 1; h <= kHouses; ++h)
                if (list(a, h)->view()->isVisible()) return list(a, h);
        return nullptr;
    }

    // The dialog opener: no dialog opens while a handler waits in another,
    // and the board takes no input while a dialog is open.
    void open(Dialog d, const std::string& tag, std::function<void()> closed) {
        if (waiting_ > 0) fail("a handler ran while another waited for its dialog");
        ++waiting_;
        ++opened_[int(d)];
        frozen_ = board();
        app::openDialog(d, tag, [this, closed = std::move(closed)] {
            --waiting_;
            closed();
        });
    }

    Board board() const {
        Board b;
        for (int a = 1; a <= kAttributes; ++a)
            for (int h = 1; h <= kHouses; ++h) {
                b.items.push_back(list(a, h)->currentIndex());
                b.enabled.push_back(list(a, h)->isEnabled());
            }
        for (int h = 1; h <= kHouses; ++h) b.pictures.push_back(shown("imgKuT", h) + 2 * shown("ImgKuB", h));
        for (int i = 1; i <= kLives; ++i) b.pictures.push_back(shown("imgZivot", i));
        b.pictures.push_back(!child("fraOK")->isHidden());
        return b;
    }

    bool shown(const char* name, int i) const { return !window_->findChild<QWidget*>(ui::arrayName(name, i))->isHidden(); }

    void check() {
        if (!failure_.isEmpty()) return;
        const Game& game = window_->game();
        const int lives = game.BrojZivota();
        bool solutionShown = true;
        for (int h = 1; h <= kHouses; ++h) {
            const bool grey = shown("imgKuT", h), painted = shown("ImgKuB", h);
            if (grey == painted) return fail(QStringLiteral("house %1 shows %2 pictures").arg(h).arg(grey + painted));
            if (painted != (list(Boja, h)->currentIndex() == solutionItem(h, Boja)))
                return fail(QStringLiteral("house %1 is %2 on %3").arg(h).arg(painted ? "painted" : "grey",
                                                                                   list(Boja, h)->currentText()));
            for (int a = 1; a <= kAttributes; ++a) {
                const int item = list(a, h)->currentIndex();
                if (item < 0 || item >= kItems || list(a, h)->currentText() != QString::fromUtf8(listItem(a, item)))
                    return fail(list(a, h)->objectName() + " shows " + list(a, h)->currentText());
                solutionShown &= item == solutionItem(h, a);
            }
        }
        if (lives < 0 || lives > kLives) return fail(QStringLiteral("%1 lives").arg(lives));
        for (int i = 1; i <= kLives; ++i)
            if (shown("imgZivot", i) != (i <= lives)) return fail(QStringLiteral("life %1 with %2 lives").arg(i).arg(lives));
        if (waiting_ > 0 && !(board() == frozen_)) return fail("the board changed while a dialog was open");
        if (game.busy()) return;  // a handler is under way: the round changes state within it
        int enabled = 0;
        for (int a = 1; a <= kAttributes; ++a)
            for (int h = 1; h <= kHouses; ++h) enabled += list(a, h)->isEnabled();
        const bool panel = !child("fraOK")->isHidden();
        if (enabled != 0 && enabled != kHouses * kAttributes) return fail(QStringLiteral("%1 lists enabled").arg(enabled));
        if ((enabled == 0) != (panel || lives == 0))
            return fail(QStringLiteral("lists %1 with %2 lives, panel %3").arg(enabled ? "open" : "locked").arg(lives).arg(panel));
        if (panel && (!solutionShown || lives == 0)) return fail("the success panel on an unsolved round");
        solvedSeen_ += panel;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName().startsWith("frm") && w != window_.get())
                return fail(w->objectName() + " is still open after its handler has finished");
    }

    void fail(const QString& what) {
        if (failure_.isEmpty())
            failure_ = QStringLiteral("seed %1, gesture %2: %3").arg(seed_).arg(played_).arg(what);
    }

    unsigned seed_;
    long gestures_, played_ = 0;
    std::mt19937 random_;
    // The check's cut-offs come from the same seed.
    struct SeededCutOffs : RandomSource {
        std::mt19937* random;
        void seedFromClock() override {}
        double next() override { return std::uniform_real_distribution<double>(0, 1)(*random); }
    } clock_;
    std::unique_ptr<ui::frmMud> window_;
    int waiting_ = 0;
    int opened_[4] = {};
    long solvedSeen_ = 0, choices_ = 0;
    Board frozen_;
    bool pending_ = false, finished_ = false;
    QString failure_;
};

long fromEnvironment(const char* name, long fallback) {
    bool ok = false;
    const long value = qEnvironmentVariable(name).toLong(&ok);
    return ok ? value : fallback;
}

}  // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void playsByTheRules() {
        const auto seed = unsigned(fromEnvironment("MUD_MONKEY_SEED", 20261208));
        const long gestures = fromEnvironment("MUD_MONKEY_EVENTS", 3000);
        qInfo("seed %u, %ld gestures", seed, gestures);
        const auto start = std::chrono::steady_clock::now();
        Monkey monkey(seed, gestures);
        QVERIFY(QTest::qWaitForWindowActive(QApplication::activeWindow()));
        QTRY_VERIFY_WITH_TIMEOUT(monkey.finished(), int(60000 + gestures * 10));
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        qInfo("%ld gestures in %.1f s: %.0f per second", monkey.played(), seconds, monkey.played() / seconds);
        qInfo("%s", qPrintable(monkey.seen()));
        QVERIFY2(monkey.failure().isEmpty(), qPrintable(monkey.failure()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->objectName().startsWith("frm") || w->objectName() == "frmMud",
                     qPrintable(w->objectName() + " was never destroyed"));
    }
};

// Offscreen warns at every popup it cannot raise: no cap on warnings, so that
// the figures at the end are printed however long the run.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::applyClassicLook(app);
    ui::installAccessibility();
    QStringList args = QCoreApplication::arguments();
    args << QStringLiteral("-maxwarnings") << QStringLiteral("0");
    TestMonkey test;
    return QTest::qExec(&test, args);
}
#include "tst_monkey.moc"
