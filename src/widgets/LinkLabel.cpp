#include "widgets/LinkLabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    // Blue while it can be clicked, grey while it cannot.
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::blue);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, Qt::gray);
    setPalette(colours);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}
