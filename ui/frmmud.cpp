#include "frmmud.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "accessibility.h"
#include "house_frame.h"
#include "native_window.h"
#include "look.h"
#include "picture_box.h"
#include "twips.h"

namespace mud::ui {

namespace {

// The pet label of house 5 reports mouse presses with the button's number:
// 1 left, 2 right, 4 middle, 8 any other.
class MouseDownLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void(int)> onMouseDown;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        const int button = event->button() == Qt::LeftButton    ? 1
                           : event->button() == Qt::RightButton ? 2
                           : event->button() == Qt::MiddleButton ? 4
                                                                 : 8;
        if (onMouseDown) onMouseDown(button);
    }
};

// One row of a house frame: the attribute label above its list (twips,
// relative to the frame), and the object names of label and list.
struct HouseRow {
    const char* listName;
    int labelTop, labelWidth, labelHeight;
    int listTop;
};
const HouseRow kRows[kAttributes + 1] = {
    {},
    {"cmbBoja", 405, 555, 195, 630},
    {"cmbPore", 1080, 1050, 240, 1305},
    {"cmbPice", 1755, 645, 240, 1980},
    {"cmbCiga", 2430, 690, 240, 2655},
    {"cmbLjub", 3105, 690, 240, 3330},
};

constexpr int kHouseLeft = 180, kHouseStep = 1485;

const QString kBravo = QStringLiteral("Bravo! Rešili ste problem!");
const QString kLocked = QStringLiteral("Liste su zaključane.");
const QString kLost = QStringLiteral("Igra je izgubljena.");

const char* const kHousePictures[kHouses + 1] = {
    nullptr, ":/pictures/house_1.xpm", ":/pictures/house_2.xpm", ":/pictures/house_3.xpm",
    ":/pictures/house_4.xpm", ":/pictures/house_5.xpm"};

}  // namespace

frmMud::frmMud(RandomSource& random, DialogOpener openDialog)
    : ClassicWindow(Frame::Sizable, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                        Qt::WindowCloseButtonHint),
      game_(*this, random),
      openDialog_(std::move(openDialog)) {
    setObjectName(QStringLiteral("frmMud"));
    setWindowTitle(QStringLiteral("Dazazirezir uraruvivo"));
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/icons/mudrovan-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    setFont(arial(8.25));
    setBackground(client(), kSilver);
    setClientSize(QSize(px(7665), px(7305)), false);
    centreOnScreen(this);

    for (int house = 1; house <= kHouses; ++house) buildHouse(house);
    buildLowerArea();
    setTabOrder();
    cmdProveri_->setFocus();
    // A screen reader reads the board's description as the board comes up;
    // it is dropped once the board has first lost the focus, so that it is
    // heard once, not after every dialog.
    new ClueReader(this, announcer_);
    setAccessibleDescription(ClueReader::help());

    game_.Form_Load();
    tellLives(false);
}

void frmMud::buildHouse(int h) {
    auto* frame = new HouseFrame(QStringLiteral("Kuća %1").arg(h), client());
    frame->setObjectName(arrayName("ku", h));
    setBackground(frame, kSilver);
    frame->setGeometry(twipRect(kHouseLeft + kHouseStep * (h - 1), 135, 1365, 3840));
    // The labels and lists inside keep the window's font (Arial 8.25 pt);
    // only the caption is bold.

    imgKuT_[h] = new PictureBox(frame, arrayName("imgKuT", h), QStringLiteral(":/pictures/house_grey.xpm"), 855, 225);
    ImgKuB_[h] = new PictureBox(frame, arrayName("ImgKuB", h), QString::fromLatin1(kHousePictures[h]), 855, 225);
    ImgKuB_[h]->hide();
    imgKuT_[h]->setAccessibleName(QStringLiteral("Kuća %1, neobojena").arg(h));
    ImgKuB_[h]->setAccessibleName(QStringLiteral("Kuća %1, obojena").arg(h));

    for (int a = 1; a <= kAttributes; ++a) {
        const HouseRow& row = kRows[a];
        // Label1..Label25 in attribute order: Label + (5 * (a - 1) + h).
        const QByteArray labelName = "Label" + QByteArray::number(5 * (a - 1) + h);
        int left = 135, top = row.labelTop;
        if (a == Pice && h == 2) top = 1710;  // two labels sit slightly off the grid
        if (a == Ljub && h == 4) left = 90;
        QLabel* label;
        if (a == Ljub && h == 5) {
            auto* pet = new MouseDownLabel(frame);
            pet->onMouseDown = [this](int button) { Label25_MouseDown(button); };
            label = pet;
        } else {
            label = new QLabel(frame);
        }
        label->setObjectName(QString::fromLatin1(labelName));
        label->setText(QString::fromUtf8(attributeName(a)));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(twipRect(left, top, row.labelWidth, row.labelHeight));

        auto* list = new QComboBox(frame);
        lists_[a][h] = list;
        list->setObjectName(arrayName(row.listName, h));
        list->setEditable(false);
        list->setGeometry(twipRect(90, row.listTop, 1185, 330));
        list->setMaxVisibleItems(kItems);
        QPalette p = list->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive}) p.setColor(group, QPalette::Text, kNavy);
        list->setPalette(p);
        for (int item = 0; item < kItems; ++item) list->addItem(QString::fromUtf8(listItem(a, item)));
        list->setItemData(0, kNotChosen, Qt::AccessibleTextRole);
        list->setCurrentIndex(-1);
        // Screen readers learn what a list is from its name: house and
        // attribute, as where-am-I tells it too.
        list->setAccessibleName(QStringLiteral("Kuća %1, %2").arg(h).arg(label->text()));
        if (a == Boja) {
            connect(list, qOverload<int>(&QComboBox::activated), this, [this, h](int) { cmbBoja_Click(h); });
        }
    }
}

void frmMud::buildLowerArea() {
    QWidget* area = client();
    // The row of lives: one group, which tells screen readers the count.
    lives_ = new QWidget(area);
    lives_->setObjectName(QStringLiteral("zivoti"));
    lives_->setGeometry(twipRect(135, 4050, 495 * (kLives - 1) + 450, 525));
    for (int i = 1; i <= kLives; ++i) {
        imgZivot_[i] = new PictureBox(lives_, arrayName("imgZivot", i), QStringLiteral(":/pictures/life.png"),
                                      495 * (i - 1), 0);
        imgZivot_[i]->setAccessibleName(QStringLiteral("Život %1").arg(i));
    }
    announcer_ = new Announcer(area);

    fraOK_ = new QFrame(area);
    fraOK_->setObjectName(QStringLiteral("fraOK"));
    fraOK_->setFrameShape(QFrame::NoFrame);
    setBackground(fraOK_, kSilver);
    fraOK_->setGeometry(twipRect(630, 4050, 6900, 545));
    QLabel* bravo = addLabel(fraOK_, "Label42", QStringLiteral("B r a v o !   R e š i l i   s t e   p r o b l e m !"),
                             {450, 90, 5910, 375}, arial(14.25));
    bravo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    bravo->setAccessibleName(kBravo);  // one sentence, not letter by letter
    makeBoxedField(bravo);
    fraOK_->hide();

    const QFont buttonFont = arial(9.75);
    cmdProveri_ = addButton(area, "cmdProveri", QStringLiteral("Provera"), {2385, 4680, 1230, 390}, buttonFont);
    cmdNovo_ = addButton(area, "cmdNovo", QStringLiteral("Ponovo"), {3690, 4680, 1230, 390}, buttonFont);
    cmdObjasni_ = addButton(area, "cmdObjasni", QStringLiteral("Objašnjenje"), {4995, 4680, 1230, 390}, buttonFont);
    cmdKraj_ = addButton(area, "cmdKraj", QStringLiteral("Kraj"), {6300, 4680, 1185, 390}, buttonFont);
    cmdReklama_ = addButton(area, "cmdReklama", QStringLiteral("Reklama"), {6390, 6840, 1140, 390}, buttonFont);
    for (QPushButton* b : {cmdProveri_, cmdNovo_, cmdObjasni_, cmdKraj_, cmdReklama_}) {
        QPalette p = b->palette();
        p.setColor(QPalette::Button, kLightFace);
        b->setPalette(p);
    }
    connect(cmdProveri_, &QPushButton::clicked, this, [this] { cmdProveri_Click(); });
    connect(cmdNovo_, &QPushButton::clicked, this, [this] { cmdNovo_Click(); });
    connect(cmdObjasni_, &QPushButton::clicked, this, [this] { cmdObjasni_Click(); });
    connect(cmdKraj_, &QPushButton::clicked, this, [this] { cmdKraj_Click(); });
    connect(cmdReklama_, &QPushButton::clicked, this, [this] { cmdReklama_Click(); });

    addLabel(area, "Label41", QStringLiteral("Podaci"), {225, 4905, 1230, 195}, arial(9.75, true));

    // The clues: eight in the left column, seven in the right. Label39 is one
    // line taller; Label43 lies over its empty bottom strip.
    const Place places[kClues] = {
        {225, 5265, 2670, 240},  {225, 5500, 2400, 240},  {225, 5735, 2400, 240},  {225, 5970, 2850, 240},
        {225, 6215, 3030, 240},  {225, 6450, 2400, 240},  {225, 6685, 2895, 240},  {225, 6920, 3255, 240},
        {3420, 5265, 2400, 240}, {3420, 5500, 3480, 240}, {3420, 5735, 4065, 240}, {3420, 5970, 2940, 240},
        {3420, 6215, 3075, 240}, {3420, 6450, 4155, 285}, {3420, 6660, 2625, 240},
    };
    const QFont clueFont = arial(9.75);
    for (int i = 0; i < kClues; ++i)
        addLabel(area, kClueList[i].label, QString::fromUtf8(kClueList[i].text), places[i], clueFont);
    // The etched rule under "Podaci": grey above, white below.
    addEtchedLine(area, QRect(px(225), px(5167), px(7500) - px(225), px(5175) - px(5167) + 1),
                  QColor(128, 128, 128), Qt::white);
    fraOK_->raise();  // a frame lies in front of the pictures it covers
}

// Tab: "Provera", colour lists, drink, cigarettes, pet, origin lists, then
// "Reklama", "Kraj", "Objašnjenje", "Ponovo" and round again.
void frmMud::setTabOrder() {
    QList<QWidget*> chain{cmdProveri_};
    for (int a : {Boja, Pice, Ciga, Ljub, Poreklo})
        for (int h = 1; h <= kHouses; ++h) chain << lists_[a][h];
    chain << cmdReklama_ << cmdKraj_ << cmdObjasni_ << cmdNovo_ << cmdProveri_;
    for (int i = 0; i + 1 < chain.size(); ++i) QWidget::setTabOrder(chain[i], chain[i + 1]);
}

// Maximizing is not offered. Some window managers maximize all the same (a
// double click on the title bar); the window then returns to its size.
void frmMud::changeEvent(QEvent* event) {
    ClassicWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
        QTimer::singleShot(0, this, [this] { setWindowState(windowState() & ~Qt::WindowMaximized); });
    }
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) setAccessibleDescription(QString());
}

std::string frmMud::listText(int attribute, int house) const {
    return lists_[attribute][house]->currentText().toStdString();
}

// Only the rules set lists, many at a time: untold but for the focused one.
void frmMud::setListText(int attribute, int house, const std::string& text) {
    QComboBox* list = lists_[attribute][house];
    const int index = list->findText(QString::fromStdString(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    changeUntold(list, [list, index] { list->setCurrentIndex(index); });
}

int frmMud::listIndex(int attribute, int house) const { return lists_[attribute][house]->currentIndex(); }

void frmMud::setListEnabled(int attribute, int house, bool enabled) {
    lists_[attribute][house]->setEnabled(enabled);
    if (!enabled) announcer_->sayAfterwards(kLocked);
}

void frmMud::setPictureVisible(Picture picture, int index, bool visible) {
    switch (picture) {
    case Picture::GreyHouse: imgKuT_[index]->setVisible(visible); break;
    case Picture::PaintedHouse: ImgKuB_[index]->setVisible(visible); break;
    case Picture::Life:
        imgZivot_[index]->setVisible(visible);
        if (!visible) tellLives(true);  // a new round's lives are told once, all fifteen
        break;
    case Picture::SuccessPanel:
        fraOK_->setVisible(visible);
        if (visible) announcer_->sayAfterwards(kBravo);
        break;
    }
}

QString frmMud::livesLeft() const {
    int left = 0;
    for (int i = 1; i <= kLives; ++i) left += !imgZivot_[i]->isHidden();
    return QStringLiteral("Preostalo života: %1").arg(left);
}

// The row of lives tells the count; a life lost is also said aloud.
void frmMud::tellLives(bool lost) {
    const QString left = livesLeft();
    if (lives_->accessibleName() != left) lives_->setAccessibleName(left);
    if (lost) announcer_->say(left);
}

// A check in a lost round changes nothing, and says why.
void frmMud::cmdProveri_Click() {
    if (!game_.busy() && game_.BrojZivota() == 0) announcer_->say(kLost + QLatin1Char(' ') + kLocked);
    game_.cmdProveri_Click();
}

void frmMud::cmdNovo_Click() {
    if (game_.busy()) return;
    game_.cmdNovo_Click();
    tellLives(false);
    announcer_->sayAfterwards(QStringLiteral("Nova igra. ") + livesLeft());
}

// What follows a dialog is the board's: it does not run once the board has gone.
void frmMud::showModal(Dialog dialog, std::function<void()> closed) {
    const QPointer<frmMud> self(this);
    auto then = [self, closed = std::move(closed)] {
        if (self && closed) closed();
    };
    if (openDialog_) openDialog_(dialog, tag_, std::move(then));
    else then();
}

void frmMud::showEvent(QShowEvent* event) {
    ClassicWindow::showEvent(event);
    if (QWindow* native = windowHandle()) native->installEventFilter(this);
}

// Another X11 program may destroy the board's window; the program is not
// told, only that the window no longer shows. It then asks the window
// system, and closes the board as if by its close box, so the program ends
// (once an open dialog has been closed).
bool frmMud::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == windowHandle() && !windowHandle()->isExposed() &&
        windowDestroyed(windowHandle()))
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    return ClassicWindow::eventFilter(watched, event);
}

}  // namespace mud::ui
