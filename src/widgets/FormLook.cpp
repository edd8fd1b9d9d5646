#include "widgets/FormLook.h"

#include "widgets/AppIcon.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace look {

void applyToWindow(QWidget* window) {
    window->setWindowIcon(appIcon());
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(8.25);
    window->setFont(arial);
    window->setAutoFillBackground(true);
    QPalette grey = window->palette();
    grey.setColor(QPalette::Window, panelGrey);
    window->setPalette(grey);
}

void fitText(QLabel* label) {
    if (!label->wordWrap())
        label->resize(label->size().expandedTo(label->sizeHint()));
}

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry, bool bold) {
    auto* label = new QLabel(text, parent);
    if (bold)
        makeBold(label);
    label->setGeometry(geometry);
    fitText(label);
    return label;
}

QPushButton* button(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget* filledRectangle(QWidget* parent, const QRect& geometry, const QColor& colour) {
    auto* shape = new QWidget(parent);
    shape->setGeometry(geometry);
    shape->setAutoFillBackground(true);
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, colour);
    shape->setPalette(palette);
    return shape;
}

void makeBold(QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = window->screen()) {
        QRect centred = window->frameGeometry();
        centred.moveCenter(screen->availableGeometry().center());
        window->move(centred.topLeft());
    }
}

} // namespace look
