#include "dialogs.h"

#include <QEvent>

#include "hint.h"
#include "look.h"
#include "screen_reader.h"

namespace mud::ui {

frmInfo::frmInfo(const std::string& mainWindowTag) : ClassicWindow(Frame::Dialog, kDialogFlags) {
    setObjectName(QStringLiteral("frmInfo"));
    makeFixedDialog(this, QStringLiteral(" Informacija"), 2535, 1920);
    const QFont font = arial(9.75);
    setFont(font);
    QWidget* area = client();
    setBackground(area, kLightFace);

    heading_ = addLabel(area, "Label1", QStringLiteral("Nađena je greška!"), {225, 180, 1860, 240}, font);
    QLabel* house = addLabel(area, "Label2", QStringLiteral("Kuća broj:"), {225, 585, 960, 240}, font);
    QLabel* question = addLabel(area, "Label3", QStringLiteral("Pitanje:"), {450, 945, 645, 240}, font);
    lblKuca_ = addLabel(area, "lblKuca", QString(), {1215, 585, 1005, 285}, font);
    lblPit_ = addLabel(area, "lblPit", QString(), {1215, 945, 1005, 285}, font);
    for (QLabel* field : {lblKuca_, lblPit_}) {
        field->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        makeBoxedField(field);
    }
    house->setBuddy(lblKuca_);
    question->setBuddy(lblPit_);
    QPushButton* izlaz = addButton(area, "cmdIzlaz", QStringLiteral("Izlaz"), {1350, 1395, 1005, 375}, font);
    connect(izlaz, &QPushButton::clicked, this, &QWidget::close);
    izlaz->setFocus();

    Form_Load(mainWindowTag);
}

void frmInfo::Form_Load(const std::string& code) {
    const HintFields fields = readErrorCode(code);
    lblKuca_->setText(QString::fromStdString(fields.house));
    lblPit_->setText(QString::fromStdString(fields.attribute));
    // What a screen reader reads when the window opens: the whole finding
    // in one sentence, the values as the fields show them.
    QString finding = QStringLiteral("Nađena je greška! Kuća broj: %1.").arg(lblKuca_->text());
    if (!lblPit_->text().isEmpty()) finding += QStringLiteral(" Pitanje: %1.").arg(lblPit_->text());
    heading_->setAccessibleName(finding);
}

// Where screen readers read only the title and the button of a dialog that
// opens, the finding is raised once the window is shown and active: raised
// earlier, it would be cut short by what they say of the window. (On
// Windows the program may take the activation only after the window shows.)
bool frmInfo::event(QEvent* event) {
    const bool handled = ClassicWindow::event(event);
    const bool opening = event->type() == QEvent::Show || event->type() == QEvent::ActivationChange;
    if (opening && !findingRaised_ && isVisible() && isActiveWindow() && !dialogTextReadOnOpening())
        findingRaised_ = notifyScreenReaders(this, heading_->accessibleName());
    return handled;
}

}  // namespace mud::ui
