// The main window as the player first sees it: layout, fonts, lists,
// keyboard, resizing, screen readers and pictures.
#include <QFontInfo>
#include <QGroupBox>
#include <QStyleOptionComboBox>

#include "dialogs.h"
#include "gui_helpers.h"
#include "twips.h"

using namespace mud;
using namespace mud::test;

namespace {
const char* const kListNames[6] = {nullptr, "cmbBoja", "cmbPore", "cmbPice", "cmbCiga", "cmbLjub"};

QImage grabOf(QWidget* w) { return w->grab().toImage(); }
QRgb pixelAt(const QImage& img, QPoint p) { return img.pixel(p * img.devicePixelRatio()); }
bool isSilver(QRgb c) { return qRed(c) == 192 && qGreen(c) == 192 && qBlue(c) == 192; }

// A widget drawn as on a screen of `scale` times the density, over magenta
// where it draws nothing of its own.
QImage renderAt(QWidget* w, qreal scale) {
    QImage img(w->size() * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::magenta);
    w->render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

// Where the ink of a boxed text lies in its box (device pixels): the box's
// border is the outer rows and columns that are mostly dark, the inner
// rectangle what it encloses, the ink every pixel in there that is not white.
struct BoxedInk {
    QRect inner, ink;
};
BoxedInk boxedInk(const QImage& img) {
    // Whether row (or column) i is a border line; at some scales a light
    // line lies outside the border, so the search may start one further in.
    auto border = [&](bool row, int i) {
        const int length = row ? img.width() : img.height();
        int dark = 0;
        for (int k = 0; k < length; ++k) dark += qGray(row ? img.pixel(k, i) : img.pixel(i, k)) < 160;
        return dark * 10 > length * 9;
    };
    auto inwards = [&](bool row, int from, int step) {
        if (!border(row, from)) from += step;
        while (border(row, from)) from += step;
        return from;
    };
    const int top = inwards(true, 0, 1), bottom = inwards(true, img.height() - 1, -1);
    const int left = inwards(false, 0, 1), right = inwards(false, img.width() - 1, -1);
    BoxedInk found{QRect(QPoint(left, top), QPoint(right, bottom)), QRect()};
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255)) found.ink |= QRect(x, y, 1, 1);
    return found;
}
}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    // The layout was made for Arial's metrics; another font breaks it.
    void fontIsArialOrItsMetricTwin() {
        const QString family = QFontInfo(ui::arial(9.75)).family();
        QVERIFY2(family == "Arial" || family == "Liberation Sans",
                 qPrintable("Arial resolves to " + family + ": install fonts-liberation"));
        QCOMPARE(QFontInfo(ui::arial(8.25)).pixelSize(), 11);
        QCOMPARE(QFontInfo(ui::arial(9.75)).pixelSize(), 13);
    }

    void windowFrameAndStartState() {
        MainWindow m;
        QCOMPARE(m->windowTitle(), QStringLiteral("Dazazirezir uraruvivo"));
        QCOMPARE(m->size(), QSize(511, 487));
        QVERIFY(!(m->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(m->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(m->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!m->windowIcon().isNull());
        QCOMPARE(m->palette().color(QPalette::Window), QColor(192, 192, 192));

        for (int h = 1; h <= 5; ++h) {
            QCOMPARE(m.child<QGroupBox>(ui::arrayName("ku", h))->title(), QStringLiteral("Kuća %1").arg(h));
            for (int a = 1; a <= 5; ++a) {
                QCOMPARE(m.list(kListNames[a], h)->currentText(), QStringLiteral("        ?"));
                QVERIFY(m.list(kListNames[a], h)->isEnabled());
            }
        }
        QCOMPARE(m.houses(), QStringLiteral("GGGGG"));
        QCOMPARE(m.livesVisible(), 15);
        QVERIFY(!m.child("fraOK")->isVisibleTo(m.w.get()));
        QCOMPARE(m.random.seeds, 1);
    }

    // ... and shows each of them whole when closed: the style's edit field,
    // less the margin the label keeps, holds the widest.
    void everyListOffersTheSameSixItemsWhole() {
        MainWindow m;
        for (int a = 1; a <= 5; ++a) {
            for (int h = 1; h <= 5; ++h) {
                QComboBox* list = m.list(kListNames[a], h);
                QVERIFY(!list->isEditable());
                QCOMPARE(list->count(), 6);
                QStyleOptionComboBox opt;
                opt.initFrom(list);
                opt.subControls = QStyle::SC_All;
                const QRect field =
                    list->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, list);
                for (int i = 0; i < 6; ++i) {
                    QCOMPARE(list->itemText(i), QString::fromUtf8(listItem(a, i)));
                    QVERIFY2(list->fontMetrics().horizontalAdvance(list->itemText(i)) <= field.width() - 2,
                             listItem(a, i));
                }
            }
        }
    }

    // A white sunken field, a raised silver drop button with a black arrow,
    // navy text; the popup drops below the list.
    void listsHaveTheClassicLook() {
        MainWindow m;
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        QComboBox* list = m.list("cmbCiga", 3);
        list->setCurrentIndex(3);
        const QImage img = grabOf(list);
        const int mid = list->height() / 2;
        QCOMPARE(QColor(pixelAt(img, {0, 0})), QColor(128, 128, 128));                // outer shadow
        QCOMPARE(QColor(pixelAt(img, {list->width() - 1, list->height() - 1})), QColor(Qt::white));
        QCOMPARE(QColor(pixelAt(img, {3, 3})), QColor(Qt::white));                    // the field
        QCOMPARE(QColor(pixelAt(img, {list->width() - 6, 4})), QColor(192, 192, 192));  // the drop button
        QCOMPARE(QColor(pixelAt(img, {list->width() - 10, mid})), QColor(Qt::black));  // its arrow
        bool navy = false;  // text pixels are blends of navy and white
        for (int x = 3; x < list->width() - 20; ++x) {
            const QRgb c = pixelAt(img, {x, mid});
            navy |= qBlue(c) - qRed(c) > 60 && qRed(c) == qGreen(c);
        }
        QVERIFY(navy);
        QVERIFY(list->style()->inherits("QProxyStyle") && list->style()->styleHint(QStyle::SH_ComboBox_Popup) == 0);
        list->showPopup();
        QWidget* popup = list->view()->window();
        QTRY_VERIFY(popup->isVisible());
        QVERIFY(popup->geometry().top() >= list->mapToGlobal(QPoint(0, list->height() - 1)).y());
        list->hidePopup();
    }

    // Typing only moves the selection to an item; no text of the player's own.
    void typingNeverLeavesTheItems() {
        MainWindow m;
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        const QString keys = QStringLiteral("abcdefghijklmnopqrstuvwxyzčćšžđ ?1-ŽŠ");
        for (int a = 1; a <= 5; ++a) {
            QComboBox* list = m.list(kListNames[a], 3);
            QStringList items;
            for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
            list->setFocus();
            for (QChar c : keys) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(list, &press);
                QApplication::sendEvent(list, &release);
                if (list->view()->isVisible()) list->hidePopup();
                QVERIFY2(items.contains(list->currentText()), qPrintable(list->currentText()));
            }
        }
        // Each press of a letter moves to the next item that begins with it,
        // round and round, in the closed list and in its popup.
        auto type = [](QWidget* to, const QString& letters) {
            QStringList seen;
            for (QChar c : letters) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(to, &press);
                auto* list = qobject_cast<QComboBox*>(to);
                seen << (list ? list->currentText() : qobject_cast<QAbstractItemView*>(to)->currentIndex().data().toString());
            }
            return seen;
        };
        QComboBox* brands = m.list("cmbCiga", 2);
        brands->setFocus();
        QCOMPARE(type(brands, "ddd"), (QStringList{"Drina", "Drava", "Drina"}));
        QComboBox* origin = m.list("cmbPore", 2);
        origin->setFocus();
        QCOMPARE(type(origin, "šŠ"), (QStringList{"Šumadinac", "Šumadinac"}));
        origin->showPopup();
        QTRY_VERIFY(origin->view()->isVisible());
        QCOMPARE(type(origin->view(), "bB"), (QStringList{"Banaćanin", "Banaćanin"}));
        origin->hidePopup();
        QComboBox* colour = m.list("cmbBoja", 1);
        colour->setFocus();
        QCOMPARE(type(colour, "Ž"), QStringList{"Žuta"});
        QCOMPARE(m.houses(), QStringLiteral("PGGGG"));  // and counts as the player's choice
    }

    void noClueWrapsOrIsCut() {
        MainWindow m;
        for (const Clue& clue : kClueList) {
            auto* label = m.child<QLabel>(QString::fromLatin1(clue.label));
            QCOMPARE(label->text(), QString::fromUtf8(clue.text));
            QVERIFY(!label->wordWrap());
            const QFontMetrics fm(label->font());
            QVERIFY2(fm.horizontalAdvance(label->text()) <= label->width(), clue.label);
            QVERIFY2(fm.height() <= label->height(), clue.label);
        }
    }

    // Label43 lies over the bottom strip of Label39 and hides none of its ink.
    void label43HidesNothingOfLabel39() {
        MainWindow m;
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        auto* upper = m.child<QLabel>("Label39");
        auto* lower = m.child<QLabel>("Label43");
        const QRect strip = upper->geometry() & lower->geometry();
        QVERIFY(!strip.isEmpty());
        QCOMPARE(strip.top(), lower->geometry().top());
        lower->hide();
        const QImage alone = grabOf(m.w.get());
        lower->show();
        const QImage both = grabOf(m.w.get());
        const QRgb background = pixelAt(alone, upper->geometry().topRight());
        int ink = 0;
        for (int y = upper->geometry().top(); y <= upper->geometry().bottom(); ++y)
            for (int x = upper->geometry().left(); x <= upper->geometry().right(); ++x) {
                if (pixelAt(alone, {x, y}) == background) continue;
                ++ink;
                QVERIFY2(pixelAt(both, {x, y}) != background, qPrintable(QStringLiteral("hidden at %1,%2").arg(x).arg(y)));
            }
        QVERIFY(ink > 100);
    }

    void tabVisitsTheListsInOrder() {
        MainWindow m;
        m->show();
        QApplication::setActiveWindow(m.w.get());
        QVERIFY(QTest::qWaitForWindowActive(m.w.get()));
        QCOMPARE(QApplication::focusWidget(), m.child("cmdProveri"));

        auto tour = [&] {
            QStringList names;
            for (int i = 0; i < 40; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                names << QApplication::focusWidget()->objectName();
                if (names.last() == "cmdProveri") break;
            }
            return names;
        };
        QStringList expected;
        for (const char* name : {"cmbBoja", "cmbPice", "cmbCiga", "cmbLjub", "cmbPore"})
            for (int h = 1; h <= 5; ++h) expected << ui::arrayName(name, h);
        expected << "cmdReklama" << "cmdKraj" << "cmdObjasni" << "cmdNovo" << "cmdProveri";
        QCOMPARE(tour(), expected);

        m.list("cmbBoja", 2)->setEnabled(false);
        m.list("cmbLjub", 5)->setEnabled(false);
        expected.removeAll("cmbBoja(2)");
        expected.removeAll("cmbLjub(5)");
        QCOMPARE(tour(), expected);
    }

    void resizingMovesNothing() {
        MainWindow m;
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        QMap<QWidget*, QRect> before;
        for (QWidget* c : m->findChildren<QWidget*>()) before[c] = c->geometry();
        for (QSize size : {QSize(800, 700), QSize(300, 200), QSize(511, 487)}) {
            m->resize(size);
            QCoreApplication::processEvents();
            for (auto it = before.cbegin(); it != before.cend(); ++it)
                QVERIFY2(it.key()->geometry() == it.value(), qPrintable(it.key()->objectName()));
        }
    }

    // The grey house is an outline; the frame's silver shows inside it. The
    // portrait's corners are silver too.
    void picturesShowSilverWhereTheyShould() {
        MainWindow m;
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        const QImage img = grabOf(m.w.get());
        if (qEnvironmentVariableIsSet("MUD_SAVE_GRAB")) img.save(qEnvironmentVariable("MUD_SAVE_GRAB"));
        QWidget* house = m.picture("imgKuT", 1);
        const QPoint origin = house->mapTo(m.w.get(), QPoint(0, 0));
        QVERIFY(isSilver(pixelAt(img, origin + QPoint(4, 15))));   // wall
        QVERIFY(isSilver(pixelAt(img, origin + QPoint(14, 5))));   // roof
        QVERIFY(isSilver(pixelAt(img, origin + QPoint(8, 16))));   // window pane
        QVERIFY(!isSilver(pixelAt(img, origin + QPoint(2, 15))));  // wall outline
        QWidget* life = m.picture("imgZivot", 7);
        QCOMPARE(life->size(), QSize(30, 35));
        const QPoint lo = life->mapTo(m.w.get(), QPoint(0, 0));
        for (QPoint corner : {QPoint(0, 0), QPoint(29, 0), QPoint(0, 34), QPoint(29, 34)})
            QVERIFY(isSilver(pixelAt(img, lo + corner)));
        QVERIFY(!isSilver(pixelAt(img, lo + QPoint(15, 0))));  // the oval touches the top edge
    }

    // On a denser screen each picture fills its enlarged place: at a whole
    // factor in square blocks of its own colours, at a fractional one with
    // its drawn pixels spread over the whole place. (Run again at 1.25, 1.5
    // and 2 times the density.)
    void picturesFillTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("resource");
        QTest::newRow("grey house") << "imgKuT(1)" << ":/pictures/house_grey.xpm";
        QTest::newRow("painted house") << "ImgKuB(2)" << ":/pictures/house_2.xpm";
        QTest::newRow("portrait") << "imgZivot(1)" << ":/pictures/life.png";
        QTest::newRow("lottery balls") << "Image1" << ":/pictures/lottery_balls.png";
    }
    void picturesFillTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QString, resource);
        MainWindow m;
        ui::frmOglas advert;
        QWidget* picture = name == "Image1" ? advert.findChild<QWidget*>(name) : m.child(name);
        const QImage source = QImage(resource).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(picture->size(), source.size());
        const qreal scale = picture->devicePixelRatioF();
        const QImage shown = renderAt(picture, scale);
        const QRgb unpainted = QColor(Qt::magenta).rgb();
        QRect drawn, opaque;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != unpainted) drawn |= QRect(x, y, 1, 1);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                if (qAlpha(source.pixel(x, y)) == 255) opaque |= QRect(x, y, 1, 1);
        const int factor = int(scale);
        if (factor == scale) {
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) {
                    const QRgb s = source.pixel(x / factor, y / factor);
                    QCOMPARE(shown.pixel(x, y), qAlpha(s) == 255 ? s : unpainted);
                }
        }
        const QRectF expected(opaque.left() * scale, opaque.top() * scale, opaque.width() * scale, opaque.height() * scale);
        const QString where = QStringLiteral("drawn %1,%2 %3x%4 in %5x%6").arg(drawn.left()).arg(drawn.top())
                                  .arg(drawn.width()).arg(drawn.height()).arg(shown.width()).arg(shown.height());
        QVERIFY2(qAbs(drawn.left() - expected.left()) <= 1 && qAbs(drawn.top() - expected.top()) <= 1, qPrintable(where));
        QVERIFY2(qAbs(drawn.right() + 1 - expected.right()) <= 1 && qAbs(drawn.bottom() + 1 - expected.bottom()) <= 1,
                 qPrintable(where));
    }

    // The congratulation and the hint's values stand at the top of their
    // white boxes, every letter whole, descenders included.
    void boxedTextsStandWholeAtTheTop_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("code");
        QTest::addColumn<qreal>("scale");
        for (qreal scale : {1.0, 1.25, 1.5, 2.0}) {
            const QByteArray at = " at " + QByteArray::number(scale);
            QTest::newRow("Label42" + at) << "Label42" << "" << scale;
            QTest::newRow("lblKuca" + at) << "lblKuca" << "31" << scale;
            QTest::newRow("lblPit Boja" + at) << "lblPit" << "31" << scale;
            QTest::newRow("lblPit Ljubimac" + at) << "lblPit" << "35" << scale;
        }
    }
    void boxedTextsStandWholeAtTheTop() {
        QFETCH(QString, field);
        QFETCH(QString, code);
        QFETCH(qreal, scale);
        MainWindow m;
        ui::frmInfo hint(code.toStdString());
        QWidget* window = code.isEmpty() ? static_cast<QWidget*>(m.w.get()) : &hint;
        auto* label = window->findChild<QLabel*>(field);
        QVERIFY(label && !label->text().isEmpty());
        const BoxedInk box = boxedInk(renderAt(label, scale));
        const int topMargin = box.ink.top() - box.inner.top(), bottomMargin = box.inner.bottom() - box.ink.bottom();
        const QString where = QStringLiteral("%1: ink %2..%3 in %4..%5").arg(label->text()).arg(box.ink.top())
                                  .arg(box.ink.bottom()).arg(box.inner.top()).arg(box.inner.bottom());
        QVERIFY2(box.ink.isValid() && box.inner.contains(box.ink), qPrintable(where));
        QVERIFY2(box.ink.left() > box.inner.left() && box.ink.right() < box.inner.right(), qPrintable(where));
        QVERIFY2(bottomMargin >= 1, qPrintable(where));  // the lowest ink row is not cut by the border
        QVERIFY2(topMargin < bottomMargin, qPrintable(where));
    }

    // The success panel hides lives 2 to 15; the first stays in sight.
    void panelHidesAllLivesButTheFirst() {
        MainWindow m;
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.w.get()));
        QTest::mouseClick(m.child("Label25"), Qt::RightButton);
        QTest::mouseClick(m.child("cmdProveri"), Qt::LeftButton);
        QVERIFY(m.child("fraOK")->isVisible());
        const QImage img = grabOf(m.w.get());
        const QImage portrait(QStringLiteral(":/pictures/life.png"));
        auto showsPortrait = [&](int i) {
            const QPoint at = m.picture("imgZivot", i)->mapTo(m.w.get(), QPoint(15, 17));
            return pixelAt(img, at) == portrait.pixel(15, 17);
        };
        QVERIFY(showsPortrait(1));
        for (int i = 2; i <= 15; ++i) QVERIFY2(!showsPortrait(i), qPrintable(QString::number(i)));
        auto* bravo = m.child<QLabel>("Label42");
        QCOMPARE(bravo->text().size(), 51);
        QVERIFY(QFontMetrics(bravo->font()).horizontalAdvance(bravo->text()) <= bravo->contentsRect().width());
    }
};

MUD_WIDGET_TEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
