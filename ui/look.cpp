#include "look.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>

#include "twips.h"

namespace mud::ui {

void applyClassicLook(QApplication& app) {
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p;
    p.setColor(QPalette::Window, kSilver);
    p.setColor(QPalette::Button, kSilver);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Highlight, kNavy);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, QColor(223, 223, 223));
    p.setColor(QPalette::Mid, QColor(160, 160, 160));
    p.setColor(QPalette::Dark, QColor(128, 128, 128));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    app.setPalette(p);
    app.setFont(arial(8.25));
}

QFont arial(double points, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    f.setBold(bold);
    return f;
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(widget->backgroundRole(), colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(widget->foregroundRole(), colour);
    widget->setPalette(p);
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, Place place, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    label->setGeometry(twipRect(place.left, place.top, place.width, place.height));
    return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& text, Place place, const QFont& font) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(font);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setGeometry(twipRect(place.left, place.top, place.width, place.height));
    return button;
}

void makeBoxedField(QLabel* label) {
    label->setFrameShape(QFrame::Box);
    label->setLineWidth(1);
    label->setBackgroundRole(QPalette::Base);
    label->setForegroundRole(QPalette::Text);
    label->setAutoFillBackground(true);
}

QString arrayName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QString::fromLatin1(name)).arg(index);
}

void makeFixedDialog(QWidget* window, const QString& title, int clientWidthTwips, int clientHeightTwips) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
    window->setWindowTitle(title);
    window->setFixedSize(px(clientWidthTwips), px(clientHeightTwips));
    centreOnScreen(window);
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
}

}  // namespace mud::ui
