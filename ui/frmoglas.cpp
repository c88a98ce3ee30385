#include "dialogs.h"
#include "look.h"
#include "native_window.h"
#include "picture_box.h"
#include "twips.h"

namespace mud::ui {

// No title bar and no close box, but a sizing border the player can drag;
// it opens wherever the desktop places a new window.
frmOglas::frmOglas() : ClassicWindow(Frame::BorderOnly, Qt::Window) {
    setClientSize(QSize(px(6315), px(4545)), false);
    setObjectName(QStringLiteral("frmOglas"));
    setWindowTitle(QString());
    setAccessibleName(QStringLiteral("Reklama za program RADUDEVADE"));  // for screen readers only
    setFont(arial(9.75));
    QWidget* area = client();

    const QFont bold = arial(9.75, true);
    // Created back to front, so that the banner lies behind everything.
    QLabel* banner = addLabel(area, "Label1", QStringLiteral("  AKO IGRATE LOTO, NE IGRAJTE BEZ RAČUNARA!  "),
                              {0, 0, 6375, 255}, bold);
    setBackground(banner, kNavy);
    setForeground(banner, Qt::white);
    auto* picture = new PictureBox(area, QStringLiteral("Image1"), QStringLiteral(":/pictures/lottery_balls.png"), 1680, 360);
    picture->setAccessibleName(QStringLiteral("Loto kuglice 01, 30 i 38"));

    QLabel* text = addLabel(
        area, "Label2",
        QStringLiteral("Program RADUDEVADE pravi sisteme za loto na osnovu parametara koje zada korisnik (brojevi, "
                       "garancija, uslovi itd). Ukoliko se u dobitnoj kombinaciji ostvare zadati parameri, sistem "
                       "obavezno donosi dobitak tražen garancijom, a postoji i  mogućnost uklapanja dobitka koji je "
                       "veći od garantovanog.    Sistemi se mogu praviti za bilo koji loto na svetu: 7 od 39,  6 od "
                       "45, 6 od 49, 5 od 36 itd."),
        {120, 1440, 6015, 1695}, bold);
    QLabel* price = addLabel(
        area, "Label3",
        QStringLiteral("RADUDEVADE staje 10 evra (u dinarima, a za inostranstvo 15 evra) i može se naručiti od autora. "),
        {120, 3240, 6135, 495}, bold);
    QLabel* mail = addLabel(area, "Label4", QStringLiteral("autor@example.invalid"), {1200, 4080, 3855, 375}, arial(12, true));
    QLabel* demo = addLabel(area, "Label5",
                            QStringLiteral("Demo verzija je besplatna. Zatražite, dobićete je emailom!"),
                            {120, 3720, 6015, 255}, bold);
    for (QLabel* label : {text, price, mail, demo}) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(label != mail);
        setForeground(label, label == text ? QColor(Qt::white) : QColor(255, 255, 0));
    }

    QPushButton* izlaz = addButton(area, "cmdIzlaz", QStringLiteral("Izlaz"), {5280, 4080, 855, 360}, font());
    connect(izlaz, &QPushButton::clicked, this, &QWidget::close);
    izlaz->setFocus();

    Form_Load();
}

// The blue goes on before the window is first drawn, so it is never seen grey.
void frmOglas::Form_Load() {
    setBackground(client(), kAdvertBlue);
    for (const char* name : {"Label2", "Label3", "Label4"}) setBackground(findChild<QLabel*>(QLatin1String(name)), kAdvertBlue);
}

// Its taskbar entry has an empty title (screen readers hear its accessible
// name): the window is made, its title cleared, and only then shown.
void frmOglas::setVisible(bool visible) {
    if (visible && !isVisible()) {
        create();
        clearSystemTitle(windowHandle());
    }
    ClassicWindow::setVisible(visible);
}

}  // namespace mud::ui
