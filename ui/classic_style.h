// The classic 3-D look: Qt's own Windows style, with the drop-down lists
// drawn as the classic desktop draws them (a white sunken field beside a
// raised silver drop button) and taking the focus only by click or Tab.
#pragma once

#include <QProxyStyle>

namespace mud::ui {

class ClassicStyle : public QProxyStyle {
public:
    ClassicStyle();

    void polish(QWidget* widget) override;
    using QProxyStyle::polish;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};

}  // namespace mud::ui
