// The explanation and advert windows: texts, blanks, colours, and that they
// leave the round alone.
#include "gui_helpers.h"

using namespace mud;
using namespace mud::test;

namespace {

// x of the leftmost pixel unlike the background in rows [top, top + height).
int firstInk(const QImage& img, int top, int height) {
    const QRgb bg = img.pixel(img.width() - 1, 0);
    for (int x = 0; x < img.width(); ++x)
        for (int y = top; y < top + height && y < img.height(); ++y)
            if (img.pixel(x, y) != bg) return x;
    return -1;
}

// Opens a dialog, hands it to `look`, closes it by "Izlaz".
void inspect(Dialog d, const std::function<void(QWidget*)>& look) {
    onNextModal([look](QWidget* dialog) {
        look(dialog);
        clickIzlaz(dialog);
    });
    QVERIFY(openAndWait(d, ""));
}

}  // namespace

class TestSideWindows : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QTRY_COMPARE(openWindows(), 0); }

    // Each paragraph starts with three blanks: its first line begins further
    // right than its second, and the whole text fits its label.
    void explanationKeepsIndentsAndFits() {
        QString title;
        QList<int> firstLine, secondLine;
        QList<bool> fits;
        inspect(Dialog::Objasni, [&](QWidget* dialog) {
            title = dialog->windowTitle();
            for (const char* name : {"Label1", "Label2", "Label3"}) {
                auto* label = dialog->findChild<QLabel*>(name);
                const QImage img = label->grab().toImage();
                const int line = QFontMetrics(label->font()).lineSpacing();
                firstLine << firstInk(img, 0, line);
                secondLine << firstInk(img, line, line);
                const QRect need = QFontMetrics(label->font())
                                       .boundingRect(QRect(0, 0, label->width(), 10000),
                                                     Qt::TextWordWrap | Qt::AlignLeft, label->text());
                fits << (need.height() <= label->height() && label->text().startsWith("   ") &&
                         !label->text().startsWith("    "));
            }
            for (const char* name : {"Label4", "Label5", "Label6"}) {
                auto* label = dialog->findChild<QLabel*>(name);
                fits << (QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
            }
        });
        QCOMPARE(title, QStringLiteral(" O Dadarariroru mozgalici"));
        for (int i = 0; i < 3; ++i) {
            QVERIFY(firstLine[i] >= 0 && secondLine[i] >= 0);
            QVERIFY2(firstLine[i] > secondLine[i] + 5, qPrintable(QString::number(i)));
        }
        for (int i = 0; i < fits.size(); ++i) QVERIFY2(fits[i], qPrintable(QString::number(i)));
    }

    void advertIsBlueFromTheFirstPaint() {
        // The window's colour at the moment it is painted for the first time.
        struct FirstPaint : QObject {
            QColor colour;
            bool filled = false;
            bool eventFilter(QObject* o, QEvent* e) override {
                if (e->type() == QEvent::Paint && o->objectName() == "client" && !colour.isValid()) {
                    auto* w = static_cast<QWidget*>(o);
                    colour = w->palette().color(w->backgroundRole());
                    filled = w->autoFillBackground();
                }
                return false;
            }
        } firstPaint;
        qApp->installEventFilter(&firstPaint);
        QRgb firstPixel = 0;
        bool labelsMatch = false, demoTransparent = false, noTitle = false, keepsBlanks = false;
        QRect image;
        inspect(Dialog::Oglas, [&](QWidget* dialog) {
            QWidget* client = dialog->findChild<QWidget*>("client");
            const QImage img = client->grab().toImage();
            firstPixel = img.pixel(img.width() / 2, img.height() - 2);
            const QColor window = client->palette().color(client->backgroundRole());
            labelsMatch = window == QColor(62, 119, 190);
            for (const char* name : {"Label2", "Label3", "Label4"}) {
                auto* label = dialog->findChild<QLabel*>(name);
                labelsMatch &= label->autoFillBackground() &&
                               label->palette().color(label->backgroundRole()) == window;
            }
            demoTransparent = !dialog->findChild<QLabel*>("Label5")->autoFillBackground();
            // No title anywhere, but a name for screen readers.
            noTitle = !(dialog->windowFlags() & Qt::WindowTitleHint) && dialog->windowTitle().isEmpty() &&
                      dialog->windowHandle()->title().isEmpty() && dialog->minimumSize() != dialog->maximumSize() &&
                      dialog->accessibleName() == QStringLiteral("Reklama za program RADUDEVADE");
            const QString a2 = labelText(dialog, "Label2"), a3 = labelText(dialog, "Label3");
            keepsBlanks = a2.contains("i  mogućnost") && a2.contains("garantovanog.    Sistemi") &&
                          a2.contains("39,  6 od") && a3.size() == 95 && a3.endsWith(". ") &&
                          labelText(dialog, "Label1") == "  AKO IGRATE LOTO, NE IGRAJTE BEZ RAČUNARA!  ";
            image = dialog->findChild<QWidget*>("Image1")->geometry();
        });
        qApp->removeEventFilter(&firstPaint);
        QCOMPARE(firstPaint.colour, QColor(62, 119, 190));
        QVERIFY(firstPaint.filled);
        QCOMPARE(QColor(firstPixel), QColor(62, 119, 190));
        QVERIFY(labelsMatch);
        QVERIFY(demoTransparent);
        QVERIFY(noTitle);
        QVERIFY(keepsBlanks);
        QCOMPARE(image.size(), QSize(182, 66));
    }

    // The picture's ground averages close to the window's blue.
    void lotteryPictureMatchesTheWindow() {
        const QImage img(QStringLiteral(":/pictures/lottery_balls.png"));
        QCOMPARE(img.size(), QSize(182, 66));
        QVERIFY(!img.hasAlphaChannel());
        double r = 0, g = 0, b = 0;
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x : {0, 1, 2, 179, 180, 181}) {
                const QRgb c = img.pixel(x, y);
                r += qRed(c), g += qGreen(c), b += qBlue(c), ++n;
            }
        QVERIFY(qAbs(r / n - 62) <= 2 && qAbs(g / n - 119) <= 2 && qAbs(b / n - 190) <= 2);
    }

    // Dragging the sizing border's corner grows the window and its blue
    // client area; everything inside stays where it was.
    void draggingTheAdvertsBorderMovesNothing() {
        QMap<QString, QRect> before, after;
        QSize clientBefore, clientAfter, windowGrowth;
        QRgb grown = 0;
        inspect(Dialog::Oglas, [&](QWidget* dialog) {
            QWidget* client = dialog->findChild<QWidget*>("client");
            clientBefore = client->size();
            for (QWidget* c : client->findChildren<QWidget*>()) before[c->objectName()] = c->geometry();
            const QSize start = dialog->size();
            auto mouse = [dialog](QEvent::Type type, QPoint at) {
                QMouseEvent e(type, at, dialog->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(dialog, &e);
            };
            const QPoint corner(dialog->width() - 2, dialog->height() - 2);
            mouse(QEvent::MouseButtonPress, corner);
            mouse(QEvent::MouseMove, corner + QPoint(60, 40));
            mouse(QEvent::MouseMove, corner + QPoint(120, 80));
            mouse(QEvent::MouseButtonRelease, corner + QPoint(120, 80));
            QCoreApplication::processEvents();
            windowGrowth = dialog->size() - start;
            clientAfter = client->size();
            grown = client->grab().toImage().pixel(client->width() - 3, client->height() - 3);
            for (QWidget* c : client->findChildren<QWidget*>()) after[c->objectName()] = c->geometry();
        });
        QCOMPARE(clientBefore, QSize(421, 303));
        QCOMPARE(windowGrowth, QSize(120, 80));
        QCOMPARE(clientAfter, QSize(541, 383));
        QCOMPARE(QColor(grown), QColor(62, 119, 190));
        QCOMPARE(after, before);
        QCOMPARE(before.value("Label1").width(), 425);  // the banner runs past the right edge
    }

    void sideWindowsLeaveTheRoundAsItWas() {
        MainWindow m;
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        choose(m.list("cmbBoja", 1), 4);
        choose(m.list("cmbCiga", 2), 3);
        onNextModal([](QWidget* d) { clickIzlaz(d); });
        QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
        QVERIFY(m.settled());
        const QString houses = m.houses();
        const int lives = m.livesVisible();
        for (int i = 0; i < 3; ++i) {
            for (const char* button : {"cmdObjasni", "cmdReklama"}) {
                onNextModal([](QWidget* d) { clickIzlaz(d); });
                QTest::mouseClick(m.child(button), Qt::LeftButton);
                QVERIFY(m.settled());
            }
        }
        QCOMPARE(m.opened.size(), size_t(7));
        QCOMPARE(m.houses(), houses);
        QCOMPARE(m.livesVisible(), lives);
        QCOMPARE(m.list("cmbBoja", 1)->currentText(), QStringLiteral("Žuta"));
        QCOMPARE(m.list("cmbCiga", 2)->currentText(), QStringLiteral("Drina"));
        QCOMPARE(int(m->game().BrojZivota()), 14);
    }

    // Where no window manager frames windows the classic way (Wayland), the
    // windows draw their own: the board a sizing border and a caption whose
    // maximize box does nothing, the dialogs a dialog frame with a close box
    // only; the client areas keep their sizes.
    void ownFramesWhereTheDesktopDrawsNone() {
        qputenv("MUD_OWN_FRAMES", "1");
        MainWindow m;
        qunsetenv("MUD_OWN_FRAMES");
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        QWidget* board = m->client();
        QCOMPARE(board->size(), QSize(511, 487));
        QCOMPARE(m->size(), QSize(511 + 8, 487 + 8 + 18));
        QVERIFY(m->windowFlags() & Qt::FramelessWindowHint);
        auto click = [&](QPoint at) {
            QTest::mouseClick(m.w.get(), Qt::LeftButton, {}, at);
            QCoreApplication::processEvents();
        };
        const int buttonsY = 4 + 2 + 7, closeX = m->width() - 4 - 2 - 8;
        click({closeX - 18, buttonsY});  // maximize: offered disabled
        QVERIFY(!(m->windowState() & Qt::WindowMaximized));
        QCOMPARE(m->size(), QSize(519, 513));
        const QPoint before = m->pos();
        QTest::mousePress(m.w.get(), Qt::LeftButton, {}, {100, 10});
        QMouseEvent drag(QEvent::MouseMove, QPointF(140, 30), m->mapToGlobal(QPointF(140, 30)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m.w.get(), &drag);
        QTest::mouseRelease(m.w.get(), Qt::LeftButton, {}, {140, 30});
        QCOMPARE(m->pos() - before, QPoint(40, 20));  // dragged by its caption

        qputenv("MUD_OWN_FRAMES", "1");
        QSize client, whole;
        onNextModal([&](QWidget* dialog) {
            client = static_cast<ui::ClassicWindow*>(dialog)->client()->size();
            whole = dialog->size();
            QTest::mouseClick(dialog, Qt::LeftButton, {}, {dialog->width() - 3 - 2 - 8, 3 + 2 + 7});  // close box
        });
        QVERIFY(openAndWait(Dialog::Info, "34"));
        qunsetenv("MUD_OWN_FRAMES");
        QCOMPARE(client, QSize(169, 128));
        QCOMPARE(whole, QSize(169 + 6, 128 + 6 + 18));
        click({closeX, buttonsY});
        QVERIFY(!m->isVisible());
    }
};

MUD_WIDGET_TEST_MAIN(TestSideWindows)
#include "tst_side_windows.moc"
