#include "dialogs.h"
#include "look.h"

namespace mud::ui {

frmZali::frmZali() : ClassicWindow(Frame::Dialog, kDialogFlags) {
    setObjectName(QStringLiteral("frmZali"));
    makeFixedDialog(this, QStringLiteral(" Gotovo je, gotovo!"), 3075, 1515);
    setFont(arial(12));
    QWidget* area = client();
    setBackground(area, palette().color(QPalette::Button));

    addLabel(area, "Label1", QStringLiteral("Nažalost..."), {810, 270, 1500, 330}, arial(12, true));
    setAccessibleDescription(QStringLiteral("Nažalost..."));  // read when the window opens
    QPushButton* izlaz = addButton(area, "cmdIzlaz", QStringLiteral("Izlaz"), {1845, 990, 1050, 420}, arial(9.75));
    connect(izlaz, &QPushButton::clicked, this, &QWidget::close);
    izlaz->setFocus();
}

}  // namespace mud::ui
