#include "classic_style.h"

#include <QComboBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionComboBox>

namespace mud::ui {

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

void ClassicStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    // A list takes the focus when clicked or tabbed to, never from the wheel.
    if (auto* list = qobject_cast<QComboBox*>(widget)) list->setFocusPolicy(Qt::StrongFocus);
}

void ClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const {
    const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || !list || list->editable || !(list->state & State_Enabled) || !list->frame) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // Qt fills a closed list with the button colour; the classic field is
    // the window-background colour inside the sunken edge.
    QStyleOptionComboBox part = *list;
    part.subControls = list->subControls & SC_ComboBoxFrame;
    QProxyStyle::drawComplexControl(control, &part, painter, widget);
    const int edge = pixelMetric(PM_DefaultFrameWidth, list, widget);
    painter->fillRect(list->rect.adjusted(edge, edge, -edge, -edge), list->palette.base());
    part.subControls = list->subControls & ~SC_ComboBoxFrame;
    QProxyStyle::drawComplexControl(control, &part, painter, widget);
}

}  // namespace mud::ui
