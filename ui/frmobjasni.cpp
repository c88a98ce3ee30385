#include "dialogs.h"
#include "look.h"
#include "twips.h"

namespace mud::ui {


frmObjasni::frmObjasni() : ClassicWindow(Frame::Dialog, kDialogFlags) {
    setObjectName(QStringLiteral("frmObjasni"));
    makeFixedDialog(this, QStringLiteral(" O Dadarariroru mozgalici"), 5910, 4560);
    const QFont font = arial(9.75);
    setFont(font);
    QWidget* area = client();
    setBackground(area, kLightFace);

    const QString paragraphs[3] = {
        QStringLiteral("   Problem o petorici suseda smislio je i objavio Vidomir Mudrovan, tvrdeći da je rešenje "
                       "očigledno, ali da 98 odsto ljudi nije u stanju da dođe do njega."),
        QStringLiteral("   Svaka od pet kuća u kojima žive susedi različito je obojena. Svaki sused je drugog "
                       "porekla, pije drugo piće, puši druge cigarete i ima svog kućnog ljubimca koji se razlikuje "
                       "od ljubimaca ostalih suseda. Zadatak je jednostavan: na osnovu 15 podataka treba otkriti šta "
                       "ko pije i puši, iz kog je kraja, kakva mu je kuća i koji mu je kućni ljubimac."),
        QStringLiteral("   Za ovu priliku dodate su dve olakšice. Prvo, neki elementi problema prilagođeni su našem "
                       "podneblju (poreklo, cigarete, piće). I drugo, program pruža dragocenu pomoć ukazujući na "
                       "pojedine greške."),
    };
    const Place places[3] = {{135, 135, 5595, 735}, {135, 945, 5595, 1455}, {135, 2475, 5595, 1005}};
    const char* names[3] = {"Label1", "Label2", "Label3"};
    for (int i = 0; i < 3; ++i) addLabel(area, names[i], paragraphs[i], places[i], font)->setWordWrap(true);

    addLabel(area, "Label4", QStringLiteral("Program je besplatan."), {90, 4185, 2670, 240}, font);
    addLabel(area, "Label5", QStringLiteral("Dazazirezir uraruvivo, verzija 1.1, maj 2002."), {90, 3645, 4155, 240}, font);
    addLabel(area, "Label6", QStringLiteral("Autor: Izmišljen Autorović"), {90, 3915, 2670, 240}, font);
    // The engraved separator: a white line two pixels wide, a grey one over its lower pixel.
    addEtchedLine(area, QRect(px(90), px(3555), px(5775) - px(90), 2), Qt::white, QColor(128, 128, 128));

    QPushButton* izlaz = addButton(area, "cmdIzlaz", QStringLiteral("Izlaz"), {4725, 4050, 1005, 375}, font);
    connect(izlaz, &QPushButton::clicked, this, &QWidget::close);
    izlaz->setFocus();
}

}  // namespace mud::ui
