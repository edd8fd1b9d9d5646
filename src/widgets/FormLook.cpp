#include "widgets/FormLook.h"

#include "widgets/AppIcon.h"

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
