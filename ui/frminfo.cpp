#include "dialogs.h"

#include "hint.h"
#include "look.h"

namespace mud::ui {

frmInfo::frmInfo(const std::string& mainWindowTag) {
    setObjectName(QStringLiteral("frmInfo"));
    makeFixedDialog(this, QStringLiteral(" Informacija"), 2535, 1920);
    const QFont font = arial(9.75);
    setFont(font);
    setBackground(this, kLightFace);

    addLabel(this, "Label1", QStringLiteral("Nađena je greška!"), {225, 180, 1860, 240}, font);
    addLabel(this, "Label2", QStringLiteral("Kuća broj:"), {225, 585, 960, 240}, font);
    addLabel(this, "Label3", QStringLiteral("Pitanje:"), {450, 945, 645, 240}, font);
    lblKuca_ = addLabel(this, "lblKuca", QString(), {1215, 585, 1005, 285}, font);
    lblPit_ = addLabel(this, "lblPit", QString(), {1215, 945, 1005, 285}, font);
    for (QLabel* field : {lblKuca_, lblPit_}) {
        field->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        makeBoxedField(field);
    }
    lblKuca_->setAccessibleName(QStringLiteral("Kuća broj:"));
    lblPit_->setAccessibleName(QStringLiteral("Pitanje:"));
    QPushButton* izlaz = addButton(this, "cmdIzlaz", QStringLiteral("Izlaz"), {1350, 1395, 1005, 375}, font);
    connect(izlaz, &QPushButton::clicked, this, &QWidget::close);
    izlaz->setFocus();

    Form_Load(mainWindowTag);
}

void frmInfo::Form_Load(const std::string& code) {
    const HintFields fields = readErrorCode(code);
    lblKuca_->setText(QString::fromStdString(fields.house));
    lblPit_->setText(QString::fromStdString(fields.attribute));
}

}  // namespace mud::ui
