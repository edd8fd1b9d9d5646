#include "widgets/ScoreBar.h"

#include <QPainter>

ScoreBar::ScoreBar(QWidget* parent) : QWidget(parent) {}

bool ScoreBar::setValue(float value) {
    if (!(value >= minimum && value <= maximum))
        return false;
    if (value != m_value) {
        m_value = value;
        update();
    }
    return true;
}

void ScoreBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(frame, palette().base());
    const int filled = qRound(frame.height() * m_value / maximum);
    painter.fillRect(QRect(frame.left(), frame.bottom() - filled + 1, frame.width(), filled),
                     palette().highlight());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
}
