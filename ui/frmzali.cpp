#include "dialogs.h"
#include "look.h"

namespace mud::ui {

frmZali::frmZali() {
    setObjectName(QStringLiteral("frmZali"));
    makeFixedDialog(this, QStringLiteral(" Gotovo je, gotovo!"), 3075, 1515);
    setFont(arial(12));
    setBackground(this, palette().color(QPalette::Button));

    addLabel(this, "Label1", QStringLiteral("Nažalost..."), {810, 270, 1500, 330}, arial(12, true));
    setAccessibleDescription(QStringLiteral("Nažalost..."));  // read when the window opens
    QPushButton* izlaz = addButton(this, "cmdIzlaz", QStringLiteral("Izlaz"), {1845, 990, 1050, 420}, arial(9.75));
    connect(izlaz, &QPushButton::clicked, this, &QWidget::close);
    izlaz->setFocus();
}

}  // namespace mud::ui
